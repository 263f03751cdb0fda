#include "conversions.h"

#include "runtime_error.h"

#include <QRegularExpression>
#include <cmath>
#include <limits>

double numericValue(const QString& text) {
    static const QRegularExpression number(
        QStringLiteral(R"(^\s*[+-]?(\d+([.,]\d*)?|[.,]\d+)([eE][+-]?\d+)?\s*$)"));
    if (!number.match(text).hasMatch())
        throw RuntimeError(QStringLiteral("Текст «%1» не является числом.").arg(text));
    QString plain = text.trimmed();
    plain.replace(QLatin1Char(','), QLatin1Char('.'));
    const double value = plain.toDouble();
    if (!std::isfinite(value))
        throw RuntimeError(QStringLiteral("Число «%1» слишком велико.").arg(text));
    return value;
}

QString decimalText(double value) {
    if (value == std::trunc(value) && std::fabs(value) < 1e15)
        return QString::number(static_cast<qlonglong>(value));
    QString text = QString::number(value, 'g', 15);
    text.replace(QLatin1Char('.'), QLatin1Char(','));
    return text;
}

qint16 addChecked16(qint16 value, int increment) {
    const int result = int(value) + increment;
    if (result > std::numeric_limits<qint16>::max() || result < std::numeric_limits<qint16>::min())
        throw RuntimeError(QStringLiteral("Переполнение."));
    return static_cast<qint16>(result);
}
