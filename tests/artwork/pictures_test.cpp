#include "animation/frame_table.h"
#include "core/action_kind.h"
#include "core/idle_pictures.h"
#include "core/start_pictures.h"
#include "interaction/choice_pictures.h"
#include "picture_files.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>

namespace {

QString picture(const QString& name) {
    return QDir(QStringLiteral(PET_PICTURE_DIR)).filePath(name);
}

QImage load(const QString& name) {
    QImageReader reader(picture(name), "gif");
    return reader.read().convertToFormat(QImage::Format_RGB32);
}

// The top panel as the needs view shows it: each need's plate on the panel.
const QString kNeedsView = QStringLiteral("needs view");
QImage needsView() {
    QImage view = load(panelBackgroundName());
    QPainter painter(&view);
    for (const NeedPlate& plate : kNeedPlates)
        painter.drawImage(plate.place.topLeft(), load(plate.picture));
    return view;
}

QString idlePicture(qint16 frame) {
    return idlePictureName(frame).value_or(QString());
}

// The size each picture's holder is laid out for.
QSize sizeShownIn(const PictureFile& file) {
    switch (file.shownIn) {
    case PictureHolder::Window:
        return QSize(282, 281);
    case PictureHolder::TopPanel:
        return QSize(257, 65);
    case PictureHolder::NeedPlate:
        for (const NeedPlate& plate : kNeedPlates)
            if (plate.picture == file.name)
                return plate.place.size();
        return QSize();
    case PictureHolder::PetBox:
        return QSize(170, 142);
    case PictureHolder::ChoiceImage:
        return QSize(65, 65);
    }
    return QSize();
}

double luminance(QRgb c) {
    auto lin = [](int v) {
        const double s = v / 255.0;
        return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * lin(qRed(c)) + 0.7152 * lin(qGreen(c)) + 0.0722 * lin(qBlue(c));
}

double meanLuminance(const QImage& image) {
    double sum = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            sum += luminance(image.pixel(x, y));
    return sum / (image.width() * image.height());
}

int countPixels(const QImage& image, const std::function<bool(QRgb)>& match) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += match(image.pixel(x, y)) ? 1 : 0;
    return n;
}

bool isFur(QRgb c) {
    return qRed(c) < 50 && qGreen(c) < 50 && qBlue(c) < 60;
}
// The cat's own flat fur colour on the first row: its ears go past the top.
bool furOnTheTopRow(const QImage& image) {
    for (int x = 0; x < image.width(); ++x)
        if (image.pixel(x, 0) == qRgb(0x1f, 0x1e, 0x28))
            return true;
    return false;
}
bool isEyeYellow(QRgb c) {
    return qRed(c) > 230 && qGreen(c) > 190 && qBlue(c) < 110;
}

} // namespace

class PicturesTest : public QObject {
    Q_OBJECT

private slots:
    void everyPictureHasItsNameAndSize_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("size");
        for (const PictureFile& file : pictureFiles())
            QTest::newRow(qPrintable(file.name)) << file.name << sizeShownIn(file);
    }

    // Each picture and its twin, which has exactly twice the size.
    void everyPictureHasItsNameAndSize() {
        QFETCH(QString, name);
        QFETCH(QSize, size);
        for (const auto& [file, expected] :
             {std::pair(name, size), std::pair(twinPictureName(name), size * 2)}) {
            QImageReader reader(picture(file));
            QCOMPARE(reader.format(), QByteArray("gif"));
            const QImage image = reader.read();
            QVERIFY2(!image.isNull(), qPrintable(file + ": " + reader.errorString()));
            QCOMPARE(image.size(), expected);
        }
    }

    // Exactly the program's pictures and their twins, each name once.
    void theWholeSetIsThere() {
        QStringList expected;
        for (const PictureFile& file : pictureFiles())
            expected << file.name << twinPictureName(file.name);
        QCOMPARE(expected.size(), 2 * 86);
        QStringList files = QDir(QStringLiteral(PET_PICTURE_DIR)).entryList({"*.gif"}, QDir::Files);
        files.sort();
        expected.sort();
        QCOMPARE(files, expected);
    }

    void framesOfASequenceAllDifferAndKeepTheCatInside_data() {
        QTest::addColumn<QStringList>("frames");
        for (const QStringList& run : careRuns())
            QTest::newRow(qPrintable(run.first())) << run;
    }

    // Every frame must show motion, none may look like the idle pet, and the
    // pet's box may not cut the cat's ears, in the frame or in its twin.
    void framesOfASequenceAllDifferAndKeepTheCatInside() {
        QFETCH(QStringList, frames);
        QList<QImage> idle;
        for (qint16 i = 0; i < kIdlePictureCount; ++i)
            idle << load(idlePicture(i));
        QList<QImage> images;
        for (const QString& f : frames)
            images << load(f);
        for (int i = 0; i < images.size(); ++i) {
            QVERIFY(!images[i].isNull());
            for (int j = i + 1; j < images.size(); ++j)
                QVERIFY2(images[i] != images[j], qPrintable(frames[i] + " == " + frames[j]));
            for (const QImage& p : idle)
                QVERIFY2(images[i] != p, qPrintable(frames[i] + " repeats an idle picture"));
            for (const QString& file : {frames[i], twinPictureName(frames[i])})
                QVERIFY2(!furOnTheTopRow(load(file)), qPrintable(file + " cuts the cat"));
        }
    }

    void choicesOfOneActionDiffer_data() {
        QTest::addColumn<QStringList>("choices");
        for (qint16 action : {kActionEat, kActionDrink, kActionPlay, kActionTreat})
            QTest::newRow(qPrintable(choicePictureNames(action).value(0)))
                << choicePictureNames(action);
    }

    void choicesOfOneActionDiffer() {
        QFETCH(QStringList, choices);
        QCOMPARE(choices.size(), 4);
        QList<QImage> images;
        for (const QString& name : choices)
            images << load(name);
        for (int i = 0; i < 4; ++i)
            for (int j = i + 1; j < 4; ++j)
                QVERIFY2(images[i] != images[j], qPrintable(choices[i] + " == " + choices[j]));
    }

    void idlePetIsTheBlackCatAndBlinks() {
        const QImage open = load(idlePicture(0)), blink = load(idlePicture(1));
        const int area = open.width() * open.height();
        QVERIFY(countPixels(open, isFur) > area / 8);
        const int eyesOpen = countPixels(open, isEyeYellow);
        const int eyesShut = countPixels(blink, isEyeYellow);
        QVERIFY2(eyesOpen > 200, qPrintable(QString::number(eyesOpen)));
        QVERIFY2(eyesShut < eyesOpen / 4, qPrintable(QString::number(eyesShut)));
    }

    void theLightGoesOutForSleep() {
        const double lit = meanLuminance(load(frameFileName(kActionSleep, 0, 1)));
        QVERIFY(meanLuminance(load(frameFileName(kActionSleep, 0, 2))) < lit / 3);
        QVERIFY(meanLuminance(load(frameFileName(kActionSleep, 0, 3))) < lit / 3);
    }

    // White bold labels sit on these areas: they must keep a contrast of at
    // least 4.5 : 1 against the brightest pixel underneath.
    void labelAreasAreDarkEnough_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("area");
        const QString window = windowBackgroundName();
        QTest::newRow("needs left column") << kNeedsView << QRect(QPoint(32, 8), QPoint(100, 37));
        QTest::newRow("needs right column") << kNeedsView << QRect(QPoint(128, 8), QPoint(220, 53));
        QTest::newRow("age") << window << QRect(QPoint(40, 96), QPoint(125, 109));
        QTest::newRow("status line") << window << QRect(QPoint(11, 256), QPoint(268, 273));
    }

    void labelAreasAreDarkEnough() {
        QFETCH(QString, name);
        QFETCH(QRect, area);
        const QImage image = name == kNeedsView ? needsView() : load(name);
        double brightest = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                brightest = std::max(brightest, luminance(image.pixel(x, y)));
        const double contrast = 1.05 / (brightest + 0.05);
        QVERIFY2(contrast >= 4.5, qPrintable(QStringLiteral("contrast %1").arg(contrast)));
    }

    void builtinPicturesAreLinkedIn_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QSize>("size");
        QTest::newRow("icon") << ":/builtin/icon.png" << QSize(32, 32);
        for (int s : {48, 64})
            QTest::newRow(qPrintable(QStringLiteral("icon-%1").arg(s)))
                << QStringLiteral(":/builtin/icon-%1.png").arg(s) << QSize(s, s);
        for (const char* b : {"imgStatic", "imgEat", "imgDrink", "imgPlay", "imgSleep", "imgTreat"})
            QTest::newRow(b) << QStringLiteral(":/builtin/%1.png").arg(QString::fromLatin1(b))
                             << QSize(80, 23);
    }

    void builtinPicturesAreLinkedIn() {
        QFETCH(QString, path);
        QFETCH(QSize, size);
        for (const auto& [file, expected] :
             {std::pair(path, size), std::pair(twinPictureName(path), size * 2)}) {
            QVERIFY2(QFile::exists(file), qPrintable(file));
            const QImage image(file);
            QCOMPARE(image.size(), expected);
            QVERIFY(!image.hasAlphaChannel());
            QVERIFY(image.depth() >= 24);
        }
    }

    void iconShowsTheCatOnGreen() {
        const QImage icon =
            QImage(QStringLiteral(":/builtin/icon.png")).convertToFormat(QImage::Format_RGB32);
        for (const QPoint corner : {QPoint(0, 0), QPoint(31, 0), QPoint(0, 31), QPoint(31, 31)}) {
            const QColor c = icon.pixelColor(corner);
            QVERIFY(c.green() > c.red() + 60 && c.green() > c.blue() + 40);
        }
        QVERIFY(countPixels(icon, isFur) > 120);
        QVERIFY(countPixels(icon, isEyeYellow) >= 6);
        QVERIFY(countPixels(icon, [](QRgb c) {
                    return qRed(c) > 220 && qGreen(c) > 110 && qGreen(c) < 180 && qBlue(c) > 130;
                }) >= 1);
    }

    void buttonsAreGreenWithAWhiteWord_data() {
        QTest::addColumn<QString>("name");
        for (const char* b : {"imgStatic", "imgEat", "imgDrink", "imgPlay", "imgSleep", "imgTreat"})
            QTest::newRow(b) << QString::fromLatin1(b);
    }

    void buttonsAreGreenWithAWhiteWord() {
        QFETCH(QString, name);
        const QImage button = QImage(QStringLiteral(":/builtin/%1.png").arg(name))
                                  .convertToFormat(QImage::Format_RGB32);
        const int face = countPixels(button, [](QRgb c) { return c == qRgb(0x00, 0x9f, 0x60); });
        QVERIFY(face > 80 * 23 / 2);
        // The word is white, inside the bevel, and not cut at the sides.
        const int white = countPixels(button, [](QRgb c) { return c == qRgb(255, 255, 255); });
        QVERIFY2(white > 40, qPrintable(QString::number(white)));
        for (int y = 0; y < 23; ++y)
            for (int x : {0, 1, 2, 3, 76, 77, 78, 79})
                QVERIFY(qRed(button.pixel(x, y)) < 200);
    }

    // Two runs into fresh folders give the same bytes as each other and as
    // the build's own pictures.
    void generatorIsReproducible() {
        QTemporaryDir first, second;
        for (QTemporaryDir* dir : {&first, &second}) {
            QProcess run;
            run.start(QStringLiteral(PET_ARTWORK_TOOL),
                      {dir->filePath("G"), dir->filePath("builtin"), dir->filePath("sheet.png"),
                       dir->filePath("pictures.txt")});
            QVERIFY(run.waitForFinished(120000));
            QCOMPARE(run.exitStatus(), QProcess::NormalExit);
            QVERIFY2(run.exitCode() == 0, run.readAllStandardError().constData());
        }
        const QList<QPair<QString, QString>> folders = {
            {"G", QStringLiteral(PET_PICTURE_DIR)}, {"builtin", QStringLiteral(PET_BUILTIN_DIR)}};
        int compared = 0;
        for (const auto& [sub, built] : folders) {
            const QStringList files = QDir(first.filePath(sub)).entryList(QDir::Files);
            QCOMPARE(files, QDir(second.filePath(sub)).entryList(QDir::Files));
            for (const QString& f : files) {
                QFile a(first.filePath(sub + "/" + f)), b(second.filePath(sub + "/" + f)),
                    c(QDir(built).filePath(f));
                QVERIFY(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly) &&
                        c.open(QIODevice::ReadOnly));
                const QByteArray bytes = a.readAll();
                QVERIFY2(bytes == b.readAll(), qPrintable(f));
                QVERIFY2(bytes == c.readAll(), qPrintable(f + " differs from the build"));
                ++compared;
            }
        }
        // Each GIF and built-in picture (8 icon sizes, 6 buttons) with its twin.
        QCOMPARE(compared, 2 * (86 + 8 + 6));
    }
};

QTEST_MAIN(PicturesTest)
#include "pictures_test.moc"
