#pragma once

#include <QDate>
#include <QString>

// A date as the pet file keeps it: day, month and year joined by full stops,
// "06.12.2026", the shape of the Russian short date.
QString savedOnText(QDate date);

// Such a text back as a date; a text that is no date is a run-time error.
QDate savedOnDate(const QString& text);

// Whole calendar days from the last save to today; negative when the clock
// was set back.
int daysAway(QDate savedOn, QDate today);
