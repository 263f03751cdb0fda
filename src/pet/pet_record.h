#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

class QIODevice;

// The eight text fields of the pet file, in the order they are stored.
struct PetRecord {
    QString PetName;
    QString AgeDays;
    QString SavedOn;
    QString Hunger;
    QString Thirst;
    QString Mood;
    QString Sleepiness;
    QString Health;

    bool operator==(const PetRecord&) const = default;
};

inline constexpr int kPetRecordFieldCount = 8;

// A pet that no exit has saved yet carries this text instead of a date.
inline const QString kFreshPetMarker = QStringLiteral("00.00.0000");

// No field the program writes comes near this; a longer one means the file is
// not a pet file, and reading stops before it can eat the memory.
inline constexpr qsizetype kLongestPetField = 64 * 1024;

// Reads eight items from the device and nothing more: items are separated by
// commas or line ends, may be quoted, and what follows the eighth is left
// unread. A double quote inside an item reads as « or ». Fewer than eight
// items, an overlong item or bytes outside Windows-1251 are a run-time error.
PetRecord readPetRecord(QIODevice& in);
PetRecord parsePetRecord(QByteArrayView bytes);

// One line: eight quoted fields joined by commas, then CR LF, in Windows-1251,
// a double quote inside a field written as « or ». A text that Windows-1251
// cannot hold is a run-time error.
QByteArray petRecordBytes(const PetRecord& record);

// A new pet under the given name.
PetRecord freshPetRecord(const QString& name);
