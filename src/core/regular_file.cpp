#include "regular_file.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// 0 for a regular file; otherwise what to tell about the file instead.
int fileKindError(const struct stat& info) {
    if (S_ISREG(info.st_mode))
        return 0;
    return S_ISDIR(info.st_mode) ? EISDIR : kNotRegularFile;
}

} // namespace

int openRegularFile(const QByteArray& name, int flags, int& error) {
    struct stat info {};
    if (::stat(name.constData(), &info) != 0) {
        error = errno;
        return -1;
    }
    if ((error = fileKindError(info)) != 0)
        return -1;
    const int fd = ::open(name.constData(), flags | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        error = errno;
        return -1;
    }
    error = ::fstat(fd, &info) == 0 ? fileKindError(info) : errno;
    if (error != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

bool openRegularFileToRead(QFile& file, const QString& path, int& error) {
    const int fd = openRegularFile(QFile::encodeName(path), O_RDONLY, error);
    if (fd < 0)
        return false;
    if (file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
        return true;
    ::close(fd);
    error = EIO;
    return false;
}
