#include "cat.h"
#include "style.h"

#include <QPaintDevice>

#include <cmath>

namespace {

const QColor chest{0x29, 0x28, 0x35};

struct Face {
    Eyes eyes = Eyes::Open;
    QPointF look{0, 0};
    Mouth mouth = Mouth::Smile;
    bool blush = true;
};

void drawEar(QPainter& p, double side) {
    QPainterPath outer;
    outer.moveTo(side * 35, -8);
    outer.quadTo(side * 33, -34, side * 29, -46);
    outer.quadTo(side * 26, -48, side * 22, -44);
    outer.quadTo(side * 14, -36, side * 6, -27);
    outer.closeSubpath();
    p.setPen(roundPen(ink::fur, 3));
    p.setBrush(ink::fur);
    p.drawPath(outer);
    QPainterPath inner;
    inner.moveTo(side * 29, -18);
    inner.quadTo(side * 28, -33, side * 26, -39);
    inner.quadTo(side * 19, -34, side * 13, -27);
    inner.closeSubpath();
    p.setPen(roundPen(ink::earPink, 2));
    p.setBrush(ink::earPink);
    p.drawPath(inner);
}

void drawEye(QPainter& p, double side, const Face& face) {
    const QPointF e(side * 15, -1);
    p.setBrush(Qt::NoBrush);
    switch (face.eyes) {
    case Eyes::Open:
    case Eyes::Sleepy:
    case Eyes::Wide: {
        const bool wide = face.eyes == Eyes::Wide;
        const double rx = wide ? 12.5 : 11.5, ry = wide ? 13.5 : 12.5;
        fillEllipse(p, e, rx + 1.3, ry + 1.3, ink::eyeRim);
        fillEllipse(p, e, rx, ry, ink::eyeYellow);
        const QPointF look(face.look.x() * 3.6, face.look.y() * 3.6);
        if (wide) {
            fillEllipse(p, e + look, 3.6, 4.4, ink::pupil);
        } else {
            fillEllipse(p, e + look, 7, 9.6, ink::pupil);
        }
        fillEllipse(p, e + look * 0.6 + QPointF(-3.6, -4.8), 3.6, 3.6, ink::white);
        fillEllipse(p, e + look * 0.6 + QPointF(3.2, 3.6), 1.5, 1.5, ink::white);
        if (face.eyes == Eyes::Sleepy) {
            QPainterPath eye;
            eye.addEllipse(e, rx + 1.6, ry + 1.6);
            QPainterPath lid;
            lid.addRect(QRectF(e.x() - 14, e.y() - 16, 28, 16.5));
            p.fillPath(eye.intersected(lid), ink::fur);
            p.setPen(roundPen(ink::furLine, 2));
            p.drawLine(QPointF(e.x() - rx, e.y() + 0.5), QPointF(e.x() + rx, e.y() + 0.5));
        }
        break;
    }
    case Eyes::Happy: {
        QPainterPath arc;
        arc.moveTo(e.x() - 8, e.y() + 3);
        arc.quadTo(e.x(), e.y() - 9, e.x() + 8, e.y() + 3);
        p.setPen(roundPen(ink::eyeYellow, 3));
        p.drawPath(arc);
        break;
    }
    case Eyes::Closed: {
        QPainterPath arc;
        arc.moveTo(e.x() - 8, e.y());
        arc.quadTo(e.x(), e.y() + 7, e.x() + 8, e.y());
        p.setPen(roundPen(ink::furLine, 2.6));
        p.drawPath(arc);
        break;
    }
    case Eyes::Squeeze: {
        QPainterPath v;
        v.moveTo(e.x() - side * 7, e.y() - 7);
        v.lineTo(e.x() + side * 5, e.y());
        v.lineTo(e.x() - side * 7, e.y() + 7);
        p.setPen(roundPen(ink::furLine, 2.8));
        p.drawPath(v);
        break;
    }
    }
}

void drawMouth(QPainter& p, Mouth mouth) {
    p.setBrush(Qt::NoBrush);
    const QPen line = roundPen(ink::furLine, 1.6);
    auto smile = [&]() {
        QPainterPath w;
        w.moveTo(-7, 14);
        w.quadTo(-4, 18.5, 0, 14.5);
        w.quadTo(4, 18.5, 7, 14);
        p.setPen(line);
        p.drawPath(w);
    };
    switch (mouth) {
    case Mouth::Smile:
        smile();
        break;
    case Mouth::Open:
        fillEllipse(p, QPointF(0, 18), 6.5, 6, ink::mouth);
        fillEllipse(p, QPointF(0, 21), 4, 2.6, ink::tongue);
        break;
    case Mouth::Chew:
        smile();
        fillEllipse(p, QPointF(0, 18.5), 2.6, 2.2, ink::mouth);
        break;
    case Mouth::Lick:
        fillEllipse(p, QPointF(5, 18.5), 3.6, 4.2, ink::tongue);
        smile();
        break;
    case Mouth::Lap: {
        QPainterPath t;
        t.addRoundedRect(QRectF(-3.6, 14, 7.2, 12), 3.6, 3.6);
        p.fillPath(t, ink::tongue);
        smile();
        break;
    }
    case Mouth::Yuck: {
        fillEllipse(p, QPointF(3, 21), 3.4, 4.4, ink::tongue);
        QPainterPath wave;
        wave.moveTo(-9, 17);
        wave.quadTo(-6.75, 14, -4.5, 17);
        wave.quadTo(-2.25, 20, 0, 17);
        wave.quadTo(2.25, 14, 4.5, 17);
        wave.quadTo(6.75, 20, 9, 17);
        p.setPen(line);
        p.drawPath(wave);
        break;
    }
    case Mouth::Ouch:
        fillEllipse(p, QPointF(0, 19), 7.5, 7.5, ink::mouth);
        fillEllipse(p, QPointF(0, 23), 4.6, 2.8, ink::tongue);
        break;
    case Mouth::Yawn:
        fillEllipse(p, QPointF(0, 20), 6, 9, ink::mouth);
        fillEllipse(p, QPointF(0, 25), 4, 3, ink::tongue);
        break;
    }
}

// The head in its own units: an oval of 76 x 62 around the origin.
void drawHead(QPainter& p, const Face& face) {
    drawEar(p, -1);
    drawEar(p, 1);
    QPainterPath head;
    head.moveTo(0, -31);
    head.cubicTo(26, -31, 39, -16, 39, 2);
    head.cubicTo(39, 20, 24, 30, 0, 30);
    head.cubicTo(-24, 30, -39, 20, -39, 2);
    head.cubicTo(-39, -16, -26, -31, 0, -31);
    p.fillPath(head, ink::fur);
    p.setBrush(Qt::NoBrush);
    p.setPen(roundPen(ink::furSheen, 3));
    p.drawArc(QRectF(-32, -25, 64, 50), 100 * 16, 45 * 16);
    p.drawArc(QRectF(-32, -25, 64, 50), 153 * 16, 8 * 16);

    if (face.blush) {
        fillEllipse(p, QPointF(-26, 12), 6.5, 3.6, ink::blush);
        fillEllipse(p, QPointF(26, 12), 6.5, 3.6, ink::blush);
    }
    drawEye(p, -1, face);
    drawEye(p, 1, face);

    p.setPen(roundPen(ink::furLine, 1.1));
    for (double side : {-1.0, 1.0}) {
        p.drawLine(QPointF(side * 23, 8), QPointF(side * 46, 3));
        p.drawLine(QPointF(side * 23, 11.5), QPointF(side * 47, 12));
        p.drawLine(QPointF(side * 23, 15), QPointF(side * 44, 20));
    }
    drawMouth(p, face.mouth);
    QPainterPath nose;
    nose.moveTo(-4.5, 8);
    nose.lineTo(4.5, 8);
    nose.lineTo(0, 12.5);
    nose.closeSubpath();
    p.setPen(roundPen(ink::nosePink, 2.2));
    p.setBrush(ink::nosePink);
    p.drawPath(nose);
}

void drawLeg(QPainter& p, QPointF shoulder, QPointF paw) {
    p.setBrush(Qt::NoBrush);
    p.setPen(roundPen(ink::furSheen, 14));
    p.drawLine(shoulder, paw);
    p.setPen(roundPen(ink::fur, 11));
    p.drawLine(shoulder, paw);
    p.setPen(QPen(ink::furSheen, 1.6));
    p.setBrush(ink::fur);
    p.drawEllipse(paw + QPointF(0, 1), 8, 5.6);
    p.setPen(roundPen(ink::furLine, 1.1));
    p.drawLine(paw + QPointF(-2.6, 2.5), paw + QPointF(-2.6, 5));
    p.drawLine(paw + QPointF(2.6, 2.5), paw + QPointF(2.6, 5));
}

} // namespace

void drawCat(QPainter& p, const CatPose& pose) {
    p.save();
    p.translate(pose.at);
    p.scale(pose.scale, pose.scale);
    p.translate(0, -pose.lift);
    p.translate(0, -8);
    p.rotate(pose.lean);
    p.translate(0, 8);

    // Tail first: it lies behind the body and swings from the right haunch.
    const double t = pose.tail;
    QPainterPath tail;
    tail.moveTo(24, -8);
    tail.cubicTo(52, -4, 58 + 6 * t, -28, 46 + 16 * t, -50 + 3 * std::abs(t));
    tail.quadTo(43 + 18 * t, -56, 38 + 22 * t, -54);
    p.setBrush(Qt::NoBrush);
    p.setPen(roundPen(ink::furSheen, 13));
    p.drawPath(tail);
    p.setPen(roundPen(ink::fur, 10));
    p.drawPath(tail);

    const double widen = 1.0 + 0.045 * pose.breath;
    QPainterPath body;
    body.moveTo(0, -66);
    body.cubicTo(-23 * widen, -66, -35 * widen, -30, -34 * widen, -11);
    body.cubicTo(-34 * widen, -2, -27, 0, -18, 0);
    body.lineTo(18, 0);
    body.cubicTo(27, 0, 34 * widen, -2, 34 * widen, -11);
    body.cubicTo(35 * widen, -30, 23 * widen, -66, 0, -66);
    p.fillPath(body, ink::fur);
    fillEllipse(p, QPointF(0, -27), 13 * widen, 20, chest);
    // Hind feet peeking out at the sides.
    p.setPen(QPen(ink::furSheen, 1.4));
    p.setBrush(ink::fur);
    p.drawEllipse(QPointF(-28, -4), 10, 5);
    p.drawEllipse(QPointF(28, -4), 10, 5);

    drawLeg(p, QPointF(-10, -42), QPointF(-10, -6) + pose.leftPaw);
    drawLeg(p, QPointF(10, -42), QPointF(10, -6) + pose.rightPaw);

    // A big head on a small body: that is what makes the cat a kitten.
    p.translate(QPointF(0, -82) + pose.headShift);
    p.rotate(pose.headTilt);
    p.scale(1.1, 1.1);
    drawHead(p, Face{pose.eyes, pose.look, pose.mouth, pose.blush});
    p.restore();
}

void drawCatWithRim(QPainter& p, const CatPose& pose, const QColor& rim) {
    QImage layer(p.device()->width(), p.device()->height(), QImage::Format_ARGB32_Premultiplied);
    layer.setDevicePixelRatio(p.device()->devicePixelRatio());
    layer.fill(Qt::transparent);
    {
        QPainter lp(&layer);
        smooth(lp);
        lp.setTransform(p.worldTransform());
        drawCat(lp, pose);
    }
    QImage tint = layer;
    {
        QPainter tp(&tint);
        tp.setCompositionMode(QPainter::CompositionMode_SourceIn);
        tp.fillRect(tint.rect(), rim);
    }
    p.save();
    p.resetTransform();
    const QPoint offsets[] = {{2, 0}, {-2, 0}, {0, 2}, {0, -2}, {1, 1}, {-1, 1}, {1, -1}, {-1, -1}};
    for (const QPoint& o : offsets)
        p.drawImage(o, tint);
    p.drawImage(QPoint(0, 0), layer);
    p.restore();
}

void drawSleepingCat(QPainter& p, QPointF at, double scale, double breath) {
    p.save();
    p.translate(at);
    p.scale(scale, scale);
    const double puff = 1.0 + 0.05 * breath;

    fillEllipse(p, QPointF(8, -19 * puff), 42, 19 * puff, ink::fur);
    fillEllipse(p, QPointF(30, -22 * puff), 17, 17 * puff, ink::fur);
    p.setBrush(Qt::NoBrush);
    p.setPen(roundPen(ink::furSheen, 3));
    p.drawArc(QRectF(-20, -36 * puff, 66, 30 * puff), 40 * 16, 70 * 16);
    // The tail wraps round the front.
    QPainterPath tail;
    tail.moveTo(44, -10);
    tail.cubicTo(58, 2, 20, 5, -30, 0);
    p.setPen(roundPen(ink::furSheen, 12));
    p.drawPath(tail);
    p.setPen(roundPen(ink::fur, 9));
    p.drawPath(tail);

    p.setPen(QPen(ink::furSheen, 1.6));
    p.setBrush(ink::fur);
    p.drawEllipse(QPointF(-42, -4), 9, 5);
    p.drawEllipse(QPointF(-24, -3), 9, 5);

    p.translate(-30, -26);
    p.rotate(-8);
    p.scale(0.72, 0.72);
    drawHead(p, Face{Eyes::Closed, {0, 0}, Mouth::Smile, true});
    p.restore();
}

void drawCatHead(QPainter& p, QPointF centre, double scale) {
    p.save();
    p.translate(centre);
    p.scale(scale, scale);
    drawHead(p, Face{Eyes::Open, {0, 0.1}, Mouth::Smile, false});
    p.restore();
}
