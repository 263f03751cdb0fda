#pragma once

#include "window/platform_services.h"

#include <QDate>
#include <QList>
#include <QString>
#include <functional>
#include <utility>

// Answers the window's message boxes from a script, keeps a fixed date and
// records beeps and the program's end instead of performing them.
class ScriptedServices : public PlatformServices {
public:
    struct Box {
        QString text;
        int style;
        QString title;
    };

    explicit ScriptedServices(QString folder, QDate date = QDate(2026, 12, 7))
        : folder_(std::move(folder)), date_(date) {}

    // Answers for the Yes/No boxes, used in order; a Yes/No box without an
    // answer left counts as unexpected.
    void answerYesNo(std::initializer_list<int> answers) { answers_ << QList<int>(answers); }
    void setToday(QDate date) { date_ = date; }
    // Runs while the next box waits for its answer, as an event from outside
    // would arrive then.
    void whileNextBoxIsOpen(std::function<void()> event) { whileOpen_ = std::move(event); }

    const QList<Box>& boxes() const { return boxes_; }
    int unexpectedBoxes() const { return unexpected_; }
    int beeps() const { return beeps_; }
    bool ended() const { return ended_; }

    int messageBox(const QString& text, int style, const QString& title) override {
        boxes_.append({text, style, title});
        if (whileOpen_)
            std::exchange(whileOpen_, {})();
        if (style != kStyleExclamationYesNo)
            return kAnswerOk;
        if (answers_.isEmpty()) {
            ++unexpected_;
            return kAnswerNo;
        }
        return answers_.takeFirst();
    }
    void dismissMessageBox() override { ++dismissed_; }
    int dismissedBoxes() const { return dismissed_; }
    void beep() override { ++beeps_; }
    void endProgram() override { ended_ = true; }
    QDate today() const override { return date_; }
    QString programFolder() const override { return folder_; }

private:
    QString folder_;
    QDate date_;
    QList<int> answers_;
    QList<Box> boxes_;
    int unexpected_ = 0;
    int beeps_ = 0;
    int dismissed_ = 0;
    std::function<void()> whileOpen_;
    bool ended_ = false;
};
