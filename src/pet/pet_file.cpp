#include "pet_file.h"

#include "core/regular_file.h"
#include "core/runtime_error.h"
#include "core/system_error_text.h"
#include "file_attributes.h"
#include "file_writing.h"
#include "pet_file_backup.h"
#include "window/folder_owner_rights.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// As many symbolic links in a row as the system itself follows.
constexpr int kMostLinks = 40;

RuntimeError openError(const QString& path, const QString& reason) {
    return RuntimeError(
        QCoreApplication::translate("PetFile", "Не удалось открыть файл питомца «%1»: %2.")
            .arg(path, reason));
}

RuntimeError readError(const QString& path, const QString& reason) {
    return RuntimeError(
        QCoreApplication::translate("PetFile", "Не удалось прочитать файл питомца «%1»: %2.")
            .arg(path, reason));
}

RuntimeError writeError(const QString& path, const QString& reason) {
    return RuntimeError(
        QCoreApplication::translate("PetFile", "Не удалось записать файл питомца «%1»: %2.")
            .arg(path, reason));
}

// The new record has taken the old one's name, but the folder could not be
// synced: after a crash the old file may be back.
RuntimeError notOnDiskError(const QString& path, const QString& reason) {
    return RuntimeError(
        QCoreApplication::translate(
            "PetFile", "Файл питомца «%1» записан, но, возможно, не сохранён на диске: %2.")
            .arg(path, reason));
}

QString systemReason() {
    return systemErrorText(errno);
}

// The file a save writes: the end of the chain of symbolic links at the path,
// which need not exist yet. The links stay as the user made them.
QByteArray linkedFile(const QString& path) {
    QByteArray at = QFile::encodeName(QFileInfo(path).absoluteFilePath());
    for (int links = 0;; ++links) {
        struct stat info {};
        if (::lstat(at.constData(), &info) != 0) {
            if (nothingThere(errno))
                return at;
            throw writeError(path, systemReason());
        }
        if (!S_ISLNK(info.st_mode))
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
// user's folder: otherwise the user could no longer save the pet. 0 when it
// has them, EPERM when this user may not give them, as an ordinary user may
// not give a file away, otherwise the error number.
int takeOwner(int fd, const struct stat& old) {
    struct stat made {};
    if (::fstat(fd, &made) != 0)
        return errno;
    if (made.st_uid == old.st_uid && made.st_gid == old.st_gid)
        return 0;
    return ::fchown(fd, old.st_uid, old.st_gid) == 0 ? 0 : errno;
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
    if (!replacing && errno != ENOENT)
        throw writeError(path, systemReason());
    QByteArray temporary;
    const int fd = openTemporary(temporary, target);
    if (fd < 0) {
        if (replacing && (refusedByFolder(errno) || (noRoomLeft(errno) && fitsInPlace(old, bytes))))
            return false;
        throw writeError(path, systemReason());
    }
    if (replacing) {
        const int owner = takeOwner(fd, old);
        if (owner != 0 || !copyExtendedAttributes(target, fd)) {
            ::close(fd);
            ::unlink(temporary.constData());
            if (owner != 0 && owner != EPERM)
                throw writeError(path, systemErrorText(owner));
            return false;
        }
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
    if (const int error = syncFolder(folderOf(target)); error != 0)
        throw notOnDiskError(path, systemErrorText(error));
    return true;
}

// Writes the record into the pet file itself, as a folder that admits no new
// file leaves no other way: every byte checked, the old tail cut off, synced.
void overwriteInPlace(const QString& path, const QByteArray& target, const QByteArray& bytes) {
    int error = 0;
    const int fd = openRegularFile(target, O_WRONLY, error);
    if (fd < 0)
        throw writeError(path, systemErrorText(error));
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
    if (::stat(target.constData(), &info) != 0) {
        if (errno == ENOENT)
            return;
        throw writeError(path, systemReason());
    }
    const bool writable = ::faccessat(AT_FDCWD, target.constData(), W_OK, AT_EACCESS) == 0;
    if (!writable && errno != EACCES && errno != EPERM)
        throw writeError(path, systemReason());
    if (!writable || !(info.st_mode & S_IWUSR))
        throw writeError(path, QCoreApplication::translate("PetFile", "файл защищён от записи"));
}

} // namespace

PetRecord readPetFile(const QString& path) {
    const FolderOwnerRights rights(path);
    int error = 0;
    QFile file;
    if (openRegularFileToRead(file, path, error)) {
        try {
            return readPetRecord(file);
        } catch (const RuntimeError&) {
            // A record cut short by a failing read is the disk's fault, not
            // the file's.
            if (file.error() == QFileDevice::ReadError)
                throw readError(path, systemErrorText(EIO));
            throw;
        }
    }
    if (error == ENOENT)
        throw RuntimeError(
            QCoreApplication::translate("PetFile", "Не найден файл питомца «%1».").arg(path));
    throw openError(path, systemErrorText(error));
}

void writePetFile(const QString& path, const PetRecord& record) {
    refuseFileLeftAsItIs(path);
    const FolderOwnerRights rights(path);
    const QByteArray bytes = petRecordBytes(record);
    const QByteArray target = linkedFile(path);
    const QByteArray folder = folderOf(target);
    struct stat folderInfo {};
    const bool folderStated = ::stat(folder.constData(), &folderInfo) == 0;
    if (!folderStated && !nothingThere(errno))
        throw writeError(path, systemReason());
    if (!folderStated || !S_ISDIR(folderInfo.st_mode))
        throw writeError(
            path,
            QCoreApplication::translate("PetFile", "нет папки %1").arg(QFile::decodeName(folder)));
    refuseProtectedFile(path, target);
    if (!replaceAtomically(path, target, bytes))
        overwriteInPlace(path, target, bytes);
    removeDeadTemporaries(QFile::decodeName(target));
    removeDeadBackupTemporaries(path);
}

QString petFileTarget(const QString& path) {
    return QFile::decodeName(linkedFile(path));
}
