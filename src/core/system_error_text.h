#pragma once

#include <QString>

// The Russian words for a system error number, to stand after a colon in the
// error report: the system's own texts are English. kNotRegularFile, which
// openRegularFile gives, is told too.
QString systemErrorText(int error);

// The error says only that nothing is at the path: no file, or a part of the
// path that is no folder. Any other error is a failure, not an answer.
bool nothingThere(int error);
