// Draws every picture of the pet and writes them out:
//   petart GIF_FOLDER BUILTIN_FOLDER SHEET.png GIF_LIST.txt
// The GIFs are the pictures the program loads at run time, the PNGs the ones
// compiled into it, the sheet a page with all of them for review. Each picture
// comes twice: at its own size and as its twin at twice the size. The list
// names the GIFs written, one a line, for the install to copy.

#include "gifwriter.h"
#include "picture_files.h"
#include "pictures.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTextStream>

#include <algorithm>
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
        twin.name = twinPictureName(twin.name);
    return set;
}

// The program's pictures that were not drawn, and the drawn ones it never
// loads; both empty when the drawings and the list of pictures agree.
QStringList mismatches(const Pictures& drawn) {
    QStringList listed;
    for (const PictureFile& file : pictureFiles())
        listed << file.name;
    QStringList problems;
    for (const QString& name : listed)
        if (std::count_if(drawn.begin(), drawn.end(),
                          [&](const Picture& p) { return p.name == name; }) != 1)
            problems << QStringLiteral("not drawn exactly once: ") + name;
    for (const Picture& picture : drawn)
        if (!listed.contains(picture.name))
            problems << QStringLiteral("drawn but never loaded: ") + picture.name;
    return problems;
}

bool writeList(const QString& path, const PictureSet& gifs) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text))
        return false;
    QTextStream out(&file);
    for (const Pictures* pictures : {&gifs.originals, &gifs.twins})
        for (const Picture& picture : *pictures)
            out << picture.name << "\n";
    out.flush();
    return out.status() == QTextStream::Ok && file.flush();
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = app.arguments();
    if (args.size() != 5) {
        err << "usage: petart GIF_FOLDER BUILTIN_FOLDER SHEET.png GIF_LIST.txt\n";
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
    const QStringList problems =
        mismatches(gifs.originals) + needsViewLeftOut(1) + needsViewLeftOut(2);
    if (!problems.isEmpty()) {
        err << problems.join(QLatin1Char('\n')) << "\n";
        return 1;
    }

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
    if (!writeList(args[4], gifs)) {
        err << "cannot write " << args[4] << "\n";
        return 1;
    }
    return 0;
}
