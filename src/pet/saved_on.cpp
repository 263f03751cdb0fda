#include "saved_on.h"

#include <QCoreApplication>

#include "core/runtime_error.h"
#include "core/text_scan.h"

QString savedOnText(QDate date) {
    return date.toString(QStringLiteral("dd.MM.yyyy"));
}

namespace {

// Day and month of one or two digits, as a hand-edited file may hold them,
// and a four-digit year, with spaces around.
QDate readDate(QStringView text) {
    TextScan scan(text);
    scan.skipAll(TextScan::isSpace);
    const QStringView day = scan.skipAll(TextScan::isDigit);
    const bool firstDot = scan.skipOne('.');
    const QStringView month = scan.skipAll(TextScan::isDigit);
    const bool secondDot = scan.skipOne('.');
    const QStringView year = scan.skipAll(TextScan::isDigit);
    scan.skipAll(TextScan::isSpace);
    const auto oneOrTwo = [](QStringView digits) {
        return digits.size() == 1 || digits.size() == 2;
    };
    if (!firstDot || !secondDot || !scan.atEnd() || !oneOrTwo(day) || !oneOrTwo(month) ||
        year.size() != 4)
        return QDate();
    return QDate(year.toInt(), month.toInt(), day.toInt());
}

} // namespace

QDate savedOnDate(const QString& text) {
    const QDate date = readDate(text);
    if (!date.isValid())
        throw RuntimeError(
            QCoreApplication::translate("SavedOn", "Текст «%1» не является датой.").arg(text));
    return date;
}

int daysAway(QDate savedOn, QDate today) {
    return static_cast<int>(savedOn.daysTo(today));
}
