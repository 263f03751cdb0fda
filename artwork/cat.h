#pragma once

#include <QPainter>
#include <QPointF>

enum class Eyes {
    Open,    // big round eyes
    Happy,   // closed upward arcs, a smile of the eyes
    Closed,  // closed downward arcs: a blink or sleep
    Sleepy,  // half covered by the lids
    Squeeze, // "> <": something nasty or painful
    Wide,    // startled: bigger whites, small pupils
};

enum class Mouth {
    Smile, // the little "w" under the nose
    Open,  // open to take a bite
    Chew,  // a small round mouth
    Lick,  // tongue out at the side
    Lap,   // tongue straight down, for drinking
    Yuck,  // wavy line with the tongue out
    Ouch,  // wide open cry
    Yawn,  // tall open mouth
};

// Everything that varies between pictures of the sitting cat. Positions are
// in the cat's own units: the origin is on the floor between the front paws,
// and at scale 1 the cat is about 112 px tall.
struct CatPose {
    QPointF at{85, 128};
    double scale = 1.0;
    double breath = 0;       // -1..1, widens the chest a little
    QPointF headShift{0, 0}; // moves the head, e.g. down to a bowl
    double headTilt = 0;     // degrees, clockwise
    Eyes eyes = Eyes::Open;
    QPointF look{0, 0}; // pupil direction, -1..1 on each axis
    Mouth mouth = Mouth::Smile;
    bool blush = true;
    double tail = 0;        // -1..1, swing of the tail tip
    QPointF leftPaw{0, 0};  // offset of the viewer's left front paw
    QPointF rightPaw{0, 0}; // offset of the viewer's right front paw
    double lift = 0;        // the whole cat rises (a jump or a flinch)
    double lean = 0;        // degrees, the whole cat bends towards something
};

// Draws the sitting black cat.
void drawCat(QPainter& p, const CatPose& pose);

// Draws the cat with a thin light rim around its silhouette, so it stays
// visible in a dark room.
void drawCatWithRim(QPainter& p, const CatPose& pose, const QColor& rim);

// The cat curled up asleep on the floor, head on its paws, tail around.
void drawSleepingCat(QPainter& p, QPointF at, double scale, double breath);

// The cat's head alone, centred on the given point; used by the icon.
void drawCatHead(QPainter& p, QPointF centre, double scale);
