#include "pictures.h"
#include "style.h"

#include <QFont>

#include <algorithm>

namespace {

constexpr int kLabelHeight = 16, kGap = 10, kMinWidth = 90;

// A picture as its pixels, one to a sheet pixel, so a twin shows its detail.
QImage pixelForPixel(const QImage& image) {
    QImage copy = image;
    copy.setDevicePixelRatio(1);
    return copy;
}

int cellWidth(const QImage& image) {
    return std::max(image.width(), kMinWidth);
}

} // namespace

// All pictures on one page, each original with its twin to its right and
// each with its file name, for a person to review.
QImage contactSheet(const PictureSet& gifs, const PictureSet& builtins) {
    // Wide enough for a whole sequence of four frames with their twins.
    constexpr int width = 2200;
    struct Placed {
        const Picture* picture;
        QPoint at;
    };
    std::vector<Placed> placed;
    int x = kGap, y = kGap, rowHeight = 0;
    auto place = [&](const Picture& original, const Picture& twin, bool newRow) {
        const int w = cellWidth(original.image) + kGap + cellWidth(twin.image);
        if (newRow || x + w + kGap > width) {
            x = kGap;
            y += rowHeight + kLabelHeight + kGap;
            rowHeight = 0;
        }
        placed.push_back({&original, QPoint(x, y)});
        placed.push_back({&twin, QPoint(x + cellWidth(original.image) + kGap, y)});
        x += w + kGap;
        rowHeight = std::max(rowHeight, twin.image.height());
    };
    QString previousFamily;
    for (size_t i = 0; i < gifs.originals.size(); ++i) {
        // Each sequence on a row of its own: the family is the name without
        // its last digit (a care run's frames share it, as an action's
        // choices do).
        const Picture& pic = gifs.originals[i];
        QString family = pic.name.left(pic.name.indexOf('.'));
        family.chop(1);
        place(pic, gifs.twins[i],
              !placed.empty() && family != previousFamily && pic.image.width() > choiceSize);
        previousFamily = family;
    }
    for (size_t i = 0; i < builtins.originals.size(); ++i)
        place(builtins.originals[i], builtins.twins[i], i == 0);
    const int height = y + rowHeight + kLabelHeight + kGap;

    QImage sheet = canvas(width, height, QColor(0x44, 0x48, 0x50), 1);
    QPainter p(&sheet);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(11);
    p.setFont(font);
    p.setPen(Qt::white);
    for (const Placed& item : placed) {
        const QImage image = pixelForPixel(item.picture->image);
        p.drawImage(item.at, image);
        p.drawText(
            QRect(item.at.x(), item.at.y() + image.height() + 1, cellWidth(image), kLabelHeight),
            Qt::AlignLeft | Qt::AlignTop, item.picture->name);
    }
    return sheet;
}
