#include "props.h"
#include "style.h"

#include <algorithm>
#include <cmath>

namespace {

// The drawing space of one prop: origin at its anchor, 64 units across
// whatever its size, turned by its angle; left again when it goes.
class PropSpace {
public:
    PropSpace(QPainter& p, QPointF anchor, double size, double angle = 0) : p_(p) {
        p_.save();
        p_.translate(anchor);
        p_.scale(size / 64, size / 64);
        p_.rotate(angle);
    }
    ~PropSpace() { p_.restore(); }
    PropSpace(const PropSpace&) = delete;
    PropSpace& operator=(const PropSpace&) = delete;

private:
    QPainter& p_;
};

// A bite-shaped cut: everything left of x, with a scalloped edge.
QPainterPath biteMask(double x) {
    QPainterPath keep;
    keep.addRect(QRectF(x, -40, 80, 80));
    QPainterPath bites;
    for (int i = -3; i <= 3; ++i)
        bites.addEllipse(QPointF(x, i * 10.0), 6.5, 6.5);
    return keep.subtracted(bites);
}

void fish(QPainter& p, double amount) {
    const QColor body{0x6c, 0xb4, 0xe4}, belly{0xc4, 0xe6, 0xf8}, fin{0x3f, 0x86, 0xc6};
    // What is eaten shows the bones: draw them first, the flesh over them.
    p.setPen(roundPen(ink::white, 2.4));
    p.drawLine(QPointF(-20, 0), QPointF(14, 0));
    for (int i = 0; i < 5; ++i) {
        const double x = -14 + i * 6.5;
        p.drawLine(QPointF(x, -8 + std::abs(i - 2) * 1.2), QPointF(x, 8 - std::abs(i - 2) * 1.2));
    }
    fillEllipse(p, QPointF(-22, 0), 6, 6, ink::grey);
    fillEllipse(p, QPointF(-23, -1.5), 1.6, 1.6, ink::greyDark);

    QPainterPath tail;
    tail.moveTo(12, 0);
    tail.lineTo(29, -13);
    tail.quadTo(25, 0, 29, 13);
    tail.closeSubpath();
    QPainterPath flesh;
    flesh.addEllipse(QPointF(-5, 0), 21, 13);
    QPainterPath top;
    top.moveTo(-10, -11);
    top.quadTo(0, -21, 8, -10);
    QPainterPath whole = flesh.united(tail).united(top);
    const QPainterPath mask = amount >= 1 ? QPainterPath() : biteMask(-28 + (1 - amount) * 44);
    auto clipped = [&](const QPainterPath& path) {
        return amount >= 1 ? path : path.intersected(mask);
    };
    p.fillPath(clipped(whole), fin);
    QPainterPath inner;
    inner.addEllipse(QPointF(-5, 0), 19, 11.5);
    p.fillPath(clipped(inner), body);
    QPainterPath bellyPath;
    bellyPath.addEllipse(QPointF(-6, 5), 15, 5.5);
    p.fillPath(clipped(bellyPath.intersected(inner)), belly);
    QPainterPath stripes;
    for (double x : {0.0, 6.0})
        stripes.addRoundedRect(QRectF(x, -9, 2.2, 13), 1.1, 1.1);
    p.fillPath(clipped(stripes), fin);
    QPainterPath gill;
    gill.addEllipse(QPointF(-13, 0), 2.6, 8.5);
    p.fillPath(clipped(gill.intersected(inner)), fin);
    if (amount >= 1 || -28 + (1 - amount) * 44 < -21) {
        fillEllipse(p, QPointF(-17, -3), 4, 4, ink::white);
        fillEllipse(p, QPointF(-17.5, -3), 2.2, 2.2, ink::pupil);
    }
}

void plate(QPainter& p, double y, double rx) {
    fillEllipse(p, QPointF(0, y + 1.5), rx, rx * 0.26, QColor(0xc9, 0xd3, 0xe0));
    fillEllipse(p, QPointF(0, y), rx, rx * 0.24, ink::white);
    fillEllipse(p, QPointF(0, y), rx * 0.66, rx * 0.14, QColor(0xee, 0xf2, 0xf7));
}

void sausage(QPainter& p, double amount) {
    plate(p, 16, 28);
    const double cut = -26 + (1 - amount) * 46;
    QPainterPath s;
    s.moveTo(-24, 4);
    s.cubicTo(-20, -14, 20, -14, 24, 4);
    s.lineTo(24, 4);
    QPainterPathStroker stroker;
    stroker.setWidth(13);
    stroker.setCapStyle(Qt::RoundCap);
    QPainterPath shape = stroker.createStroke(s);
    if (amount < 1)
        shape = shape.intersected(biteMask(cut));
    if (amount > 0.02) {
        p.fillPath(shape, QColor(0xd2, 0x4d, 0x45));
        QPainterPath shine;
        shine.moveTo(-12, -5);
        shine.cubicTo(-6, -10, 8, -10, 14, -5);
        QPainterPathStroker thin;
        thin.setWidth(3);
        thin.setCapStyle(Qt::RoundCap);
        QPainterPath shinePath = thin.createStroke(shine);
        if (amount < 1)
            shinePath = shinePath.intersected(biteMask(cut + 3));
        p.fillPath(shinePath, QColor(0xf2, 0x8e, 0x78));
        p.setPen(roundPen(QColor(0xf5, 0xd9, 0x9a), 2.4));
        p.drawLine(QPointF(26, 5), QPointF(29, 8));
        if (amount >= 1)
            p.drawLine(QPointF(-26, 5), QPointF(-29, 8));
    }
    if (amount < 1) {
        for (int i = 0; i < 3; ++i)
            fillEllipse(p, QPointF(-14 + i * 9, 16 + (i % 2) * 2), 1.5, 1.2,
                        QColor(0xd2, 0x4d, 0x45));
    }
}

void bowl(QPainter& p, const QColor& outer, const QColor& inner, double top) {
    QPainterPath b;
    b.moveTo(-28, top);
    b.lineTo(28, top);
    b.quadTo(26, top + 20, 16, top + 22);
    b.lineTo(-16, top + 22);
    b.quadTo(-26, top + 20, -28, top);
    p.fillPath(b, outer);
    fillEllipse(p, QPointF(0, top), 28, 6, outer.darker(115));
    fillEllipse(p, QPointF(0, top), 25, 4.6, inner);
}

void catFood(QPainter& p, double amount) {
    const QColor bowlRed{0xf0, 0x6e, 0x7e};
    const QColor kibble{0xa8, 0x64, 0x32}, kibbleLight{0xcc, 0x8a, 0x4e};
    bowl(p, bowlRed, QColor(0x9e, 0x3a, 0x4e), 2);
    // The heap sinks as the cat eats.
    const double heap = 18 * amount;
    if (amount > 0.02) {
        QPainterPath mound;
        mound.moveTo(-24, 2);
        mound.cubicTo(-18, 2 - heap, 18, 2 - heap, 24, 2);
        mound.quadTo(0, 6, -24, 2);
        p.fillPath(mound, kibble);
        const int rows = int(std::ceil(amount * 3));
        for (int r = 0; r < rows; ++r) {
            for (int i = 0; i < 6 - r; ++i) {
                const double x = -17 + i * 6.8 + r * 3.4;
                const double y = 1 - r * heap / 3.2 - std::cos(x / 24) * heap * 0.2;
                p.save();
                p.translate(x, y);
                p.rotate((i * 37 + r * 20) % 90 - 45);
                fillEllipse(p, QPointF(0, 0), 3.4, 2.4, kibbleLight);
                fillEllipse(p, QPointF(0.6, 0.6), 1.1, 0.8, kibble);
                p.restore();
            }
        }
    } else {
        fillEllipse(p, QPointF(-6, 3), 2, 1.4, kibble);
        fillEllipse(p, QPointF(7, 4), 1.6, 1.2, kibble);
    }
    // A paw print on the bowl: this bowl is for a cat.
    const QColor print{0xff, 0xd8, 0xde};
    fillEllipse(p, QPointF(0, 16), 4, 3.2, print);
    for (int i = 0; i < 3; ++i)
        fillEllipse(p, QPointF(-4 + i * 4, 11 - (i == 1 ? 1.2 : 0)), 1.5, 1.5, print);
}

void cake(QPainter& p, double amount) {
    plate(p, 22, 26);
    const QColor sponge{0xf6, 0xc8, 0x7a}, cream{0xff, 0xf4, 0xf6}, icing{0xff, 0x9e, 0xc2};
    const double cut = -24 + (1 - amount) * 44;
    auto clip = [&](const QPainterPath& path) {
        return amount >= 1 ? path : path.intersected(biteMask(cut));
    };
    if (amount > 0.02) {
        QPainterPath base;
        base.addRoundedRect(QRectF(-20, -4, 40, 26), 4, 4);
        p.fillPath(clip(base), sponge);
        QPainterPath layer;
        layer.addRect(QRectF(-20, 8, 40, 4));
        p.fillPath(clip(layer), cream);
        QPainterPath top;
        top.moveTo(-21, -4);
        top.cubicTo(-21, -16, 21, -16, 21, -4);
        for (int i = 0; i < 4; ++i) {
            const double x = 21 - i * 10.5;
            top.quadTo(x - 2.6, 6, x - 5.25, -1);
            top.quadTo(x - 7.9, 6, x - 10.5, -4);
        }
        p.fillPath(clip(top), icing);
        if (amount >= 0.7) {
            fillEllipse(p, QPointF(0, -15), 6, 6, ink::red);
            fillEllipse(p, QPointF(-2, -17), 1.8, 1.8, QColor(0xff, 0xb0, 0xb0));
            p.setPen(roundPen(ink::green, 1.8));
            p.setBrush(Qt::NoBrush);
            QPainterPath stem;
            stem.moveTo(1, -20);
            stem.quadTo(3, -26, 8, -27);
            p.drawPath(stem);
        }
        QPainterPath sprinkles;
        const QColor colours[] = {ink::blue, ink::sparkle, ink::green, ink::white};
        for (int i = 0; i < 7; ++i) {
            QPainterPath s;
            s.addEllipse(QPointF(-15 + i * 5, -6 - (i % 2) * 3), 1.3, 1.3);
            p.fillPath(clip(s), colours[i % 4]);
        }
    }
    if (amount < 1) {
        for (int i = 0; i < 4; ++i)
            fillEllipse(p, QPointF(-18 + i * 7, 21 + (i % 2) * 1.5), 1.6, 1.2, sponge);
    }
}

void glassOf(QPainter& p, QRectF glass, const QColor& drink, double amount, double taper) {
    QPainterPath outline;
    outline.moveTo(glass.left(), glass.top());
    outline.lineTo(glass.right(), glass.top());
    outline.lineTo(glass.right() - taper, glass.bottom());
    outline.lineTo(glass.left() + taper, glass.bottom());
    outline.closeSubpath();
    p.fillPath(outline, QColor(0xe8, 0xf4, 0xff));
    const double level = glass.bottom() - (glass.height() - 4) * std::clamp(amount, 0.0, 1.0);
    QPainterPath liquid;
    liquid.addRect(QRectF(glass.left() - 1, level, glass.width() + 2, glass.bottom() - level));
    p.fillPath(outline.intersected(liquid), drink);
    p.setPen(roundPen(QColor(0x9c, 0xb8, 0xd4), 1.8));
    p.setBrush(Qt::NoBrush);
    p.drawPath(outline);
    p.setPen(roundPen(QColor(255, 255, 255), 2.2));
    p.drawLine(QPointF(glass.left() + 4, glass.top() + 5),
               QPointF(glass.left() + 4 + taper * 0.5, glass.bottom() - 5));
}

void milk(QPainter& p, double amount) {
    // A bottle with a blue cap stands behind a saucer of milk.
    const QColor milkWhite{0xfc, 0xfc, 0xff}, shade{0xd6, 0xe2, 0xf0}, cap{0x3d, 0x8c, 0xe8};
    QPainterPath bottle;
    bottle.moveTo(-4, -26);
    bottle.lineTo(10, -26);
    bottle.lineTo(10, -18);
    bottle.quadTo(18, -12, 18, -4);
    bottle.lineTo(18, 14);
    bottle.lineTo(-12, 14);
    bottle.lineTo(-12, -4);
    bottle.quadTo(-12, -12, -4, -18);
    bottle.closeSubpath();
    p.save();
    p.translate(8, -2);
    p.fillPath(bottle, shade);
    p.fillPath(bottle.translated(-1.5, 0).intersected(bottle), milkWhite);
    QPainterPath capPath;
    capPath.addRoundedRect(QRectF(-5, -30, 16, 7), 2, 2);
    p.fillPath(capPath, cap);
    QPainterPath label;
    label.addRoundedRect(QRectF(-9, -2, 24, 10), 2, 2);
    p.fillPath(label, cap);
    drawDrop(p, QPointF(3, -0.5), 7, ink::white);
    p.restore();
    // The saucer in front.
    fillEllipse(p, QPointF(-6, 22), 24, 7, QColor(0x6e, 0x9c, 0xd6));
    fillEllipse(p, QPointF(-6, 20.5), 24, 6.5, QColor(0xa8, 0xcc, 0xf2));
    fillEllipse(p, QPointF(-6, 20.5), 18 * (0.35 + 0.65 * amount), 4.4 * (0.35 + 0.65 * amount),
                amount > 0.02 ? milkWhite : QColor(0xe9, 0xef, 0xf6));
    if (amount > 0.02)
        fillEllipse(p, QPointF(-6, 20.5), 16 * (0.35 + 0.65 * amount), 3.4 * (0.35 + 0.65 * amount),
                    QColor(0xf1, 0xf5, 0xfb));
}

void water(QPainter& p, double amount) {
    const QColor bowlBlue{0x4c, 0x8e, 0xd8}, waterBlue{0x8e, 0xd0, 0xff};
    bowl(p, bowlBlue, QColor(0x2e, 0x5e, 0xa0), 8);
    if (amount > 0.02) {
        const double r = 0.45 + 0.55 * amount;
        fillEllipse(p, QPointF(0, 8.5), 23 * r, 4 * r, waterBlue);
        fillEllipse(p, QPointF(-6 * r, 7.5), 8 * r, 1.3 * r, ink::white);
    }
    // A big falling drop says "water" even when the bowl is seen from the side.
    drawDrop(p, QPointF(0, -28), 22, waterBlue);
    fillEllipse(p, QPointF(-4.5, -8), 2.4, 4, QColor(0xdc, 0xf2, 0xff));
}

void juice(QPainter& p, double amount) {
    const QColor juiceOrange{0xff, 0xa8, 0x1e};
    // Straw first, so the glass's rim covers its lower end.
    p.setPen(QPen(QColor(0xff, 0x5c, 0x7a), 3.4, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(2, 0), QPointF(10, -28));
    p.drawLine(QPointF(10, -28), QPointF(18, -28));
    glassOf(p, QRectF(-14, -16, 28, 42), juiceOrange, amount * 0.9, 3);
    // Orange slice on the rim.
    p.save();
    p.translate(-13, -16);
    fillEllipse(p, QPointF(0, 0), 9.5, 9.5, ink::orange);
    fillEllipse(p, QPointF(0, 0), 7.6, 7.6, QColor(0xff, 0xd0, 0x70));
    p.setPen(roundPen(ink::orange, 1.2));
    for (int i = 0; i < 6; ++i) {
        const double a = i * M_PI / 3;
        p.drawLine(QPointF(0, 0), QPointF(std::cos(a) * 7, std::sin(a) * 7));
    }
    p.restore();
}

void cocoa(QPainter& p, double amount) {
    const QColor mug{0xff, 0x7a, 0x5c}, mugDark{0xd9, 0x55, 0x40}, drink{0x7a, 0x46, 0x24};
    p.setPen(roundPen(mugDark, 5));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(12, -6, 18, 20), -80 * 16, 160 * 16);
    QPainterPath body;
    body.addRoundedRect(QRectF(-20, -10, 36, 36), 7, 7);
    p.fillPath(body, mug);
    fillEllipse(p, QPointF(-2, -10), 18, 5, mugDark);
    if (amount > 0.02) {
        fillEllipse(p, QPointF(-2, -10 + (1 - amount) * 1.5), 15.5 * (0.5 + 0.5 * amount),
                    3.6 * (0.5 + 0.5 * amount), drink);
    }
    if (amount > 0.6) {
        QPainterPath marshmallow;
        marshmallow.addRoundedRect(QRectF(-8, -15, 9, 7), 2, 2);
        p.fillPath(marshmallow, ink::white);
    }
    // A white heart on the mug.
    drawHeart(p, QPointF(-2, 9), 10, ink::white);
    // Steam.
    if (amount > 0.3) {
        for (int i = 0; i < 2; ++i) {
            QPainterPath s;
            const double x = -9 + i * 11;
            s.moveTo(x, -18);
            s.cubicTo(x - 5, -22, x + 5, -26, x, -31);
            p.setPen(roundPen(QColor(0xc8, 0xb4, 0xa6), 2.2));
            p.drawPath(s);
        }
    }
}

void ball(QPainter& p, int variant) {
    p.save();
    p.rotate(variant * 45.0);
    fillEllipse(p, QPointF(0, 0), 22, 22, ink::red);
    QPainterPath circle;
    circle.addEllipse(QPointF(0, 0), 22, 22);
    QPainterPath band;
    band.addRect(QRectF(-24, -6, 48, 12));
    p.fillPath(circle.intersected(band), ink::sparkle);
    QPainterPath cap;
    cap.addRect(QRectF(-24, 12, 48, 12));
    p.fillPath(circle.intersected(cap), ink::blue);
    p.restore();
    fillEllipse(p, QPointF(-8, -9), 5, 3.4, QColor(0xff, 0xc8, 0xc8));
}

void yarn(QPainter& p, int variant) {
    const QColor wool{0xff, 0x8a, 0xb8}, woolLine{0xd9, 0x5c, 0x92};
    // Loose thread.
    p.setPen(roundPen(woolLine, 2.2));
    p.setBrush(Qt::NoBrush);
    QPainterPath thread;
    thread.moveTo(12, 14);
    thread.cubicTo(22, 24, 26, 14, 30, 22);
    p.drawPath(thread);
    fillEllipse(p, QPointF(0, 0), 20, 20, wool);
    p.save();
    QPainterPath ball;
    ball.addEllipse(QPointF(0, 0), 19, 19);
    p.setClipPath(ball, Qt::IntersectClip);
    p.rotate(variant * 40.0);
    p.setPen(roundPen(woolLine, 1.8));
    for (int i = -2; i <= 2; ++i)
        p.drawArc(QRectF(-20 + i * 3, -20, 40, 40), (60 + i * 8) * 16, 120 * 16);
    for (int i = 0; i < 3; ++i)
        p.drawArc(QRectF(-26, -14 + i * 7, 40, 40), 0, 80 * 16);
    p.restore();
    fillEllipse(p, QPointF(-7, -8), 4, 2.6, QColor(0xff, 0xc4, 0xdc));
}

void mouseToy(QPainter& p, int variant) {
    const QColor toyGrey{0x9a, 0xa4, 0xb6}, toyDark{0x74, 0x7e, 0x92};
    const double swing = (variant % 3 - 1) * 6.0;
    // The wand: a stick with a string and the toy mouse.
    p.setPen(roundPen(ink::woodDark, 3));
    p.drawLine(QPointF(30, -30), QPointF(4, -24));
    p.setPen(roundPen(ink::greyDark, 1.2));
    const QPointF knot(4, -24), mouse(-4 + swing, 10);
    p.drawLine(knot, mouse + QPointF(2, -8));
    p.save();
    p.translate(mouse);
    p.rotate(-swing * 2);
    p.setPen(roundPen(ink::earPink, 1.8));
    p.setBrush(Qt::NoBrush);
    QPainterPath tail;
    tail.moveTo(12, 4);
    tail.cubicTo(20, 6, 18, 14, 24, 14);
    p.drawPath(tail);
    QPainterPath body;
    body.moveTo(-15, 4);
    body.quadTo(-6, -12, 13, 4);
    body.quadTo(0, 9, -15, 4);
    p.fillPath(body, toyGrey);
    fillEllipse(p, QPointF(-5, -5), 5, 5, toyDark);
    fillEllipse(p, QPointF(-5, -5), 3, 3, ink::earPink);
    fillEllipse(p, QPointF(-10, 0), 1.5, 1.5, ink::pupil);
    fillEllipse(p, QPointF(-15.5, 4), 1.8, 1.8, ink::nosePink);
    p.restore();
}

void gadget(QPainter& p, int variant) {
    const QColor shell{0x4a, 0x6c, 0xe0}, shellDark{0x33, 0x4f, 0xb0}, screen{0xb8, 0xe0, 0x6a},
        pixel{0x2e, 0x4a, 0x22};
    QPainterPath body;
    body.addRoundedRect(QRectF(-19, -27, 38, 54), 7, 7);
    p.fillPath(body.translated(0, 2), shellDark);
    p.fillPath(body, shell);
    QPainterPath glass;
    glass.addRoundedRect(QRectF(-14, -21, 28, 22), 3, 3);
    p.fillPath(glass, QColor(0x24, 0x2c, 0x46));
    QPainterPath lcd;
    lcd.addRect(QRectF(-11, -18, 22, 16));
    p.fillPath(lcd, screen);
    // On the screen a little fish runs to a bowl; it moves with the variant.
    const double fx = -7 + (variant % 4) * 4.0;
    fillEllipse(p, QPointF(fx, -9), 3, 2, pixel);
    fillPolygon(p, {{fx - 2.5, -9}, {fx - 5.5, -11.5}, {fx - 5.5, -6.5}}, pixel);
    for (int i = 0; i < 3 - variant % 4 && i < 3; ++i)
        p.fillRect(QRectF(6 - i * 3.5, -16, 2, 2), pixel);
    // Cross pad and two buttons.
    p.fillRect(QRectF(-13, 10, 10, 3.4), ink::pupil);
    p.fillRect(QRectF(-9.7, 6.7, 3.4, 10), ink::pupil);
    fillEllipse(p, QPointF(7, 13), 3, 3, ink::red);
    fillEllipse(p, QPointF(13, 9), 3, 3, ink::red);
    p.setPen(roundPen(shellDark, 1.2));
    for (int i = 0; i < 3; ++i)
        p.drawLine(QPointF(6 + i * 3, 20), QPointF(8 + i * 3, 24));
}

void moon(QPainter& p) {
    QPainterPath disc;
    disc.addEllipse(QPointF(-2, 2), 20, 20);
    QPainterPath bite;
    bite.addEllipse(QPointF(8, -5), 17, 17);
    p.fillPath(disc.subtracted(bite), ink::moon);
    // A sleeping face on the crescent.
    p.setPen(roundPen(QColor(0xd8, 0xb8, 0x50), 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(-16, 2, 7, 5), 180 * 16, 180 * 16);
    drawSparkle(p, QPointF(16, 16), 4.5, ink::moon);
    drawSparkle(p, QPointF(22, -18), 3, ink::moon);
    drawSparkle(p, QPointF(-20, -22), 3, ink::moon);
    drawZ(p, QPointF(10, -14), 7, ink::white);
    drawZ(p, QPointF(19, -26), 4.5, ink::white);
}

void syrup(QPainter& p, double amount) {
    const QColor glassBrown{0x9a, 0x4a, 0x2a};
    QPainterPath bottle;
    bottle.moveTo(-6, -24);
    bottle.lineTo(4, -24);
    bottle.lineTo(4, -16);
    bottle.quadTo(14, -12, 14, -2);
    bottle.lineTo(14, 18);
    bottle.quadTo(14, 22, 10, 22);
    bottle.lineTo(-12, 22);
    bottle.quadTo(-16, 22, -16, 18);
    bottle.lineTo(-16, -2);
    bottle.quadTo(-16, -12, -6, -16);
    bottle.closeSubpath();
    p.save();
    p.translate(6, -4);
    p.fillPath(bottle, glassBrown);
    QPainterPath capPath;
    capPath.addRoundedRect(QRectF(-8, -30, 14, 8), 2, 2);
    p.fillPath(capPath, ink::white);
    QPainterPath label;
    label.addRect(QRectF(-13, 0, 24, 14));
    p.fillPath(label, ink::white);
    p.fillRect(QRectF(-3.5, 2, 4, 10), ink::red);
    p.fillRect(QRectF(-6.5, 5, 10, 4), ink::red);
    p.restore();
    drawSpoon(p, QPointF(-14, 20), 64, -12, amount > 0.5);
}

void firstAid(QPainter& p, int variant) {
    const QColor box{0xf2, 0x3e, 0x4c}, boxDark{0xc0, 0x28, 0x38};
    p.setPen(roundPen(boxDark, 4));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(-9, -26, 18, 12), 4, 4);
    QPainterPath body;
    body.addRoundedRect(QRectF(-28, -18, 56, 40), 6, 6);
    p.fillPath(body.translated(0, 2), boxDark);
    p.fillPath(body, box);
    if (variant == 1) {
        // Lid open: the white inside with a roll of bandage.
        QPainterPath inside;
        inside.addRoundedRect(QRectF(-24, -14, 48, 14), 3, 3);
        p.fillPath(inside, ink::white);
        fillEllipse(p, QPointF(-10, -8), 7, 5, QColor(0xf4, 0xf0, 0xe6));
        fillEllipse(p, QPointF(-10, -8), 2.5, 2, ink::grey);
        drawCapsule(p, QPointF(10, -7), 20, 20);
    }
    QPainterPath cross;
    cross.addRoundedRect(QRectF(-5, -6 + (variant == 1 ? 8 : 0), 10, 24 - (variant == 1 ? 8 : 0)),
                         1.5, 1.5);
    cross.addRoundedRect(QRectF(-12, 1 + (variant == 1 ? 4 : 0), 24, 10), 1.5, 1.5);
    p.fillPath(cross.simplified(), ink::white);
}

} // namespace

void drawSpoon(QPainter& p, QPointF bowlCentre, double size, double angle, bool full) {
    const PropSpace space(p, bowlCentre, size, angle);
    const QColor steel{0xc8, 0xd0, 0xdc}, steelDark{0x8e, 0x98, 0xa8};
    p.setPen(roundPen(steelDark, 5));
    p.drawLine(QPointF(9, 0), QPointF(34, 0));
    p.setPen(roundPen(steel, 3));
    p.drawLine(QPointF(9, 0), QPointF(34, 0));
    fillEllipse(p, QPointF(0, 0), 11, 6.5, steelDark);
    fillEllipse(p, QPointF(0, -0.5), 9.5, 5.2, steel);
    if (full)
        fillEllipse(p, QPointF(0, 0), 7.5, 3.8, QColor(0xd8, 0x2e, 0x4a));
}

void drawSyringe(QPainter& p, QPointF tip, double size, double angle, double pushed) {
    const PropSpace space(p, tip, size, angle);
    // Drawn pointing left from the tip.
    const QColor barrel{0xf0, 0xf8, 0xff}, edge{0x7e, 0x9c, 0xc0}, dose{0x6c, 0xd4, 0xc0};
    p.setPen(roundPen(ink::greyDark, 1.6));
    p.drawLine(QPointF(0, 0), QPointF(12, 0));
    QRectF tube(12, -6, 30, 12);
    p.setPen(QPen(edge, 1.6));
    p.setBrush(barrel);
    p.drawRoundedRect(tube, 2, 2);
    const double liquid = 26 * (1 - pushed);
    if (liquid > 0.5)
        p.fillRect(QRectF(13.5, -4.4, liquid, 8.8), dose);
    p.setPen(roundPen(edge, 1.2));
    for (int i = 0; i < 4; ++i)
        p.drawLine(QPointF(18 + i * 6, -6), QPointF(18 + i * 6, -2));
    const double rod = 42 - 26 * pushed + 26;
    p.setPen(QPen(edge, 3.4));
    p.drawLine(QPointF(14 + liquid, 0), QPointF(rod, 0));
    p.setPen(roundPen(edge, 4));
    p.drawLine(QPointF(rod, -7), QPointF(rod, 7));
    p.drawLine(QPointF(42, -9), QPointF(42, 9));
}

void drawCapsule(QPainter& p, QPointF centre, double size, double angle) {
    const PropSpace space(p, centre, size, angle);
    QPainterPath whole;
    whole.addRoundedRect(QRectF(-24, -11, 48, 22), 11, 11);
    QPainterPath half;
    half.addRect(QRectF(0, -12, 26, 24));
    p.fillPath(whole, ink::white);
    p.fillPath(whole.intersected(half), QColor(0xf0, 0x4e, 0x6a));
    p.setPen(QPen(QColor(0xc8, 0xd0, 0xdc), 2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(whole);
    fillEllipse(p, QPointF(-12, -5), 6, 2.2, QColor(0xff, 0xff, 0xff));
}

void drawBandage(QPainter& p, QPointF centre, double size, double angle) {
    const PropSpace space(p, centre, size, angle);
    QPainterPath strip;
    strip.addRoundedRect(QRectF(-28, -9, 56, 18), 9, 9);
    p.fillPath(strip, QColor(0xf6, 0xd2, 0xa8));
    QPainterPath pad;
    pad.addRect(QRectF(-9, -9, 18, 18));
    p.fillPath(pad, QColor(0xfc, 0xee, 0xdc));
    for (int i = 0; i < 3; ++i)
        fillEllipse(p, QPointF(-19 + i * 0, -3 + i * 3), 1, 1, QColor(0xd8, 0xb0, 0x86));
}

void drawProp(QPainter& p, Prop prop, QPointF centre, double size, double amount, int variant) {
    const PropSpace space(p, centre, size);
    switch (prop) {
    case Prop::Fish:
        fish(p, amount);
        break;
    case Prop::Sausage:
        sausage(p, amount);
        break;
    case Prop::CatFood:
        catFood(p, amount);
        break;
    case Prop::Cake:
        cake(p, amount);
        break;
    case Prop::Milk:
        milk(p, amount);
        break;
    case Prop::Water:
        water(p, amount);
        break;
    case Prop::Juice:
        juice(p, amount);
        break;
    case Prop::Cocoa:
        cocoa(p, amount);
        break;
    case Prop::Ball:
        ball(p, variant);
        break;
    case Prop::Yarn:
        yarn(p, variant);
        break;
    case Prop::MouseToy:
        mouseToy(p, variant);
        break;
    case Prop::Gadget:
        gadget(p, variant);
        break;
    case Prop::Moon:
        moon(p);
        break;
    case Prop::Syrup:
        syrup(p, amount);
        break;
    case Prop::Syringe:
        drawSyringe(p, QPointF(-26, 18), 64, -40, 0);
        break;
    case Prop::Pills:
        drawCapsule(p, QPointF(-6, -8), 40, -30);
        drawCapsule(p, QPointF(10, 10), 40, 20);
        fillEllipse(p, QPointF(-14, 14), 8, 8, QColor(0xc8, 0xd0, 0xdc));
        fillEllipse(p, QPointF(-14, 13), 8, 7.4, ink::white);
        p.setPen(roundPen(QColor(0xc8, 0xd0, 0xdc), 1.4));
        p.drawLine(QPointF(-19, 13), QPointF(-9, 13));
        break;
    case Prop::FirstAid:
        firstAid(p, variant);
        break;
    }
}
