#pragma once

#include <QString>

// A pet file that this run must leave as it is, because start-up could not
// read it and no copy of it could be kept (keepPetFileBackup): a run-time
// error, which says why, to write it.
void refuseFileLeftAsItIs(const QString& path);

// A backup that was killed before its rename leaves its temporary file
// behind; the next save clears such files of dead processes away, as its
// own (see removeDeadTemporaries).
void removeDeadBackupTemporaries(const QString& path);
