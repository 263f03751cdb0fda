#include "program_folder.h"

#include <QDir>
#include <QFile>

ProgramFolder::ProgramFolder() {
    QDir(dir_.path()).mkdir(QStringLiteral("G"));
    const QDir pictures(QStringLiteral(PET_PICTURE_DIR));
    for (const QString& name : pictures.entryList({QStringLiteral("*.gif")}, QDir::Files))
        QFile::copy(pictures.filePath(name), QDir(pictureFolder()).filePath(name));
}

void ProgramFolder::writePetFile(const QString& text) const {
    writePetFileBytes(cp1251(text));
}

void ProgramFolder::writePetFileBytes(const QByteArray& bytes) const {
    QFile file(petFilePath());
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(bytes);
}

QByteArray ProgramFolder::petFileBytes() const {
    return fileBytes(petFilePath());
}

bool ProgramFolder::petFileExists() const {
    return QFile::exists(petFilePath());
}

void ProgramFolder::removePicture(const QString& name) const {
    QFile::remove(QDir(pictureFolder()).filePath(name));
}

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
