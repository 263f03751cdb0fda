#pragma once

#include <QStringView>

// Reads a short text from the left, one kind of character at a time: enough
// for the numbers and dates the window and the pet file hold, without a
// regular-expression engine to start up.
class TextScan {
public:
    using Kind = bool (*)(QChar);

    explicit TextScan(QStringView text) : text_(text) {}

    // Passes every character of the kind from here on and returns them.
    QStringView skipAll(Kind kind) {
        const qsizetype start = at_;
        while (at_ < text_.size() && kind(text_[at_]))
            ++at_;
        return text_.sliced(start, at_ - start);
    }

    // Passes one character if it is this one.
    bool skipOne(char c) {
        if (at_ >= text_.size() || text_[at_] != QLatin1Char(c))
            return false;
        ++at_;
        return true;
    }

    bool atEnd() const { return at_ == text_.size(); }

    // The kinds, ASCII only: the numbers and dates of the window and the pet
    // file are written in ASCII, and another script's digits make no number.
    static bool isSpace(QChar c) {
        return c == QLatin1Char(' ') || (c >= QLatin1Char('\t') && c <= QLatin1Char('\r'));
    }
    static bool isDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }

private:
    QStringView text_;
    qsizetype at_ = 0;
};
