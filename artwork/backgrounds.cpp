#include "picture_files.h"
#include "pictures.h"
#include "style.h"

#include "core/start_pictures.h"

#include <algorithm>

namespace {

// A tiny paw print, the wallpaper motif of the window.
void pawPrint(QPainter& p, QPointF c, double s, const QColor& colour) {
    fillEllipse(p, c, s * 1.2, s, colour);
    for (int i = 0; i < 4; ++i) {
        const double x = c.x() + (i - 1.5) * s * 0.95;
        const double y = c.y() - s * (i == 0 || i == 3 ? 1.2 : 1.7);
        fillEllipse(p, QPointF(x, y), s * 0.42, s * 0.5, colour);
    }
}

void woodFrame(QPainter& p, QRectF r, double radius) {
    QPainterPath outer;
    outer.addRoundedRect(r, radius, radius);
    p.fillPath(outer, ink::woodDark);
    QPainterPath mid;
    mid.addRoundedRect(r.adjusted(1, 1, -1, -1), radius - 1, radius - 1);
    p.fillPath(mid, ink::wood);
    QPainterPath light;
    light.addRoundedRect(r.adjusted(1, 1, -1, -2), radius - 1, radius - 1);
    QPainterPath inner;
    inner.addRoundedRect(r.adjusted(2, 2, -2, -2), radius - 2, radius - 2);
    p.fillPath(light.subtracted(inner.translated(0, 1)), ink::woodLight);
}

QImage window(int scale) {
    QImage image = canvas(282, 281, ink::room, scale);
    QPainter p(&image);
    smooth(p);
    // Soft vertical stripes, then paw prints scattered on them.
    for (int x = 6; x < 282; x += 16)
        p.fillRect(QRectF(x, 0, 8, 281), ink::roomStripe);
    for (int row = 0; row < 12; ++row) {
        for (int col = 0; col < 10; ++col) {
            const double x = 14 + col * 30 + (row % 2) * 15, y = 12 + row * 24;
            pawPrint(p, QPointF(x, y), 2.2, QColor(0x20, 0x52, 0x4b));
        }
    }
    // The floor under the status line.
    p.fillRect(QRectF(0, 252, 282, 29), QColor(0x2a, 0x1f, 0x1a));
    p.fillRect(QRectF(0, 250, 282, 2), QColor(0x4a, 0x36, 0x28));
    p.setPen(QPen(QColor(0x33, 0x26, 0x1f), 1));
    for (int x = 30; x < 282; x += 56)
        p.drawLine(QPointF(x, 252), QPointF(x - 8, 281));

    // Frames around the top panel and around the pet's room.
    woodFrame(p, QRectF(7, 7, 266, 73), 6);
    p.fillRect(QRectF(11, 11, 257, 65), ink::roomDeep);
    woodFrame(p, QRectF(93, 109, 176, 146), 4);
    p.fillRect(QRectF(96, 112, 170, 142), ink::wall);

    // A little shelf beside the age, with a plant and a fish bowl.
    p.fillRect(QRectF(150, 101, 110, 4), ink::wood);
    p.fillRect(QRectF(150, 104, 110, 1.5), ink::woodDark);
    fillPolygon(p, {{160, 92}, {172, 92}, {170, 101}, {162, 101}}, QColor(0xd8, 0x6a, 0x4a));
    for (int i = -1; i <= 1; ++i) {
        p.save();
        p.translate(166, 92);
        p.rotate(i * 35);
        fillEllipse(p, QPointF(0, -6), 3, 6, ink::green);
        p.restore();
    }
    fillEllipse(p, QPointF(240, 94), 9, 8, QColor(0x9c, 0xd6, 0xf4));
    p.fillRect(QRectF(233, 85, 14, 3), ink::room);
    fillEllipse(p, QPointF(241, 96), 3.5, 2.2, ink::orange);
    drawSparkle(p, QPointF(200, 94), 3, QColor(0xff, 0xe6, 0x8a));
    drawSparkle(p, QPointF(214, 90), 2, QColor(0xff, 0xe6, 0x8a));
    return image;
}

// The top panel as the needs view shows it, or bare: the plates the
// captions stand on and the need icons left of them (fish, drop; heart,
// moon, cross) belong to the needs and go with them.
QImage panel(int scale, bool withNeeds) {
    QImage image = canvas(257, 65, ink::roomDeep, scale);
    QPainter p(&image);
    smooth(p);
    for (int col = 0; col < 12; ++col)
        pawPrint(p, QPointF(10 + col * 21, 61), 1.6, QColor(0x1a, 0x44, 0x3e));
    if (!withNeeds)
        return image;
    const QColor plate{0x15, 0x3a, 0x35};
    QPainterPath left, right;
    left.addRoundedRect(QRectF(4, 4, 110, 36), 6, 6);
    right.addRoundedRect(QRectF(118, 4, 135, 53), 6, 6);
    p.fillPath(left, plate);
    p.fillPath(right, plate);

    // Hunger: a fish.
    QPainterPath fish;
    fish.addEllipse(QPointF(17, 14.5), 7, 4.2);
    fish.moveTo(22, 14.5);
    fish.lineTo(28, 10.5);
    fish.lineTo(28, 18.5);
    fish.closeSubpath();
    p.fillPath(fish.simplified(), ink::orange);
    fillEllipse(p, QPointF(14, 13.5), 1.2, 1.2, ink::roomDeep);
    // Thirst: a drop.
    drawDrop(p, QPointF(19, 23.5), 12, ink::blueLight);
    // Mood: a heart.
    drawHeart(p, QPointF(116.5, 15), 13);
    // Sleepiness: a crescent moon.
    QPainterPath moon;
    moon.addEllipse(QPointF(116, 30.5), 6, 6);
    QPainterPath bite;
    bite.addEllipse(QPointF(119, 28), 5, 5);
    p.fillPath(moon.subtracted(bite), ink::moon);
    // Health: a cross.
    QPainterPath cross;
    cross.addRoundedRect(QRectF(113.5, 40.5, 5, 13), 1, 1);
    cross.addRoundedRect(QRectF(109.5, 44.5, 13, 5), 1, 1);
    p.fillPath(cross.simplified(), QColor(0xff, 0x6a, 0x6a));
    return image;
}

QRect inPixels(const QRect& place, int scale) {
    return QRect(place.topLeft() * scale, place.size() * scale);
}

// Each need's part of the needs view, cut from it where its plate lies.
Pictures needPlates(const QImage& needsView, int scale) {
    Pictures plates;
    for (const NeedPlate& plate : kNeedPlates) {
        QImage piece = needsView.copy(inPixels(plate.place, scale));
        piece.setDevicePixelRatio(scale);
        plates.push_back({plate.picture, piece});
    }
    return plates;
}

} // namespace

Pictures backgroundPictures(int scale) {
    Pictures pictures = {{windowBackgroundName(), window(scale)},
                         {panelBackgroundName(), panel(scale, false)}};
    for (Picture& plate : needPlates(panel(scale, true), scale))
        pictures.push_back(std::move(plate));
    return pictures;
}

QStringList needsViewLeftOut(int scale) {
    const QImage needsView = panel(scale, true), bare = panel(scale, false);
    const auto onAPlate = [scale](QPoint pixel) {
        return std::any_of(kNeedPlates.begin(), kNeedPlates.end(), [&](const NeedPlate& plate) {
            return inPixels(plate.place, scale).contains(pixel);
        });
    };
    int leftOut = 0;
    for (int y = 0; y < needsView.height(); ++y)
        for (int x = 0; x < needsView.width(); ++x)
            if (needsView.pixel(x, y) != bare.pixel(x, y) && !onAPlate(QPoint(x, y)))
                ++leftOut;
    if (leftOut == 0)
        return {};
    return {QStringLiteral("the needs view at scale %1 has %2 pixels on no plate")
                .arg(scale)
                .arg(leftOut)};
}
