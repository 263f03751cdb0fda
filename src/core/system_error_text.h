#pragma once

#include <QString>

// The Russian words for a system error number, to stand after a colon in the
// error report: the system's own texts are English.
QString systemErrorText(int error);

// The words for a path that exists but is neither a regular file nor a folder
// (a pipe, a device, a socket).
QString notRegularFileText();

// Why a picture file could not be read: what the file system says about the
// path, or, for a readable regular file, that it holds no picture.
QString pictureFailureText(const QString& path);
