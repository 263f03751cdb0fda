#pragma once

#include "pet_line.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// A fresh program folder for one test: its G folder holds a copy of every
// picture the build made, and whatever pet file the test writes.
class ProgramFolder {
public:
    ProgramFolder();

    QString path() const { return dir_.path(); }
    QString pictureFolder() const { return dir_.filePath(QStringLiteral("G")); }
    QString petFilePath() const { return dir_.filePath(QStringLiteral("G/Pets.pets")); }
    QString backupPath() const { return petFilePath() + QStringLiteral(".bak"); }

    // The pet file as its bytes, text given in UTF-8 and stored in Windows-1251.
    void writePetFile(const QString& text) const;
    void writePetFileBytes(const QByteArray& bytes) const;
    QByteArray petFileBytes() const;
    bool petFileExists() const;
    void removePicture(const QString& name) const;

private:
    QTemporaryDir dir_;
};

// A file's bytes; none when it cannot be read.
QByteArray fileBytes(const QString& path);
