#include "pictures.h"
#include "style.h"

namespace {

void drawWindow(QPainter& p, QRectF r, bool night) {
    QPainterPath frame;
    frame.addRoundedRect(r, 3, 3);
    p.fillPath(frame, night ? QColor(0x3c, 0x46, 0x70) : ink::frameWhite);
    const QRectF glass = r.adjusted(3, 3, -3, -3);
    p.fillRect(glass, night ? ink::nightSky : ink::sky);
    p.save();
    p.setClipRect(glass);
    if (night) {
        QPainterPath moon;
        moon.addEllipse(QPointF(glass.center().x() + 5, glass.top() + 10), 7, 7);
        QPainterPath bite;
        bite.addEllipse(QPointF(glass.center().x() + 9, glass.top() + 7), 6, 6);
        p.fillPath(moon.subtracted(bite), ink::moon);
        drawSparkle(p, QPointF(glass.left() + 6, glass.top() + 6), 2.2, ink::moon);
        drawSparkle(p, QPointF(glass.left() + 9, glass.bottom() - 9), 1.8, ink::moon);
        drawSparkle(p, QPointF(glass.right() - 5, glass.bottom() - 5), 1.6, ink::moon);
    } else {
        const QColor cloud = ink::white;
        fillEllipse(p, QPointF(glass.left() + 10, glass.top() + 13), 6, 4, cloud);
        fillEllipse(p, QPointF(glass.left() + 16, glass.top() + 11), 6, 5, cloud);
        fillEllipse(p, QPointF(glass.left() + 21, glass.top() + 13.5), 5, 3.5, cloud);
        fillEllipse(p, QPointF(glass.right() - 3, glass.bottom() - 4), 12, 6,
                    QColor(0x9a, 0xd6, 0x8a));
    }
    p.restore();
    const QColor bar = night ? QColor(0x3c, 0x46, 0x70) : ink::frameWhite;
    p.fillRect(QRectF(r.center().x() - 1.2, glass.top(), 2.4, glass.height()), bar);
    p.fillRect(QRectF(glass.left(), r.center().y() - 1.2, glass.width(), 2.4), bar);
    p.fillRect(QRectF(r.left() - 3, r.bottom() - 1, r.width() + 6, 4),
               night ? QColor(0x34, 0x3d, 0x64) : QColor(0xe8, 0xdc, 0xc4));
}

void drawLamp(QPainter& p, bool on) {
    const QColor pole = on ? ink::woodDark : QColor(0x16, 0x1b, 0x33);
    if (on) {
        fillPolygon(p, {{138, 40}, {162, 40}, {172, 104}, {128, 104}}, QColor(0xff, 0xf1, 0xbc));
    }
    p.fillRect(QRectF(148.5, 38, 3, floorY - 38), pole);
    fillEllipse(p, QPointF(150, floorY), 9, 2.6, pole);
    fillPolygon(p, {{141, 22}, {159, 22}, {164, 40}, {136, 40}},
                on ? QColor(0xff, 0xc4, 0x4a) : QColor(0x33, 0x3c, 0x62));
}

} // namespace

void drawRoom(QPainter& p, RoomLight light, Switch lightSwitch) {
    const bool dark = light == RoomLight::Dark;
    const QColor wall = dark                       ? ink::night
                        : light == RoomLight::Lamp ? QColor(0xf3, 0xe2, 0xc2)
                                                   : ink::wall;
    const QColor dots = dark                       ? QColor(0x2c, 0x36, 0x5c)
                        : light == RoomLight::Lamp ? QColor(0xea, 0xd4, 0xae)
                                                   : ink::wallDots;
    p.fillRect(QRectF(0, 0, petWidth, petHeight), wall);
    // Wallpaper of small diamonds in a half-drop grid.
    for (int row = 0; row < 6; ++row) {
        for (int col = 0; col < 10; ++col) {
            const double x = 8 + col * 18 + (row % 2) * 9, y = 8 + row * 16;
            drawSparkle(p, QPointF(x, y), 2.6, dots);
        }
    }
    const double skirting = 100;
    drawWindow(p, QRectF(12, 14, 36, 42), light != RoomLight::Day);
    if (light == RoomLight::Day) {
        // A little framed fish on the wall.
        p.fillRect(QRectF(128, 18, 28, 24), ink::woodLight);
        p.fillRect(QRectF(130.5, 20.5, 23, 19), QColor(0xd6, 0xf0, 0xff));
        QPainterPath fish;
        fish.addEllipse(QPointF(140, 30), 6, 3.6);
        fish.moveTo(145, 30);
        fish.lineTo(150, 26);
        fish.lineTo(150, 34);
        fish.closeSubpath();
        p.fillPath(fish.simplified(), ink::orange);
    } else {
        drawLamp(p, light == RoomLight::Lamp);
    }
    if (lightSwitch != Switch::None) {
        QPainterPath plate;
        plate.addRoundedRect(QRectF(112, 70, 12, 18), 2.5, 2.5);
        p.fillPath(plate, dark ? QColor(0x4a, 0x55, 0x84) : ink::white);
        p.setPen(QPen(dark ? QColor(0x3a, 0x44, 0x70) : QColor(0xd4, 0xc6, 0xae), 1));
        p.setBrush(Qt::NoBrush);
        p.drawPath(plate);
        const bool on = lightSwitch == Switch::On;
        p.fillRect(QRectF(115.5, on ? 73 : 79, 5, 6),
                   dark ? QColor(0x2c, 0x34, 0x5a) : QColor(0xc8, 0xb8, 0x9c));
    }

    const QColor floor = dark ? ink::nightFloor : ink::floorWood;
    const QColor boards = dark ? QColor(0x16, 0x1b, 0x33) : ink::floorLine;
    p.fillRect(QRectF(0, skirting, petWidth, petHeight - skirting), floor);
    p.fillRect(QRectF(0, skirting, petWidth, 3),
               dark ? QColor(0x30, 0x3a, 0x62) : QColor(0xfb, 0xf4, 0xe6));
    p.setPen(QPen(boards, 1));
    for (int i = 0; i < 3; ++i) {
        const double y = skirting + 12 + i * 11;
        p.drawLine(QPointF(0, y), QPointF(petWidth, y));
        for (int j = 0; j < 4; ++j) {
            const double x = 20 + j * 44 + (i % 2) * 22;
            p.drawLine(QPointF(x, y), QPointF(x, y + 11));
        }
    }
    // The cat's round rug.
    fillEllipse(p, QPointF(85, floorY + 1), 66, 12, dark ? QColor(0x24, 0x3e, 0x4a) : ink::rugEdge);
    fillEllipse(p, QPointF(85, floorY), 62, 10, dark ? QColor(0x2c, 0x4c, 0x58) : ink::rug);
    p.setPen(QPen(dark ? QColor(0x24, 0x3e, 0x4a) : ink::rugEdge, 1.2, Qt::DashLine));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(85, floorY), 52, 7);
}
