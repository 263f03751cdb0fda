#include "system_error_text.h"

#include "regular_file.h"

#include <cerrno>

namespace {

// The words for a path that exists but is neither a regular file nor a folder
// (a pipe, a device, a socket).
QString notRegularFileText() {
    return QStringLiteral("это не обычный файл");
}

} // namespace

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
    case kNotRegularFile:
        return notRegularFileText();
    default:
        return QStringLiteral("системная ошибка номер %1").arg(error);
    }
}
