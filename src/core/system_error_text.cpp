#include "system_error_text.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

QString systemErrorText(int error) {
    switch (error) {
    case ENOENT:
        return QStringLiteral("нет такого файла или папки");
    case EACCES:
    case EPERM:
        return QStringLiteral("нет прав доступа");
    case EROFS:
        return QStringLiteral("файловая система доступна только для чтения");
    case ENOSPC:
        return QStringLiteral("на диске не осталось места");
    case EDQUOT:
        return QStringLiteral("превышена дисковая квота");
    case EISDIR:
        return QStringLiteral("это папка, а не файл");
    case ENOTDIR:
        return QStringLiteral("часть пути — не папка");
    case ELOOP:
    case EMLINK:
        return QStringLiteral("слишком много ссылок");
    case EFBIG:
        return QStringLiteral("файл слишком велик");
    case EIO:
        return QStringLiteral("ошибка ввода-вывода");
    default:
        return QStringLiteral("системная ошибка номер %1").arg(error);
    }
}

QString notRegularFileText() {
    return QStringLiteral("это не обычный файл");
}

QString pictureFailureText(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    struct stat info {};
    if (::stat(name.constData(), &info) != 0)
        return systemErrorText(errno);
    if (S_ISDIR(info.st_mode))
        return systemErrorText(EISDIR);
    if (!S_ISREG(info.st_mode))
        return notRegularFileText();
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return systemErrorText(errno);
    ::close(fd);
    return QStringLiteral("файл повреждён или это не рисунок");
}
