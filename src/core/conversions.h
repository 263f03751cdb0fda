#pragma once

#include <QString>
#include <QtGlobal>

// The numeric value of a control's text: whole or fractional decimal text with
// an optional sign, spaces around it allowed. Anything else is a run-time error.
double numericValue(const QString& text);

// A number as the window shows it: "5", "10", "-2"; fractions with a comma.
QString decimalText(double value);

// 16-bit signed addition as the form-level counters need it: a result past
// the range is a run-time error and the caller keeps its old value.
qint16 addChecked16(qint16 value, int increment);
