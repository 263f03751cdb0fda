#pragma once

#include <QString>

// The Russian words for a system error number, to stand after a colon in the
// error report: the system's own texts are English. kNotRegularFile, which
// openRegularFile gives, is told too.
QString systemErrorText(int error);
