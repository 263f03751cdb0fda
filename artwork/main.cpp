// Draws every picture of the pet and writes them out:
//   petart GIF_FOLDER BUILTIN_FOLDER SHEET.png
// The GIFs are the pictures the program loads at run time, the PNGs the ones
// compiled into it, the sheet a page with all of them for review.

#include "gifwriter.h"
#include "pictures.h"

#include <QDir>
#include <QGuiApplication>
#include <QTextStream>

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = app.arguments();
    if (args.size() != 4) {
        err << "usage: petart GIF_FOLDER BUILTIN_FOLDER SHEET.png\n";
        return 2;
    }
    const QDir gifDir(args[1]), builtinDir(args[2]);
    for (const QDir& dir : {gifDir, builtinDir}) {
        if (!QDir().mkpath(dir.path())) {
            err << "cannot create " << dir.path() << "\n";
            return 1;
        }
    }

    Pictures gifs;
    for (Pictures part : {backgroundPictures(), idlePictures(), choicePictures(), carePictures()})
        for (Picture& picture : part)
            gifs.push_back(std::move(picture));
    const Pictures builtins = builtinPictures();

    for (const Picture& picture : gifs) {
        QString error;
        if (!writeGif(gifDir.filePath(picture.name), picture.image, &error)) {
            err << error << "\n";
            return 1;
        }
    }
    for (const Picture& picture : builtins) {
        // Compression level fixed, so the bytes never change between runs.
        if (!picture.image.save(builtinDir.filePath(picture.name), "PNG", 0)) {
            err << "cannot write " << builtinDir.filePath(picture.name) << "\n";
            return 1;
        }
    }
    if (!contactSheet(gifs, builtins).save(args[3], "PNG")) {
        err << "cannot write " << args[3] << "\n";
        return 1;
    }
    return 0;
}
