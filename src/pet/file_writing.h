#pragma once

#include <QByteArray>
#include <QString>

// What the pet file's save and its backups share: writes that are whole or
// fail, synced folders, and the temporary files a new file is written to.

// Every byte or an error: a short write (a full disk, a size limit) must never
// pass for a complete record.
bool writeAll(int fd, const QByteArray& bytes);

// Makes a rename in the folder last through a crash. 0, or the error number
// when the folder could not be synced: the rename may then be lost.
int syncFolder(const QByteArray& folder);

QByteArray folderOf(const QByteArray& file);

// Opens a new temporary file beside `name`: "<name>.saving-", the number of
// this process, "-" and six characters mkostemp chooses; its name is left in
// `temporary`. It is not handed down to programs this one starts. -1 with
// errno set when it fails.
int openTemporary(QByteArray& temporary, const QByteArray& name);

// A save that was killed before its rename leaves its temporary file behind,
// and the next save that succeeds clears such files of the file at `path`
// away. One whose writer still lives is left alone: that may be another
// program saving the same file at this moment, one that could not take the
// one-window lock, say.
void removeDeadTemporaries(const QString& path);
