#include "conversions.h"

#include <QCoreApplication>

#include "runtime_error.h"
#include "text_scan.h"

#include <cmath>
#include <limits>

namespace {

// Spaces, a sign, digits with a fraction after a point or a comma, an
// exponent, spaces: "5", " -2 ", "2,5", ",5", "1e3".
bool looksNumeric(QStringView text) {
    TextScan scan(text);
    scan.skipAll(TextScan::isSpace);
    scan.skipOne('+') || scan.skipOne('-');
    const qsizetype whole = scan.skipAll(TextScan::isDigit).size();
    const qsizetype fraction =
        scan.skipOne('.') || scan.skipOne(',') ? scan.skipAll(TextScan::isDigit).size() : 0;
    if (whole == 0 && fraction == 0)
        return false;
    if (scan.skipOne('e') || scan.skipOne('E')) {
        scan.skipOne('+') || scan.skipOne('-');
        if (scan.skipAll(TextScan::isDigit).isEmpty())
            return false;
    }
    scan.skipAll(TextScan::isSpace);
    return scan.atEnd();
}

} // namespace

double numericValue(const QString& text) {
    if (!looksNumeric(text))
        throw RuntimeError(
            QCoreApplication::translate("Conversions", "Текст «%1» не является числом.").arg(text));
    QString plain = text.trimmed();
    plain.replace(QLatin1Char(','), QLatin1Char('.'));
    const double value = plain.toDouble();
    if (!std::isfinite(value))
        throw RuntimeError(
            QCoreApplication::translate("Conversions", "Число «%1» слишком велико.").arg(text));
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
        throw RuntimeError(QCoreApplication::translate("Conversions", "Переполнение."));
    return static_cast<qint16>(result);
}
