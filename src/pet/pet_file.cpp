#include "pet_file.h"

#include "window/runtime_error.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

RuntimeError writeError(const QString& path, const QString& reason) {
    return RuntimeError(
        QStringLiteral("Не удалось записать файл питомца «%1»: %2.").arg(path, reason));
}

QString systemReason() {
    return QString::fromLocal8Bit(std::strerror(errno));
}

// Every byte or an error: a short write (a full disk, a size limit) must never
// pass for a complete record.
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

// The new pet file keeps the old one's permissions; a first one gets the usual.
mode_t petFileMode(const QByteArray& path) {
    struct stat old {};
    if (::stat(path.constData(), &old) == 0)
        return old.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

void syncFolder(const QByteArray& folder) {
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

// The temporary file a save writes beside the pet file: "Pets.pets.saving-"
// and six characters mkstemp chooses.
const QString kTemporaryInfix = QStringLiteral(".saving-");
constexpr qsizetype kTemporaryRandomLength = 6;

// A save that was killed before its rename leaves its temporary file behind.
// Only one window keeps the pet, so any such file is a dead save's, and the
// next save that succeeds clears them away.
void removeDeadTemporaries(const QString& path) {
    const QFileInfo info(path);
    const QString prefix = info.fileName() + kTemporaryInfix;
    QDir folder = info.dir();
    for (const QString& name : folder.entryList({prefix + QStringLiteral("*")},
                                                QDir::Files | QDir::Hidden | QDir::System))
        if (name.size() == prefix.size() + kTemporaryRandomLength)
            folder.remove(name);
}

// Writes a temporary file beside the pet file, syncs it, and renames it over
// the old one, so that the file on disk is always one whole record.
void replaceAtomically(const QString& path, const QByteArray& bytes) {
    const QByteArray target = QFile::encodeName(path);
    QByteArray temporary =
        target + QFile::encodeName(kTemporaryInfix) + QByteArray(kTemporaryRandomLength, 'X');
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0)
        throw writeError(path, systemReason());
    const bool written =
        ::fchmod(fd, petFileMode(target)) == 0 && writeAll(fd, bytes) && ::fsync(fd) == 0;
    const QString reason = written ? QString() : systemReason();
    const bool closed = ::close(fd) == 0;
    if (!written || !closed || ::rename(temporary.constData(), target.constData()) != 0) {
        const QString why = reason.isEmpty() ? systemReason() : reason;
        ::unlink(temporary.constData());
        throw writeError(path, why);
    }
    syncFolder(QFile::encodeName(QFileInfo(path).absolutePath()));
}

} // namespace

PetRecord readPetFile(const QString& path) {
    QFile file(path);
    if (!file.exists())
        throw RuntimeError(QStringLiteral("Не найден файл питомца «%1».").arg(path));
    if (!file.open(QIODevice::ReadOnly))
        throw RuntimeError(QStringLiteral("Не удалось открыть файл питомца «%1»: %2.")
                               .arg(path, file.errorString()));
    return readPetRecord(file);
}

void writePetFile(const QString& path, const PetRecord& record) {
    const QByteArray bytes = petRecordBytes(record);
    const QFileInfo info(path);
    if (!info.dir().exists())
        throw writeError(path, QStringLiteral("нет папки %1").arg(info.absolutePath()));
    // Writing beside the file would get round a protection the user set on it,
    // even for a user whom the system lets write anything.
    if (info.exists() && (!info.isWritable() || !(info.permissions() & QFileDevice::WriteOwner)))
        throw writeError(path, QStringLiteral("файл защищён от записи"));
    replaceAtomically(path, bytes);
    removeDeadTemporaries(path);
}

void keepPetFileBackup(const QString& path) {
    const QString backup = path + QStringLiteral(".bak");
    if (QFileInfo(path).isFile() && !QFileInfo::exists(backup))
        QFile::copy(path, backup);
}
