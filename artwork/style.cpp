#include "style.h"

void drawHeart(QPainter& p, QPointF c, double s, const QColor& colour) {
    QPainterPath path;
    path.moveTo(c.x(), c.y() + s * 0.45);
    path.cubicTo(c.x() - s * 0.9, c.y() - s * 0.1, c.x() - s * 0.45, c.y() - s * 0.75, c.x(),
                 c.y() - s * 0.3);
    path.cubicTo(c.x() + s * 0.45, c.y() - s * 0.75, c.x() + s * 0.9, c.y() - s * 0.1, c.x(),
                 c.y() + s * 0.45);
    p.fillPath(path, colour);
}

void drawSparkle(QPainter& p, QPointF c, double s, const QColor& colour) {
    QPainterPath path;
    path.moveTo(c.x(), c.y() - s);
    path.quadTo(c.x(), c.y(), c.x() + s, c.y());
    path.quadTo(c.x(), c.y(), c.x(), c.y() + s);
    path.quadTo(c.x(), c.y(), c.x() - s, c.y());
    path.quadTo(c.x(), c.y(), c.x(), c.y() - s);
    p.fillPath(path, colour);
}

void drawNote(QPainter& p, QPointF at, double s, const QColor& colour) {
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.translate(at);
    p.rotate(-20);
    p.drawEllipse(QPointF(0, 0), s * 0.32, s * 0.24);
    p.restore();
    p.setPen(roundPen(colour, s * 0.13));
    p.setBrush(Qt::NoBrush);
    const QPointF top(at.x() + s * 0.28, at.y() - s * 0.95);
    p.drawLine(QPointF(at.x() + s * 0.28, at.y() - s * 0.05), top);
    QPainterPath flag;
    flag.moveTo(top);
    flag.quadTo(top.x() + s * 0.1, top.y() + s * 0.35, top.x() + s * 0.45, top.y() + s * 0.45);
    p.drawPath(flag);
}

void drawZ(QPainter& p, QPointF at, double s, const QColor& colour) {
    p.setPen(roundPen(colour, s * 0.2));
    p.setBrush(Qt::NoBrush);
    QPainterPath z;
    z.moveTo(at.x() - s * 0.4, at.y() - s * 0.45);
    z.lineTo(at.x() + s * 0.4, at.y() - s * 0.45);
    z.lineTo(at.x() - s * 0.4, at.y() + s * 0.45);
    z.lineTo(at.x() + s * 0.4, at.y() + s * 0.45);
    p.drawPath(z);
}

void drawDrop(QPainter& p, QPointF tip, double s, const QColor& colour) {
    QPainterPath path;
    path.moveTo(tip);
    path.cubicTo(tip.x() + s * 0.2, tip.y() + s * 0.35, tip.x() + s * 0.5, tip.y() + s * 0.55,
                 tip.x() + s * 0.5, tip.y() + s * 0.75);
    path.arcTo(QRectF(tip.x() - s * 0.5, tip.y() + s * 0.25, s, s), 0, -180);
    path.cubicTo(tip.x() - s * 0.5, tip.y() + s * 0.55, tip.x() - s * 0.2, tip.y() + s * 0.35,
                 tip.x(), tip.y());
    p.fillPath(path, colour);
}
