#include "pictures.h"
#include "props.h"
#include "style.h"

namespace {

struct Tile {
    const char* name;
    Prop prop;
    QColor card;
};

// One card per choice: the family's colour, the thing itself in the middle.
QImage tile(const Tile& t, int scale) {
    QImage image = canvas(choiceSize, choiceSize, ink::roomDeep, scale);
    QPainter p(&image);
    smooth(p);
    QPainterPath shadow;
    shadow.addRoundedRect(QRectF(3, 4, 59, 59), 9, 9);
    p.fillPath(shadow, QColor(0x0a, 0x1f, 0x1c));
    QPainterPath card;
    card.addRoundedRect(QRectF(3, 2, 59, 59), 9, 9);
    p.fillPath(card, t.card);
    QPainterPath sheen;
    sheen.addRoundedRect(QRectF(6, 5, 53, 53), 7, 7);
    p.fillPath(sheen, t.card.lighter(106));
    p.setClipPath(card);
    drawProp(p, t.prop, QPointF(32.5, 32), 52);
    return image;
}

} // namespace

Pictures choicePictures(int scale) {
    const QColor food{0xff, 0xe4, 0xc4}, drink{0xd6, 0xee, 0xff}, play{0xdc, 0xf4, 0xcc},
        sleep{0x2e, 0x3a, 0x6c}, treat{0xdc, 0xf6, 0xee};
    const Tile tiles[] = {
        {"f0.gif", Prop::Fish, food},      {"f1.gif", Prop::Sausage, food},
        {"f2.gif", Prop::CatFood, food},   {"f3.gif", Prop::Cake, food},
        {"d0.gif", Prop::Milk, drink},     {"d1.gif", Prop::Water, drink},
        {"d2.gif", Prop::Juice, drink},    {"d3.gif", Prop::Cocoa, drink},
        {"pl0.gif", Prop::Ball, play},     {"pl1.gif", Prop::Yarn, play},
        {"pl2.gif", Prop::MouseToy, play}, {"pl3.gif", Prop::Gadget, play},
        {"sl0.gif", Prop::Moon, sleep},    {"t0.gif", Prop::Syrup, treat},
        {"t1.gif", Prop::Syringe, treat},  {"t2.gif", Prop::Pills, treat},
        {"t3.gif", Prop::FirstAid, treat},
    };
    Pictures out;
    for (const Tile& t : tiles)
        out.push_back({t.name, tile(t, scale)});
    return out;
}
