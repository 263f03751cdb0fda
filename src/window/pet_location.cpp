#include "pet_location.h"

#include "core/pet_file_name.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

QString fileLocation(const QString& path, const FileHomes& homes) {
    const QFileInfo file(path);
    if (QDir::cleanPath(file.path()) != QDir::cleanPath(homes.addressed))
        return path;
    const bool petFile = file.fileName().startsWith(kPetFileName);
    return QDir(petFile ? homes.pets : homes.pictures).filePath(file.fileName());
}

void seedPetFolder(const QString& petFolder, const QString& installedPetFile) {
    const QString petFile = QDir(petFolder).filePath(kPetFileName);
    if (QFileInfo::exists(petFile) || !QDir().mkpath(petFolder))
        return;
    // The copy must be the user's to write, whatever the installed file allows.
    if (QFile::copy(installedPetFile, petFile))
        QFile::setPermissions(petFile, QFile::permissions(petFile) | QFileDevice::WriteOwner);
}
