#include "pet_location.h"

#include "core/pet_file_name.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

QString petFileLocation(const QString& path, const QString& pictureFolder,
                        const QString& petFolder) {
    const QFileInfo file(path);
    if (!file.fileName().startsWith(kPetFileName) ||
        QDir::cleanPath(file.path()) != QDir::cleanPath(pictureFolder))
        return path;
    return QDir(petFolder).filePath(file.fileName());
}

void seedPetFolder(const QString& petFolder, const QString& installedPetFile) {
    const QString petFile = QDir(petFolder).filePath(kPetFileName);
    if (QFileInfo::exists(petFile) || !QDir().mkpath(petFolder))
        return;
    // The copy must be the user's to write, whatever the installed file allows.
    if (QFile::copy(installedPetFile, petFile))
        QFile::setPermissions(petFile, QFile::permissions(petFile) | QFileDevice::WriteOwner);
}
