#include "pet_file.h"

#include "window/runtime_error.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <unistd.h>
#endif

namespace {

// The rename that replaced the file is only durable once the folder is synced.
void syncFolderOf(const QString& path) {
#ifdef Q_OS_UNIX
    const QByteArray folder = QFile::encodeName(QFileInfo(path).absolutePath());
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
#else
    Q_UNUSED(path);
#endif
}

RuntimeError writeError(const QString& path, const QString& reason) {
    return RuntimeError(
        QStringLiteral("Не удалось записать файл питомца «%1»: %2.").arg(path, reason));
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
    // Writing beside the file would get round a protection the user set on it.
    if (info.exists() && !info.isWritable())
        throw writeError(path, QStringLiteral("файл защищён от записи"));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw writeError(path, file.errorString());
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        throw writeError(path, reason);
    }
    if (!file.commit())
        throw writeError(path, file.errorString());
    syncFolderOf(path);
}

void keepPetFileBackup(const QString& path) {
    const QString backup = path + QStringLiteral(".bak");
    if (QFileInfo(path).isFile() && !QFileInfo::exists(backup))
        QFile::copy(path, backup);
}
