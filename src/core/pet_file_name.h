#pragma once

#include <QString>

// The pet file's name in the picture folder. The files kept beside it, its
// lock, its backup and a save's temporaries, are named after it.
inline const QString kPetFileName = QStringLiteral("Pets.pets");
