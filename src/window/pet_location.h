#pragma once

#include <QString>

// Where the pet file really lives. A program folder a user owns keeps the pet
// beside the pictures; a system-wide install keeps each user's pet in that
// user's own data folder, with its lock, backup and temporaries beside it.

// The file a program-folder path stands for: the pet file and every file
// named after it ("Pets.pets.bak", ...) in the picture folder move to the pet
// folder; every other path, the pictures too, stays as it is.
QString petFileLocation(const QString& path, const QString& pictureFolder,
                        const QString& petFolder);

// Makes the pet folder on a user's first start and puts the fresh pet the
// install brought into it. A pet file already there is the user's and stays.
void seedPetFolder(const QString& petFolder, const QString& installedPetFile);
