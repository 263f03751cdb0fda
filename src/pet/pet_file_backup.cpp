#include "pet_file_backup.h"

#include "core/regular_file.h"
#include "core/runtime_error.h"
#include "core/system_error_text.h"
#include "file_attributes.h"
#include "file_writing.h"
#include "pet_file.h"
#include "window/folder_owner_rights.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QHash>

#include <cerrno>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A damaged pet file is copied only when it could be a pet, so that a failed
// start never doubles a huge file; a bigger one is left as it is instead.
constexpr qint64 kLargestBackup = 1024 * 1024;

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
    return nothingThere(error) || error == EISDIR || error == kNotRegularFile;
}

// The bytes of the regular file at the path, opened without waiting; none
// when it cannot be read, or when it holds more than `most` bytes (`error`
// says which).
std::optional<QByteArray> regularFileBytes(const QString& path, qint64 most, int& error) {
    QFile file;
    if (!openRegularFileToRead(file, path, error))
        return std::nullopt;
    const QByteArray bytes = file.read(most + 1);
    error = file.error() != QFileDevice::NoError ? EIO : bytes.size() > most ? EFBIG : 0;
    if (error != 0)
        return std::nullopt;
    return bytes;
}

// The backup that holds a copy of these bytes already, if one does.
std::optional<QString> backupHolding(const QString& path, const QByteArray& bytes) {
    for (int number = 0; number <= kEarlierBackups; ++number) {
        int error = 0;
        if (regularFileBytes(backupPath(path, number), kLargestBackup, error) == bytes)
            return backupPath(path, number);
    }
    return std::nullopt;
}

// Renames without ever replacing a file at `to`; the error number if not done.
int renameToFreeName(const QByteArray& from, const QByteArray& to) {
    return ::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) == 0
               ? 0
               : errno;
}

// Moves the newest backup to the first free place among the earlier ones,
// never over one; the rename itself tells whether there is one to move. Why
// it could not be done, if it could not.
std::optional<QString> putNewestBackupAside(const QString& path) {
    const QByteArray newest = QFile::encodeName(backupPath(path, 0));
    for (int number = 1; number <= kEarlierBackups; ++number) {
        const int error = renameToFreeName(newest, QFile::encodeName(backupPath(path, number)));
        if (error == 0 || error == ENOENT)
            return std::nullopt;
        if (error != EEXIST)
            return systemErrorText(error);
    }
    return QCoreApplication::translate("PetFileBackup", "копий уже %1, удалите ненужные")
        .arg(kEarlierBackups + 1);
}

// Puts the written copy in as the newest backup, the one before it aside, and
// syncs the folder: a copy not known to be on disk is no copy.
std::optional<QString> installBackup(const QByteArray& temporary, const QString& path) {
    if (std::optional<QString> why = putNewestBackupAside(path))
        return why;
    const QByteArray newest = QFile::encodeName(backupPath(path, 0));
    if (const int error = renameToFreeName(temporary, newest); error != 0)
        return systemErrorText(error);
    if (const int error = syncFolder(folderOf(newest)); error != 0)
        return systemErrorText(error);
    return std::nullopt;
}

// Writes the bytes as the newest backup, synced and in place before the call
// returns, and as private as the pet file. Why it could not, if it could not.
std::optional<QString> writeBackup(const QString& path, const QByteArray& bytes) {
    const QByteArray name = QFile::encodeName(path);
    struct stat pet {};
    if (::stat(name.constData(), &pet) != 0)
        return systemErrorText(errno);
    const QByteArray newest = QFile::encodeName(backupPath(path, 0));
    QByteArray temporary;
    const int fd = openTemporary(temporary, newest);
    if (fd < 0)
        return systemErrorText(errno);
    // The copy is the pet file's owner's. Where this user may not give it
    // away, or without the pet file's access list, it is its owner's alone.
    const bool owned = ::fchown(fd, pet.st_uid, pet.st_gid) == 0;
    int error = owned || errno == EPERM ? 0 : errno;
    const mode_t mode =
        owned && copyExtendedAttributes(name, fd) ? pet.st_mode & 0777 : pet.st_mode & 0700;
    const bool written =
        error == 0 && ::fchmod(fd, mode) == 0 && writeAll(fd, bytes) && ::fsync(fd) == 0;
    if (error == 0 && !written)
        error = errno;
    if (::close(fd) != 0 && error == 0)
        error = errno;
    const std::optional<QString> why =
        error != 0 ? std::optional(systemErrorText(error)) : installBackup(temporary, path);
    if (why)
        ::unlink(temporary.constData());
    return why;
}

// Keeps the file at the path in a backup unless one holds it already, and
// names that backup in `copy`. Why it could not be kept, if it could not;
// nothing, and no copy, when there is no file to lose.
std::optional<QString> backUp(const QString& path, QString& copy) {
    int error = 0;
    const std::optional<QByteArray> bytes = regularFileBytes(path, kLargestBackup, error);
    if (error == EFBIG)
        return QCoreApplication::translate("PetFileBackup", "файл больше 1 МиБ");
    if (!bytes)
        return nothingToLose(error) ? std::nullopt : std::optional(systemErrorText(error));
    if (std::optional<QString> holding = backupHolding(path, *bytes)) {
        copy = *holding;
        return std::nullopt;
    }
    std::optional<QString> why = writeBackup(path, *bytes);
    if (!why)
        copy = backupPath(path, 0);
    return why;
}

} // namespace

void refuseFileLeftAsItIs(const QString& path) {
    const auto left = filesLeftAsTheyAre().constFind(absolute(path));
    if (left != filesLeftAsTheyAre().constEnd())
        throw RuntimeError(QCoreApplication::translate(
                               "PetFileBackup", "Файл питомца «%1» оставлен как есть, чтобы он не "
                                                "пропал: при запуске его не удалось прочитать, а "
                                                "сохранить его копию не удалось (%2).")
                               .arg(path, *left));
}

void removeDeadBackupTemporaries(const QString& path) {
    removeDeadTemporaries(backupPath(path, 0));
}

QString keepPetFileBackup(const QString& path) {
    std::optional<QString> why;
    QString copy;
    try {
        const FolderOwnerRights rights(path);
        why = backUp(path, copy);
    } catch (const FolderOwnerRightsError& error) {
        why = QCoreApplication::translate("PetFileBackup", "нет прав владельца папки");
        if (!error.reason().isEmpty())
            why = *why + QStringLiteral(": ") + error.reason();
    }
    if (why) {
        filesLeftAsTheyAre().insert(absolute(path), *why);
        return QCoreApplication::translate("PetFileBackup",
                                           "Копию файла питомца сделать не удалось (%1), поэтому "
                                           "при закрытии окна он останется как есть.")
            .arg(*why);
    }
    if (copy.isEmpty())
        return QString();
    return QCoreApplication::translate("PetFileBackup", "Прежний файл питомца сохранён как «%1».")
        .arg(absolute(copy));
}
