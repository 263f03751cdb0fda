#pragma once

#include "pet_record.h"

#include <QString>

// Reads the record from the file; a file that is missing, unreadable, short or
// not a regular file (a pipe, a device, a folder) is a run-time error. Opening
// never waits.
PetRecord readPetFile(const QString& path);

// Replaces the file with the record, all or nothing: the new record is written
// beside the old file and put in its place only when it is complete on disk.
// A symbolic link stays a link and its target is replaced, in the target's
// folder; the old file's owner, group and permissions stay. Where the folder
// or the owner does not allow a new file in the old one's place, the record
// is written into the file itself, checked and synced. A missing folder or a
// write-protected file is a run-time error, and the old file stays as it was.
void writePetFile(const QString& path, const PetRecord& record);

// The file a save of the path writes: the end of the chain of symbolic links
// at the path, which need not exist yet. A chain that never ends is a
// run-time error.
QString petFileTarget(const QString& path);

// Keeps a copy of the file as "<path>.bak" before it is replaced by a window
// that could not read it, if it is a regular file of at most 1 MiB: anything
// else is no pet worth the copy. A backup already there is kept: it is the
// older, readable pet, and a second failed start must not overwrite it with
// the blank pet the first one saved.
void keepPetFileBackup(const QString& path);
