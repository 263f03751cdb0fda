#include "core/action_kind.h"
#include "interaction/choice_pictures.h"
#include "pictures.h"
#include "props.h"
#include "style.h"

namespace {

// An action's choices, in the order its choice pictures are named.
struct Family {
    qint16 actionKind;
    QList<Prop> props;
    QColor card;
};

// One card per choice: the family's colour, the thing itself in the middle.
QImage tile(Prop prop, const QColor& colour, int scale) {
    QImage image = canvas(choiceSize, choiceSize, ink::roomDeep, scale);
    QPainter p(&image);
    smooth(p);
    QPainterPath shadow;
    shadow.addRoundedRect(QRectF(3, 4, 59, 59), 9, 9);
    p.fillPath(shadow, QColor(0x0a, 0x1f, 0x1c));
    QPainterPath card;
    card.addRoundedRect(QRectF(3, 2, 59, 59), 9, 9);
    p.fillPath(card, colour);
    QPainterPath sheen;
    sheen.addRoundedRect(QRectF(6, 5, 53, 53), 7, 7);
    p.fillPath(sheen, colour.lighter(106));
    p.setClipPath(card);
    drawProp(p, prop, QPointF(32.5, 32), 52);
    return image;
}

} // namespace

Pictures choicePictures(int scale) {
    const QColor food{0xff, 0xe4, 0xc4}, drink{0xd6, 0xee, 0xff}, play{0xdc, 0xf4, 0xcc},
        sleep{0x2e, 0x3a, 0x6c}, treat{0xdc, 0xf6, 0xee};
    const Family families[] = {
        {kActionEat, {Prop::Fish, Prop::Sausage, Prop::CatFood, Prop::Cake}, food},
        {kActionDrink, {Prop::Milk, Prop::Water, Prop::Juice, Prop::Cocoa}, drink},
        {kActionPlay, {Prop::Ball, Prop::Yarn, Prop::MouseToy, Prop::Gadget}, play},
        {kActionSleep, {Prop::Moon}, sleep},
        {kActionTreat, {Prop::Syrup, Prop::Syringe, Prop::Pills, Prop::FirstAid}, treat},
    };
    Pictures out;
    for (const Family& family : families) {
        // A choice without a prop is left undrawn, which the generator reports.
        const QStringList names = choicePictureNames(family.actionKind);
        for (qsizetype option = 0; option < names.size() && option < family.props.size(); ++option)
            out.push_back({names[option], tile(family.props[option], family.card, scale)});
    }
    return out;
}
