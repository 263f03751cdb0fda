#pragma once

#include <QString>

// Where the files of the program folder really live. A program folder a user
// owns keeps the pictures and the pet beside the program; a system-wide
// install keeps the pictures with the system's shared data and each user's
// pet in that user's own data folder, with its lock, backup and temporaries
// beside it.
struct FileHomes {
    QString addressed; // the folder every path names: the program folder's G
    QString pictures;  // where the install put the pictures and the fresh pet
    QString pets;      // where the pet file lives
};

// The file a program-folder path stands for: the pet file and every file named
// after it ("Pets.pets.bak", ...) move to the pet folder, every other file of
// the named folder to the picture folder; a path elsewhere stays as it is.
QString fileLocation(const QString& path, const FileHomes& homes);

// Makes the pet folder on a user's first start and puts the fresh pet the
// install brought into it. A pet file already there is the user's and stays.
void seedPetFolder(const QString& petFolder, const QString& installedPetFile);
