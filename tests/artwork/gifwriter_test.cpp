#include "gifwriter.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

#include <set>

class GifWriterTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir;

    static QImage stripes(int colours) {
        QImage image(64, 48, QImage::Format_RGB32);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const int i = (x + y * image.width()) % colours;
                image.setPixel(x, y, qRgb(i * 7 % 256, 255 - i % 256, (i * 13 + 5) % 256));
            }
        return image;
    }

    static std::set<QRgb> coloursOf(const QImage& image) {
        std::set<QRgb> out;
        const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
        for (int y = 0; y < rgb.height(); ++y)
            for (int x = 0; x < rgb.width(); ++x)
                out.insert(rgb.pixel(x, y));
        return out;
    }

private slots:
    void fewColoursSurviveExactly_data() {
        QTest::addColumn<int>("colours");
        QTest::newRow("one colour") << 1;
        QTest::newRow("two colours") << 2;
        QTest::newRow("three colours") << 3;
        QTest::newRow("full table") << 256;
    }

    void fewColoursSurviveExactly() {
        QFETCH(int, colours);
        const QImage image = stripes(colours);
        const QString path = dir.filePath(QStringLiteral("few%1.gif").arg(colours));
        QString error;
        QVERIFY2(writeGif(path, image, &error), qPrintable(error));
        QImage back(path, "GIF");
        QVERIFY(!back.isNull());
        QCOMPARE(back.size(), image.size());
        QCOMPARE(back.convertToFormat(QImage::Format_RGB32), image);
    }

    // Beyond 256 colours the flat areas must stay exact and the rest close.
    void manyColoursKeepFlatAreasExact() {
        QImage image(200, 100, QImage::Format_RGB32);
        image.fill(qRgb(20, 60, 50));
        for (int x = 0; x < 200; ++x)
            for (int y = 0; y < 40; ++y)
                image.setPixel(x, y, qRgb(x, (y * 6) % 256, 255 - x));
        for (int x = 100; x < 200; ++x)
            for (int y = 60; y < 100; ++y)
                image.setPixel(x, y, qRgb(250, 200, 40));

        const IndexedPicture indexed = quantize(image);
        QVERIFY(indexed.palette.size() <= 256);
        QCOMPARE(indexed.indices.size(), size_t(200 * 100));

        const QString path = dir.filePath(QStringLiteral("many.gif"));
        QVERIFY(writeGif(path, image));
        const QImage back = QImage(path, "GIF").convertToFormat(QImage::Format_RGB32);
        QCOMPARE(back.size(), image.size());
        QVERIFY(coloursOf(back).size() <= 256);
        QCOMPARE(back.pixel(10, 50), qRgb(20, 60, 50));
        QCOMPARE(back.pixel(150, 80), qRgb(250, 200, 40));
        int worst = 0;
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 200; ++x) {
                const QRgb a = image.pixel(x, y), b = back.pixel(x, y);
                worst = std::max({worst, std::abs(qRed(a) - qRed(b)),
                                  std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))});
            }
        QVERIFY2(worst <= 24, qPrintable(QStringLiteral("worst channel error %1").arg(worst)));
    }

    void sameImageGivesSameBytes() {
        QImage image = stripes(1000);
        const QString a = dir.filePath(QStringLiteral("a.gif")),
                      b = dir.filePath(QStringLiteral("b.gif"));
        QVERIFY(writeGif(a, image));
        QVERIFY(writeGif(b, image));
        QFile fa(a), fb(b);
        QVERIFY(fa.open(QIODevice::ReadOnly) && fb.open(QIODevice::ReadOnly));
        const QByteArray bytes = fa.readAll();
        QVERIFY(bytes.startsWith("GIF"));
        QCOMPARE(bytes, fb.readAll());
    }

    void unwritablePathIsReported() {
        QString error;
        QVERIFY(
            !writeGif(dir.filePath(QStringLiteral("missing/folder/x.gif")), stripes(4), &error));
        QVERIFY(error.contains(QStringLiteral("x.gif")));
    }
};

QTEST_GUILESS_MAIN(GifWriterTest)
#include "gifwriter_test.moc"
