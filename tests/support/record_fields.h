#pragma once

#include "pet/pet_record.h"

#include <QStringList>

// A record's eight fields in the order the file stores them.
inline QStringList recordFields(const PetRecord& r) {
    return {r.PetName, r.AgeDays, r.SavedOn, r.Hunger, r.Thirst, r.Mood, r.Sleepiness, r.Health};
}
