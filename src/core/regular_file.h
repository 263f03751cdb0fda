#pragma once

#include <QByteArray>

class QFile;
class QString;

// Stands for "not a regular file" where an error number is expected.
inline constexpr int kNotRegularFile = -1;

// Opens the regular file at the path without ever waiting: a pipe or a device
// in its place would hold open() or read() forever. The type is checked before
// opening, so nothing else is even opened, and again on the open descriptor,
// in case the path changed in between. -1 with `error` set when it fails: an
// error number, or kNotRegularFile.
int openRegularFile(const QByteArray& name, int flags, int& error);

// The same for reading, into `file`, which then owns the descriptor. False
// with `error` set when it fails.
bool openRegularFileToRead(QFile& file, const QString& path, int& error);
