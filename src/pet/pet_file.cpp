#include "pet_file.h"

#include "core/regular_file.h"
#include "core/runtime_error.h"
#include "core/system_error_text.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A damaged pet file is kept for its owner only when it could be a pet: a
// bigger one is not copied, so a failed start never doubles a huge file.
constexpr qint64 kLargestBackup = 1024 * 1024;

// As many symbolic links in a row as the system itself follows.
constexpr int kMostLinks = 40;

QString reasonText(int error) {
    return error == kNotRegularFile ? notRegularFileText() : systemErrorText(error);
}

RuntimeError openError(const QString& path, const QString& reason) {
    return RuntimeError(
        QStringLiteral("Не удалось открыть файл питомца «%1»: %2.").arg(path, reason));
}

RuntimeError writeError(const QString& path, const QString& reason) {
    return RuntimeError(
        QStringLiteral("Не удалось записать файл питомца «%1»: %2.").arg(path, reason));
}

QString systemReason() {
    return systemErrorText(errno);
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

// The file a save writes: the end of the chain of symbolic links at the path,
// which need not exist yet. The links stay as the user made them.
QByteArray linkedFile(const QString& path) {
    QByteArray at = QFile::encodeName(QFileInfo(path).absoluteFilePath());
    for (int links = 0;; ++links) {
        struct stat info {};
        if (::lstat(at.constData(), &info) != 0 || !S_ISLNK(info.st_mode))
            return at;
        if (links == kMostLinks)
            throw writeError(path, systemErrorText(ELOOP));
        QByteArray target(PATH_MAX, '\0');
        const ssize_t n = ::readlink(at.constData(), target.data(), size_t(target.size()));
        if (n < 0)
            throw writeError(path, systemReason());
        target.truncate(n);
        at = target.startsWith('/') ? target : at.left(at.lastIndexOf('/') + 1) + target;
    }
}

// The new file gets the old one's owner and group, also when root saves in a
// user's folder: otherwise the user could no longer save the pet. False when
// this user may not give them, as an ordinary user may not give a file away.
bool takeOwner(int fd, const struct stat& old) {
    struct stat made {};
    if (::fstat(fd, &made) != 0)
        return false;
    if (made.st_uid == old.st_uid && made.st_gid == old.st_gid)
        return true;
    return ::fchown(fd, old.st_uid, old.st_gid) == 0;
}

mode_t newFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

void syncFolder(const QByteArray& folder) {
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

QByteArray folderOf(const QByteArray& file) {
    const qsizetype slash = file.lastIndexOf('/');
    return slash <= 0 ? QByteArray("/") : file.left(slash);
}

// The temporary file a save writes beside the pet file: "Pets.pets.saving-",
// the number of the process that saves, "-" and six characters mkstemp
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

// A save that was killed before its rename leaves its temporary file behind,
// and the next save that succeeds clears such files away. One whose writer
// still lives is left alone: that may be another program saving the same file
// at this moment, one that could not take the one-window lock, say.
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

// The folder refuses this user a new file there, or the renaming of one.
bool refusedByFolder(int error) {
    return error == EACCES || error == EPERM;
}

// Writes a temporary file beside the pet file, syncs it, and renames it over
// the old one, so that the file on disk is always one whole record. False,
// with nothing changed, when the folder or the old file's owner does not allow
// it and the old file is there to be written in place instead.
bool replaceAtomically(const QString& path, const QByteArray& target, const QByteArray& bytes) {
    struct stat old {};
    const bool replacing = ::stat(target.constData(), &old) == 0;
    QByteArray temporary =
        target + QFile::encodeName(kTemporaryInfix) + QByteArray(kTemporaryRandomLength, 'X');
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0) {
        if (replacing && refusedByFolder(errno))
            return false;
        throw writeError(path, systemReason());
    }
    if (replacing && !takeOwner(fd, old)) {
        ::close(fd);
        ::unlink(temporary.constData());
        return false;
    }
    // After the owner: a change of owner clears the set-id bits.
    const mode_t mode = replacing ? old.st_mode & 07777 : newFileMode();
    const bool written = ::fchmod(fd, mode) == 0 && writeAll(fd, bytes) && ::fsync(fd) == 0;
    const QString reason = written ? QString() : systemReason();
    const bool closed = ::close(fd) == 0;
    if (!written || !closed) {
        const QString why = reason.isEmpty() ? systemReason() : reason;
        ::unlink(temporary.constData());
        throw writeError(path, why);
    }
    if (::rename(temporary.constData(), target.constData()) != 0) {
        const int error = errno;
        ::unlink(temporary.constData());
        if (replacing && refusedByFolder(error))
            return false;
        throw writeError(path, systemErrorText(error));
    }
    syncFolder(folderOf(target));
    return true;
}

// Writes the record into the pet file itself, as a folder that admits no new
// file leaves no other way: every byte checked, the old tail cut off, synced.
void overwriteInPlace(const QString& path, const QByteArray& target, const QByteArray& bytes) {
    int error = 0;
    const int fd = openRegularFile(target, O_WRONLY, error);
    if (fd < 0)
        throw writeError(path, reasonText(error));
    const bool written =
        writeAll(fd, bytes) && ::ftruncate(fd, off_t(bytes.size())) == 0 && ::fsync(fd) == 0;
    const QString reason = written ? QString() : systemReason();
    const bool closed = ::close(fd) == 0;
    if (!written || !closed)
        throw writeError(path, reason.isEmpty() ? systemReason() : reason);
}

// Writing beside the pet file would get round a protection the user set on
// it, even for a user whom the system lets write anything. A file system
// mounted read-only is told as such: the file itself is not protected.
void refuseProtectedFile(const QString& path, const QByteArray& target) {
    struct stat info {};
    if (::stat(target.constData(), &info) != 0)
        return;
    const bool writable = ::faccessat(AT_FDCWD, target.constData(), W_OK, AT_EACCESS) == 0;
    if (!writable && errno == EROFS)
        throw writeError(path, systemErrorText(EROFS));
    if (!writable || !(info.st_mode & S_IWUSR))
        throw writeError(path, QStringLiteral("файл защищён от записи"));
}

} // namespace

PetRecord readPetFile(const QString& path) {
    int error = 0;
    const int fd = openRegularFile(QFile::encodeName(path), O_RDONLY, error);
    if (fd < 0 && error == ENOENT)
        throw RuntimeError(QStringLiteral("Не найден файл питомца «%1».").arg(path));
    if (fd < 0)
        throw openError(path, reasonText(error));
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        throw openError(path, systemErrorText(EIO));
    }
    return readPetRecord(file);
}

void writePetFile(const QString& path, const PetRecord& record) {
    const QByteArray bytes = petRecordBytes(record);
    const QByteArray target = linkedFile(path);
    const QByteArray folder = folderOf(target);
    struct stat folderInfo {};
    if (::stat(folder.constData(), &folderInfo) != 0 || !S_ISDIR(folderInfo.st_mode))
        throw writeError(path, QStringLiteral("нет папки %1").arg(QFile::decodeName(folder)));
    refuseProtectedFile(path, target);
    if (!replaceAtomically(path, target, bytes))
        overwriteInPlace(path, target, bytes);
    removeDeadTemporaries(QFile::decodeName(target));
}

void keepPetFileBackup(const QString& path) {
    int error = 0;
    const int fd = openRegularFile(QFile::encodeName(path), O_RDONLY, error);
    if (fd < 0)
        return;
    QFile file;
    struct stat info {};
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return;
    }
    if (::fstat(fd, &info) != 0 || info.st_size > kLargestBackup)
        return;
    const QByteArray bytes = file.read(kLargestBackup + 1);
    if (bytes.size() > kLargestBackup)
        return;
    // A backup already there is the older pet and is never replaced.
    QFile backup(path + QStringLiteral(".bak"));
    if (!backup.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return;
    // The copy is the pet file's owner's, and as private as the pet file.
    [[maybe_unused]] const int owned = ::fchown(backup.handle(), info.st_uid, info.st_gid);
    ::fchmod(backup.handle(), info.st_mode & 0777);
    if (backup.write(bytes) != bytes.size() || !backup.flush())
        backup.remove();
}

QString petFileTarget(const QString& path) {
    return QFile::decodeName(linkedFile(path));
}
