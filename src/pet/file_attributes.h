#pragma once

#include <QByteArray>
#include <sys/types.h>

// The permissions a file made now gets: everything the umask allows.
mode_t newFileMode();

// Gives the open file `to` exactly the extended attributes of the file at
// `from`, its access control list among them, and no others: one that the
// new file took over from its folder could open it to more users than the
// old file was. False when that cannot be done.
bool copyExtendedAttributes(const QByteArray& from, int to);
