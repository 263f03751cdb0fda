#include "system_error_text.h"

#include <QCoreApplication>

#include "regular_file.h"

#include <cerrno>

namespace {

// The words for a path that exists but is neither a regular file nor a folder
// (a pipe, a device, a socket).
QString notRegularFileText() {
    return QCoreApplication::translate("SystemErrorText", "это не обычный файл");
}

} // namespace

bool nothingThere(int error) {
    return error == ENOENT || error == ENOTDIR;
}

QString systemErrorText(int error) {
    switch (error) {
    case ENOENT:
        return QCoreApplication::translate("SystemErrorText", "нет такого файла или папки");
    case EACCES:
    case EPERM:
        return QCoreApplication::translate("SystemErrorText", "нет прав доступа");
    case EROFS:
        return QCoreApplication::translate("SystemErrorText",
                                           "файловая система доступна только для чтения");
    case ENOSPC:
        return QCoreApplication::translate("SystemErrorText", "на диске не осталось места");
    case EDQUOT:
        return QCoreApplication::translate("SystemErrorText", "превышена дисковая квота");
    case EISDIR:
        return QCoreApplication::translate("SystemErrorText", "это папка, а не файл");
    case ENOTDIR:
        return QCoreApplication::translate("SystemErrorText", "часть пути — не папка");
    case ELOOP:
    case EMLINK:
        return QCoreApplication::translate("SystemErrorText", "слишком много ссылок");
    case EFBIG:
        return QCoreApplication::translate("SystemErrorText", "файл слишком велик");
    case EIO:
        return QCoreApplication::translate("SystemErrorText", "ошибка ввода-вывода");
    case kNotRegularFile:
        return notRegularFileText();
    default:
        return QCoreApplication::translate("SystemErrorText", "системная ошибка номер %1")
            .arg(error);
    }
}
