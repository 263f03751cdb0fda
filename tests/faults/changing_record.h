#pragma once

#include "pet/pet_record.h"

#include <QString>
#include <QStringList>

// The n-th record of a pet that is saved again and again: the number stands in
// the name, and the record's length changes with it, so that a torn write
// could not pass for another whole record.
inline PetRecord changingRecord(int n) {
    const QString name = QStringLiteral("Кот %1 ").arg(n) + QString(n % 41, QChar(0x0436));
    return PetRecord{name,
                     QString::number(n % 20),
                     QStringLiteral("%1.12.2026").arg(1 + n % 28, 2, 10, QLatin1Char('0')),
                     QString::number(n % 23 - 6),
                     QString::number(n % 17),
                     QString::number(10 - n % 13),
                     QString::number(n % 7),
                     QString::number(n % 31 - 10)};
}

// The number a changing record carries, or -1 when the name holds none.
inline int changingRecordNumber(const PetRecord& record) {
    const QStringList words = record.PetName.split(QLatin1Char(' '));
    bool ok = false;
    const int n = words.size() >= 2 ? words[1].toInt(&ok) : -1;
    return ok ? n : -1;
}
