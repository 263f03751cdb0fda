#include "pet_record.h"

#include "code_page_1251.h"
#include "core/runtime_error.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QIODevice>
#include <array>

namespace {

constexpr char kQuote = '"';
constexpr char kComma = ',';
constexpr char kCR = '\r';
constexpr char kLF = '\n';

bool isLineEnd(char c) {
    return c == kCR || c == kLF;
}

// Hands out the device's bytes one at a time from a small buffer, so that the
// reader never holds more of the file than one chunk and the current item.
class ByteSource {
public:
    explicit ByteSource(QIODevice& in) : in_(in) {}

    bool atEnd() { return !fill(); }
    char peek() { return buffer_[pos_]; }
    char take() { return buffer_[pos_++]; }

private:
    bool fill() {
        if (pos_ < buffer_.size())
            return true;
        buffer_ = in_.read(4096);
        pos_ = 0;
        return !buffer_.isEmpty();
    }

    QIODevice& in_;
    QByteArray buffer_;
    qsizetype pos_ = 0;
};

class RecordScanner {
public:
    explicit RecordScanner(QIODevice& in) : bytes_(in) {}

    std::array<QByteArray, kPetRecordFieldCount> scan() {
        std::array<QByteArray, kPetRecordFieldCount> items;
        for (int i = 0; i < kPetRecordFieldCount; ++i) {
            if (!startItem())
                throw RuntimeError(
                    QCoreApplication::translate(
                        "PetRecord",
                        "Файл питомца кончился раньше времени: прочитано полей %1 из %2.")
                        .arg(i)
                        .arg(kPetRecordFieldCount));
            items[i] = item();
        }
        return items;
    }

private:
    // Skips the spaces before an item and the line ends in front of it: a
    // line end after a comma, like a blank line between lines of items, starts
    // no item, so a record broken by hand after its commas reads as one line.
    // False when the file ends before the item begins.
    bool startItem() {
        for (;;) {
            if (bytes_.atEnd())
                return false;
            const char c = bytes_.peek();
            if (c == ' ' || c == '\t' || isLineEnd(c))
                bytes_.take();
            else
                return true;
        }
    }

    QByteArray item() {
        QByteArray value;
        if (bytes_.peek() == kQuote) {
            bytes_.take();
            while (!bytes_.atEnd() && bytes_.peek() != kQuote)
                append(value, bytes_.take());
            // Whatever stands between the closing quote and the separator is dropped.
            while (!bytes_.atEnd() && !isSeparator(bytes_.peek()))
                bytes_.take();
        } else {
            while (!bytes_.atEnd() && !isSeparator(bytes_.peek()))
                append(value, bytes_.take());
        }
        if (!bytes_.atEnd())
            takeSeparator();
        return value;
    }

    static bool isSeparator(char c) { return c == kComma || isLineEnd(c); }

    void takeSeparator() {
        if (bytes_.take() == kCR && !bytes_.atEnd() && bytes_.peek() == kLF)
            bytes_.take();
    }

    static void append(QByteArray& value, char c) {
        if (value.size() >= kLongestPetField)
            throw RuntimeError(
                QCoreApplication::translate("PetRecord", "В файле питомца слишком длинное поле."));
        value.append(c);
    }

    ByteSource bytes_;
};

// A double quote inside a field would end it when the file is read back, and
// the format has no escape for it. So a quote written into the file by hand
// reads as the typographic one, which the code page holds: « where a
// quotation opens (at the start, after a space or a bracket), » where it
// closes. The name Том "Кот" typed into the file shows as Том «Кот» in the
// window, and is saved so.
QString withTypographicQuotes(QString text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != QLatin1Char(kQuote))
            continue;
        const bool opens = i == 0 || text[i - 1].isSpace() ||
                           text[i - 1].category() == QChar::Punctuation_Open ||
                           text[i - 1].category() == QChar::Punctuation_InitialQuote;
        text[i] = opens ? QChar(u'\u00AB') : QChar(u'\u00BB');
    }
    return text;
}

QString decoded(const QByteArray& bytes) {
    return withTypographicQuotes(fromCodePage1251(bytes));
}

QByteArray encoded(const QString& text) {
    std::optional<QByteArray> bytes = toCodePage1251(withTypographicQuotes(text));
    if (!bytes)
        throw RuntimeError(QCoreApplication::translate(
                               "PetRecord", "Текст «%1» нельзя записать в кодировке Windows-1251.")
                               .arg(text));
    return *std::move(bytes);
}

} // namespace

PetRecord readPetRecord(QIODevice& in) {
    const auto items = RecordScanner(in).scan();
    return PetRecord{decoded(items[0]), decoded(items[1]), decoded(items[2]), decoded(items[3]),
                     decoded(items[4]), decoded(items[5]), decoded(items[6]), decoded(items[7])};
}

PetRecord parsePetRecord(QByteArrayView bytes) {
    QByteArray copy = bytes.toByteArray();
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    return readPetRecord(buffer);
}

QByteArray petRecordBytes(const PetRecord& record) {
    const std::array<const QString*, kPetRecordFieldCount> fields = {
        &record.PetName, &record.AgeDays, &record.SavedOn,    &record.Hunger,
        &record.Thirst,  &record.Mood,    &record.Sleepiness, &record.Health};
    QByteArray line;
    for (const QString* field : fields) {
        if (!line.isEmpty())
            line.append(kComma);
        line.append(kQuote).append(encoded(*field)).append(kQuote);
    }
    return line.append(kCR).append(kLF);
}

PetRecord freshPetRecord(const QString& name) {
    return PetRecord{name,
                     QStringLiteral("0"),
                     kFreshPetMarker,
                     QStringLiteral("5"),
                     QStringLiteral("5"),
                     QStringLiteral("5"),
                     QStringLiteral("0"),
                     QStringLiteral("10")};
}
