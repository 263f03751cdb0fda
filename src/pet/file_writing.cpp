#include "file_writing.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <signal.h>
#include <stdlib.h>
#include <unistd.h>

namespace {

// A temporary file is named after the file it will become ("Pets.pets.saving-"),
// the number of the process that writes it, "-" and six characters mkostemp
// chooses. The number tells a dead save's file from one being written.
const QString kTemporaryMark = QStringLiteral(".saving-");
const QString kTemporaryInfix = kTemporaryMark + QString::number(::getpid()) + QLatin1Char('-');
constexpr qsizetype kTemporaryRandomLength = 6;

// The process that wrote a temporary file, from what follows
// "Pets.pets.saving-" in its name: 0 for a name without the number, as the
// program's earlier versions named them, -1 for a name no save gives.
pid_t temporaryWriter(QStringView rest) {
    if (rest.size() == kTemporaryRandomLength)
        return 0;
    const QStringView number = rest.chopped(std::min(rest.size(), kTemporaryRandomLength + 1));
    if (number.isEmpty() || rest[number.size()] != u'-' ||
        !std::all_of(number.begin(), number.end(), [](QChar c) { return c >= u'0' && c <= u'9'; }))
        return -1;
    bool converted = false;
    const int writer = number.toInt(&converted);
    return converted && writer > 0 ? writer : -1;
}

bool processLives(pid_t process) {
    return ::kill(process, 0) == 0 || errno != ESRCH;
}

} // namespace

bool writeAll(int fd, const QByteArray& bytes) {
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = ENOSPC;
            return false;
        }
        done += n;
    }
    return true;
}

int syncFolder(const QByteArray& folder) {
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return errno;
    const int error = ::fsync(fd) == 0 ? 0 : errno;
    ::close(fd);
    return error;
}

QByteArray folderOf(const QByteArray& file) {
    const qsizetype slash = file.lastIndexOf('/');
    return slash <= 0 ? QByteArray("/") : file.left(slash);
}

int openTemporary(QByteArray& temporary, const QByteArray& name) {
    temporary = name + QFile::encodeName(kTemporaryInfix) + QByteArray(kTemporaryRandomLength, 'X');
    return ::mkostemp(temporary.data(), O_CLOEXEC);
}

void removeDeadTemporaries(const QString& path) {
    const QFileInfo info(path);
    const QString prefix = info.fileName() + kTemporaryMark;
    QDir folder = info.dir();
    for (const QString& name : folder.entryList({prefix + QStringLiteral("*")},
                                                QDir::Files | QDir::Hidden | QDir::System)) {
        const pid_t writer = temporaryWriter(QStringView(name).sliced(prefix.size()));
        if (writer == 0 || (writer > 0 && !processLives(writer)))
            folder.remove(name);
    }
}
