#include "program_folder.h"

#include <QDir>
#include <QFile>
#include <QStringEncoder>

ProgramFolder::ProgramFolder() {
    QDir(dir_.path()).mkdir(QStringLiteral("G"));
    const QDir pictures(QStringLiteral(PET_PICTURE_DIR));
    for (const QString& name : pictures.entryList({QStringLiteral("*.gif")}, QDir::Files))
        QFile::copy(pictures.filePath(name), QDir(pictureFolder()).filePath(name));
}

QByteArray cp1251(const QString& text) {
    return QStringEncoder("windows-1251").encode(text);
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
    QFile file(petFilePath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool ProgramFolder::petFileExists() const {
    return QFile::exists(petFilePath());
}

void ProgramFolder::removePicture(const QString& name) const {
    QFile::remove(QDir(pictureFolder()).filePath(name));
}

QString petLine(const QString& name, const QString& age, const QString& savedOn,
                const QString& hunger, const QString& thirst, const QString& mood,
                const QString& sleepiness, const QString& health) {
    QStringList quoted;
    for (const QString& field : {name, age, savedOn, hunger, thirst, mood, sleepiness, health})
        quoted << QLatin1Char('"') + field + QLatin1Char('"');
    return quoted.join(QLatin1Char(',')) + QStringLiteral("\r\n");
}
