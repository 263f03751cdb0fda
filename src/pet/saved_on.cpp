#include "saved_on.h"

#include "window/runtime_error.h"

#include <QRegularExpression>

QString savedOnText(QDate date) {
    return date.toString(QStringLiteral("dd.MM.yyyy"));
}

QDate savedOnDate(const QString& text) {
    // One- or two-digit day and month are what a hand-edited file may hold.
    static const QRegularExpression shape(
        QStringLiteral(R"(^\s*(\d{1,2})\.(\d{1,2})\.(\d{4})\s*$)"));
    const QRegularExpressionMatch match = shape.match(text);
    const QDate date =
        match.hasMatch()
            ? QDate(match.captured(3).toInt(), match.captured(2).toInt(), match.captured(1).toInt())
            : QDate();
    if (!date.isValid())
        throw RuntimeError(QStringLiteral("Текст «%1» не является датой.").arg(text));
    return date;
}

int daysAway(QDate savedOn, QDate today) {
    return static_cast<int>(savedOn.daysTo(today));
}
