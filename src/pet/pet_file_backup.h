#pragma once

#include <QString>

// A pet file that this run must leave as it is, because start-up could not
// read it and no copy of it could be kept (keepPetFileBackup): a run-time
// error, which says why, to write it.
void refuseFileLeftAsItIs(const QString& path);
