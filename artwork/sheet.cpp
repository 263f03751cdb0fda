#include "pictures.h"
#include "style.h"

#include <QFont>

#include <algorithm>

// All pictures on one page, each with its file name, for a person to review.
QImage contactSheet(const Pictures& gifs, const Pictures& builtins) {
    constexpr int width = 1240, gap = 10, label = 16;
    struct Placed {
        const Picture* picture;
        QPoint at;
    };
    std::vector<Placed> placed;
    int x = gap, y = gap, rowHeight = 0;
    auto place = [&](const Picture& pic, bool newRow) {
        const int w = std::max(pic.image.width(), 60);
        if (newRow || x + w + gap > width) {
            x = gap;
            y += rowHeight + label + gap;
            rowHeight = 0;
        }
        placed.push_back({&pic, QPoint(x, y)});
        x += w + gap;
        rowHeight = std::max(rowHeight, pic.image.height());
    };
    QString previousFamily;
    for (const Picture& pic : gifs) {
        // Each sequence on a row of its own: the family is the name without
        // its last digit (pfM2 for pfM20..pfM23, f for f0..f3).
        QString family = pic.name.left(pic.name.indexOf('.'));
        family.chop(1);
        place(pic, !placed.empty() && family != previousFamily && pic.image.width() > choiceSize);
        previousFamily = family;
    }
    bool first = true;
    for (const Picture& pic : builtins) {
        place(pic, first);
        first = false;
    }
    const int height = y + rowHeight + label + gap;

    QImage sheet = canvas(width, height, QColor(0x44, 0x48, 0x50));
    QPainter p(&sheet);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(11);
    p.setFont(font);
    p.setPen(Qt::white);
    for (const Placed& item : placed) {
        p.drawImage(item.at, item.picture->image);
        p.drawText(QRect(item.at.x(), item.at.y() + item.picture->image.height() + 1,
                         std::max(item.picture->image.width(), 60), label),
                   Qt::AlignLeft | Qt::AlignTop, item.picture->name);
    }
    return sheet;
}
