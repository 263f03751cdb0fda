#pragma once

#include <QByteArray>

// Stands for "not a regular file" where an error number is expected.
inline constexpr int kNotRegularFile = -1;

// Opens the regular file at the path without ever waiting: a pipe or a device
// in its place would hold open() or read() forever. The type is checked before
// opening, so nothing else is even opened, and again on the open descriptor,
// in case the path changed in between. -1 with `error` set when it fails: an
// error number, or kNotRegularFile.
int openRegularFile(const QByteArray& name, int flags, int& error);
