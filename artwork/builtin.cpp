#include "cat.h"
#include "pictures.h"
#include "style.h"

#include <QFont>
#include <QFontMetricsF>

namespace {

QImage icon(int size, int scale) {
    // Opaque on purpose: the window icon is a plain 24-bit picture.
    QImage image = canvas(size, size, QColor(0x2f, 0xa8, 0x5e), scale);
    QPainter p(&image);
    smooth(p);
    const double s = size / 32.0;
    fillEllipse(p, QPointF(16 * s, 19 * s), 14 * s, 12 * s, QColor(0x46, 0xbe, 0x72));
    drawCatHead(p, QPointF(16 * s, 18.5 * s), size / 86.0);
    return image;
}

QImage button(const QString& word, int scale) {
    const QColor face{0x00, 0x9f, 0x60};
    QImage image = canvas(80, 23, face, scale);
    QPainter p(&image);
    // Bevel: light from the top left, two pixels deep.
    p.fillRect(0, 0, 80, 1, QColor(0x7a, 0xe0, 0xb2));
    p.fillRect(0, 0, 1, 23, QColor(0x7a, 0xe0, 0xb2));
    p.fillRect(1, 1, 78, 1, QColor(0x3c, 0xc4, 0x88));
    p.fillRect(1, 1, 1, 21, QColor(0x3c, 0xc4, 0x88));
    p.fillRect(0, 22, 80, 1, QColor(0x00, 0x4a, 0x2c));
    p.fillRect(79, 0, 1, 23, QColor(0x00, 0x4a, 0x2c));
    p.fillRect(1, 21, 78, 1, QColor(0x00, 0x74, 0x46));
    p.fillRect(78, 1, 1, 21, QColor(0x00, 0x74, 0x46));

    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(12);
    font.setHintingPreference(QFont::PreferFullHinting);
    font.setStyleStrategy(QFont::PreferAntialias);
    // Narrow words get the wide face, long ones the condensed face.
    if (QFontMetricsF(font).horizontalAdvance(word) > 64)
        font.setFamily(QStringLiteral("DejaVu Sans Condensed"));
    p.setFont(font);
    p.setRenderHint(QPainter::TextAntialiasing);
    const QRect box(2, 2, 76, 19);
    p.setPen(QColor(0x00, 0x5c, 0x36));
    p.drawText(box.translated(1, 1), Qt::AlignCenter, word);
    p.setPen(Qt::white);
    p.drawText(box, Qt::AlignCenter, word);
    return image;
}

} // namespace

Pictures builtinPictures(int scale) {
    // Every size the icon themes' menus and panels ask for; 32 is the
    // window's own.
    Pictures out{{"icon.png", icon(32, scale)}};
    for (int size : {16, 22, 24, 48, 64, 128, 256})
        out.push_back({QStringLiteral("icon-%1.png").arg(size), icon(size, scale)});
    const struct {
        const char* name;
        const char* word;
    } buttons[] = {
        {"imgStatic.png", "ДАННЫЕ"}, {"imgEat.png", "КУШАТЬ"},  {"imgDrink.png", "ПИТЬ"},
        {"imgPlay.png", "ИГРАТЬ"},   {"imgSleep.png", "СПАТЬ"}, {"imgTreat.png", "ЛЕЧИТЬ"},
    };
    for (const auto& b : buttons)
        out.push_back({QString::fromLatin1(b.name), button(QString::fromUtf8(b.word), scale)});
    return out;
}
