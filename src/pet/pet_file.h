#pragma once

#include "pet_record.h"

#include <QString>

// Root reads and writes a pet file in another user's folder with that user's
// rights alone, so that no link the user put there reaches further.

// Reads the record from the file; a file that is missing, unreadable, short or
// not a regular file (a pipe, a device, a folder) is a run-time error. Opening
// never waits.
PetRecord readPetFile(const QString& path);

// Replaces the file with the record, all or nothing: the new record is written
// beside the old file and put in its place only when it is complete on disk.
// A symbolic link stays a link and its target is replaced, in the target's
// folder; the old file's owner, group and permissions stay. Where the folder
// or the owner does not allow a new file in the old one's place, the record
// is written into the file itself, checked and synced; so it is where the
// file's access list or other extended attributes cannot be carried over to
// a new file, and where the disk has no room for a second file but the
// record fits into the old one. A missing folder, a write-protected file or a
// file this run must leave as it is (see keepPetFileBackup) is a run-time
// error, and the old file stays as it was.
void writePetFile(const QString& path, const PetRecord& record);

// The file a save of the path writes: the end of the chain of symbolic links
// at the path, which need not exist yet. A chain that never ends is a
// run-time error.
QString petFileTarget(const QString& path);

// Keeps a copy of the file, written and synced, before a window that could
// not read it replaces it: as "<path>.bak", the earlier copy there, if its
// content differs, put aside as "<path>.bak.1" or the next free number up to
// 9. A copy already holding the same bytes needs no new one. Where no copy
// can be made (no room, no rights, a file over 1 MiB, all ten places taken),
// writePetFile leaves that file as it is for the rest of the run and says why.
// Returns what the user is told of it: where the copy is, or why there is
// none; nothing when there was no file to keep.
QString keepPetFileBackup(const QString& path);
