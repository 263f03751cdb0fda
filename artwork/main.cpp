// Draws every picture of the pet and writes them out:
//   petart GIF_FOLDER BUILTIN_FOLDER SHEET.png
// The GIFs are the pictures the program loads at run time, the PNGs the ones
// compiled into it, the sheet a page with all of them for review. Each picture
// comes twice: at its design size and as its twin at twice the size.

#include "gifwriter.h"
#include "pictures.h"

#include <QDir>
#include <QGuiApplication>
#include <QTextStream>

#include <functional>

namespace {

Pictures gifPictures(int scale) {
    Pictures out;
    for (Pictures part : {backgroundPictures(scale), idlePictures(scale), choicePictures(scale),
                          carePictures(scale)})
        for (Picture& picture : part)
            out.push_back(std::move(picture));
    return out;
}

PictureSet drawnTwice(const std::function<Pictures(int)>& draw) {
    PictureSet set{draw(1), draw(2)};
    for (Picture& twin : set.twins)
        twin.name = twinName(twin.name);
    return set;
}

} // namespace

QString twinName(const QString& name) {
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return name.left(dot) + QStringLiteral("@2x") + name.mid(dot);
}

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

    const PictureSet gifs = drawnTwice(gifPictures);
    const PictureSet builtins = drawnTwice(builtinPictures);

    for (const Pictures* pictures : {&gifs.originals, &gifs.twins}) {
        for (const Picture& picture : *pictures) {
            QString error;
            if (!writeGif(gifDir.filePath(picture.name), picture.image, &error)) {
                err << error << "\n";
                return 1;
            }
        }
    }
    for (const Pictures* pictures : {&builtins.originals, &builtins.twins}) {
        for (const Picture& picture : *pictures) {
            // Compression level fixed, so the bytes never change between runs.
            if (!picture.image.save(builtinDir.filePath(picture.name), "PNG", 0)) {
                err << "cannot write " << builtinDir.filePath(picture.name) << "\n";
                return 1;
            }
        }
    }
    if (!contactSheet(gifs, builtins).save(args[3], "PNG")) {
        err << "cannot write " << args[3] << "\n";
        return 1;
    }
    return 0;
}
