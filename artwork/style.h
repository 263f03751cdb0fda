#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <initializer_list>

// The one flat palette every picture shares, so the cat, the props and the
// rooms look like parts of one world.
namespace ink {
inline const QColor fur{0x1f, 0x1e, 0x28};
inline const QColor furSheen{0x3a, 0x39, 0x4a};
inline const QColor furLine{0x8e, 0x8c, 0xa6};
inline const QColor earPink{0xe8, 0x94, 0xa8};
inline const QColor nosePink{0xff, 0x8f, 0xab};
inline const QColor blush{0x7a, 0x3e, 0x5c};
inline const QColor eyeYellow{0xff, 0xd4, 0x3b};
inline const QColor eyeRim{0xd9, 0x9a, 0x12};
inline const QColor pupil{0x14, 0x12, 0x1c};
inline const QColor white{0xff, 0xff, 0xff};
inline const QColor mouth{0x8a, 0x22, 0x3a};
inline const QColor tongue{0xff, 0x7a, 0x98};

inline const QColor wall{0xf7, 0xee, 0xdc};
inline const QColor wallDots{0xee, 0xe0, 0xc6};
inline const QColor floorWood{0xd8, 0xb0, 0x82};
inline const QColor floorLine{0xc4, 0x98, 0x6a};
inline const QColor rug{0x8f, 0xcf, 0xb4};
inline const QColor rugEdge{0x6d, 0xb5, 0x98};
inline const QColor sky{0xbf, 0xe6, 0xff};
inline const QColor frameWhite{0xff, 0xfb, 0xf2};

inline const QColor night{0x26, 0x2f, 0x52};
inline const QColor nightFloor{0x1b, 0x21, 0x3c};
inline const QColor nightSky{0x12, 0x1a, 0x3a};
inline const QColor moon{0xff, 0xf0, 0xa8};
inline const QColor rim{0x5c, 0x68, 0x9c};

inline const QColor room{0x17, 0x3f, 0x3a};
inline const QColor roomStripe{0x1b, 0x47, 0x41};
inline const QColor roomDeep{0x0f, 0x2c, 0x29};
inline const QColor wood{0xb9, 0x84, 0x4e};
inline const QColor woodLight{0xd9, 0xa8, 0x6c};
inline const QColor woodDark{0x7e, 0x55, 0x2e};

inline const QColor red{0xe8, 0x4a, 0x4a};
inline const QColor redDark{0xb8, 0x30, 0x36};
inline const QColor orange{0xff, 0x9f, 0x2e};
inline const QColor blue{0x4a, 0x9c, 0xf0};
inline const QColor blueLight{0xa8, 0xd8, 0xff};
inline const QColor green{0x3c, 0xb8, 0x6a};
inline const QColor brown{0x8a, 0x55, 0x2e};
inline const QColor brownDark{0x5e, 0x38, 0x1c};
inline const QColor grey{0xb4, 0xbc, 0xc8};
inline const QColor greyDark{0x6e, 0x78, 0x88};
inline const QColor heart{0xff, 0x5a, 0x7e};
inline const QColor sparkle{0xff, 0xe0, 0x5a};
} // namespace ink

// A picture w x h units in size, with scale x scale pixels to a unit. A painter
// on it draws in units, so the same drawing at scale 2 comes out with finer
// lines and details rather than bigger ones.
inline QImage canvas(int w, int h, const QColor& fill, int scale) {
    QImage image(w * scale, h * scale, QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    image.fill(fill);
    return image;
}

inline void smooth(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
}

inline void fillPath(QPainter& p, const QPainterPath& path, const QColor& c) {
    p.fillPath(path, c);
}

// A closed shape through the corners, in order.
inline void fillPolygon(QPainter& p, std::initializer_list<QPointF> corners, const QColor& c) {
    QPainterPath path;
    path.moveTo(*corners.begin());
    for (auto corner = corners.begin() + 1; corner != corners.end(); ++corner)
        path.lineTo(*corner);
    path.closeSubpath();
    p.fillPath(path, c);
}

inline void fillEllipse(QPainter& p, QPointF centre, double rx, double ry, const QColor& c) {
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawEllipse(centre, rx, ry);
}

inline QPen roundPen(const QColor& c, double width) {
    return QPen(c, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// Small decorations used in several scenes.
void drawHeart(QPainter& p, QPointF centre, double size, const QColor& c = ink::heart);
void drawSparkle(QPainter& p, QPointF centre, double size, const QColor& c = ink::sparkle);
void drawNote(QPainter& p, QPointF at, double size, const QColor& c);
void drawZ(QPainter& p, QPointF at, double size, const QColor& c);
void drawDrop(QPainter& p, QPointF tip, double size, const QColor& c);
