#include "pet_file.h"

#include "core/regular_file.h"
#include "core/runtime_error.h"
#include "core/system_error_text.h"
#include "file_attributes.h"
#include "window/folder_owner_rights.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <fcntl.h>
#include <optional>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A damaged pet file is copied only when it could be a pet, so that a failed
// start never doubles a huge file; a bigger one is left as it is instead.
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

// The disk or the user's quota has no block left for a new file.
bool noRoomLeft(int error) {
    return error == ENOSPC || error == EDQUOT;
}

// A record no longer than the old file fits into the blocks it already has.
bool fitsInPlace(const struct stat& old, const QByteArray& bytes) {
    return off_t(bytes.size()) <= old.st_size;
}

// A temporary file beside `name`: "<name>.saving-" and six characters
// mkostemp chooses. It is not handed down to programs this one starts.
int openTemporary(QByteArray& temporary, const QByteArray& name) {
    temporary = name + QFile::encodeName(kTemporaryInfix) + QByteArray(kTemporaryRandomLength, 'X');
    return ::mkostemp(temporary.data(), O_CLOEXEC);
}

// Writes a temporary file beside the pet file, syncs it, and renames it over
// the old one, so that the file on disk is always one whole record. False,
// with nothing changed, when the old file is there to be written in place
// instead and the new one could not take its place whole: the folder or the
// old file's owner does not allow it, its access list or other extended
// attributes cannot be carried over, or the disk has no room for a second
// file while the record fits into the old one.
bool replaceAtomically(const QString& path, const QByteArray& target, const QByteArray& bytes) {
    struct stat old {};
    const bool replacing = ::stat(target.constData(), &old) == 0;
    QByteArray temporary;
    const int fd = openTemporary(temporary, target);
    if (fd < 0) {
        if (replacing && (refusedByFolder(errno) || (noRoomLeft(errno) && fitsInPlace(old, bytes))))
            return false;
        throw writeError(path, systemReason());
    }
    if (replacing && !(takeOwner(fd, old) && copyExtendedAttributes(target, fd))) {
        ::close(fd);
        ::unlink(temporary.constData());
        return false;
    }
    // After the owner: a change of owner clears the set-id bits. The group
    // bits are the old access list's mask, so the list stays as it was.
    const mode_t mode = replacing ? old.st_mode & 07777 : newFileMode();
    const bool written = ::fchmod(fd, mode) == 0 && writeAll(fd, bytes) && ::fsync(fd) == 0;
    int error = written ? 0 : errno;
    if (::close(fd) != 0 && written)
        error = errno;
    if (error != 0) {
        ::unlink(temporary.constData());
        if (replacing && noRoomLeft(error) && fitsInPlace(old, bytes))
            return false;
        throw writeError(path, systemErrorText(error));
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

// Copies of a pet file that start-up could not read: "Pets.pets.bak" holds the
// newest, and the earlier ones, each of another content, are put aside as
// "Pets.pets.bak.1" to "Pets.pets.bak.9" in the order they were made. None is
// ever deleted: when all the places are taken, no copy is made.
constexpr int kEarlierBackups = 9;

QString backupPath(const QString& path, int number) {
    const QString newest = path + QStringLiteral(".bak");
    return number == 0 ? newest : newest + QLatin1Char('.') + QString::number(number);
}

// The pet files that this run must leave as they are, each with why: start-up
// could not read it, and no copy of it could be kept.
QHash<QString, QString>& filesLeftAsTheyAre() {
    static QHash<QString, QString> files;
    return files;
}

QString absolute(const QString& path) {
    return QFileInfo(path).absoluteFilePath();
}

// Nothing at the path that a write could lose: no file, or one that is no
// regular file (a pipe or a device holds no pet).
bool nothingToLose(int error) {
    return error == ENOENT || error == ENOTDIR || error == EISDIR || error == kNotRegularFile;
}

// The bytes of the regular file at the path, opened without waiting; none
// when it cannot be read, or when it holds more than `most` bytes (`error`
// says which).
std::optional<QByteArray> regularFileBytes(const QString& path, qint64 most, int& error) {
    const int fd = openRegularFile(QFile::encodeName(path), O_RDONLY, error);
    if (fd < 0)
        return std::nullopt;
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        error = EIO;
        return std::nullopt;
    }
    const QByteArray bytes = file.read(most + 1);
    error = file.error() != QFileDevice::NoError ? EIO : bytes.size() > most ? EFBIG : 0;
    if (error != 0)
        return std::nullopt;
    return bytes;
}

// A copy of these bytes is one of the backups already.
bool alreadyBackedUp(const QString& path, const QByteArray& bytes) {
    for (int number = 0; number <= kEarlierBackups; ++number) {
        int error = 0;
        if (regularFileBytes(backupPath(path, number), kLargestBackup, error) == bytes)
            return true;
    }
    return false;
}

// Moves the newest backup to the first free place among the earlier ones,
// never over one. Why it could not be done, if it could not.
std::optional<QString> putNewestBackupAside(const QString& path) {
    const QByteArray newest = QFile::encodeName(backupPath(path, 0));
    struct stat info {};
    if (::lstat(newest.constData(), &info) != 0)
        return std::nullopt;
    for (int number = 1; number <= kEarlierBackups; ++number) {
        const QByteArray place = QFile::encodeName(backupPath(path, number));
        if (::renameat2(AT_FDCWD, newest.constData(), AT_FDCWD, place.constData(),
                        RENAME_NOREPLACE) == 0)
            return std::nullopt;
        if (errno != EEXIST)
            return systemReason();
    }
    return QStringLiteral("копий уже %1, удалите ненужные").arg(kEarlierBackups + 1);
}

// Puts the written copy in as the newest backup, the one before it aside.
std::optional<QString> installBackup(const QByteArray& temporary, const QString& path) {
    if (std::optional<QString> why = putNewestBackupAside(path))
        return why;
    const QByteArray newest = QFile::encodeName(backupPath(path, 0));
    if (::rename(temporary.constData(), newest.constData()) != 0)
        return systemReason();
    syncFolder(folderOf(newest));
    return std::nullopt;
}

// Writes the bytes as the newest backup, synced and in place before the call
// returns, and as private as the pet file. Why it could not, if it could not.
std::optional<QString> writeBackup(const QString& path, const QByteArray& bytes) {
    const QByteArray name = QFile::encodeName(path);
    struct stat pet {};
    if (::stat(name.constData(), &pet) != 0)
        return systemReason();
    const QByteArray newest = QFile::encodeName(backupPath(path, 0));
    QByteArray temporary;
    const int fd = openTemporary(temporary, newest);
    if (fd < 0)
        return systemReason();
    // The copy is the pet file's owner's. Without the pet file's access list
    // it is its owner's alone.
    [[maybe_unused]] const int owned = ::fchown(fd, pet.st_uid, pet.st_gid);
    const mode_t mode = copyExtendedAttributes(name, fd) ? pet.st_mode & 0777 : pet.st_mode & 0700;
    const bool written = ::fchmod(fd, mode) == 0 && writeAll(fd, bytes) && ::fsync(fd) == 0;
    int error = written ? 0 : errno;
    if (::close(fd) != 0 && written)
        error = errno;
    const std::optional<QString> why =
        error != 0 ? std::optional(systemErrorText(error)) : installBackup(temporary, path);
    if (why)
        ::unlink(temporary.constData());
    return why;
}

// Keeps the file at the path in a backup unless one holds it already. Why it
// could not be kept, if it could not; nothing when there is no file to lose.
std::optional<QString> backUp(const QString& path) {
    int error = 0;
    const std::optional<QByteArray> bytes = regularFileBytes(path, kLargestBackup, error);
    if (error == EFBIG)
        return QStringLiteral("файл больше 1 МиБ");
    if (!bytes)
        return nothingToLose(error) ? std::nullopt : std::optional(reasonText(error));
    if (alreadyBackedUp(path, *bytes))
        return std::nullopt;
    return writeBackup(path, *bytes);
}

// A pet file that this run must leave as it is: a run-time error to write it.
void refuseFileLeftAsItIs(const QString& path) {
    const auto left = filesLeftAsTheyAre().constFind(absolute(path));
    if (left != filesLeftAsTheyAre().constEnd())
        throw RuntimeError(QStringLiteral("Файл питомца «%1» оставлен как есть, чтобы он не "
                                          "пропал: при запуске его не удалось прочитать, а "
                                          "сохранить его копию не удалось (%2).")
                               .arg(path, *left));
}

} // namespace

PetRecord readPetFile(const QString& path) {
    const FolderOwnerRights rights(path);
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
    refuseFileLeftAsItIs(path);
    const FolderOwnerRights rights(path);
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
    std::optional<QString> why;
    try {
        const FolderOwnerRights rights(path);
        why = backUp(path);
    } catch (const RuntimeError&) {
        why = QStringLiteral("нет прав владельца папки");
    }
    if (why)
        filesLeftAsTheyAre().insert(absolute(path), *why);
}

QString petFileTarget(const QString& path) {
    return QFile::decodeName(linkedFile(path));
}
