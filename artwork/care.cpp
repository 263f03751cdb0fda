#include "animation/frame_table.h"
#include "cat.h"
#include "core/action_kind.h"
#include "core/idle_pictures.h"
#include "pictures.h"
#include "props.h"
#include "style.h"

#include <functional>

namespace {

constexpr double actionScale = 0.86;
// How far the cat rises in a jump or a flinch, in its own units: the most
// that keeps its ear tips a few pixels below the top of the pet's box.
constexpr double jumpLift = 8;
const QPointF catSpot{62, floorY};
const QPointF propSpot{122, floorY - 24};
constexpr double propSize = 52;

// Draws one picture of the pet in its room, at the scale of the set it is for.
struct Scene {
    int scale;
    QImage operator()(RoomLight light, Switch lightSwitch,
                      const std::function<void(QPainter&)>& draw) const {
        QImage image = canvas(petWidth, petHeight, ink::wall, scale);
        QPainter p(&image);
        smooth(p);
        drawRoom(p, light, lightSwitch);
        draw(p);
        return image;
    }
};

CatPose actionPose() {
    CatPose pose;
    pose.at = catSpot;
    pose.scale = actionScale;
    return pose;
}

// Frames are counted from 0 here, ticks of the run from 1.
QString frameName(qint16 actionKind, int option, int frame) {
    return frameFileName(actionKind, qint16(option), qint16(frame + 1));
}

void hearts(QPainter& p, int count, QPointF from) {
    for (int i = 0; i < count; ++i)
        drawHeart(p, from + QPointF(i * 13, -(i % 2) * 10), 10 - i);
}

void sparkles(QPainter& p, QPointF around, int frame) {
    const QPointF spots[] = {{-20, -10}, {18, -22}, {26, 6}, {-14, 16}};
    for (int i = 0; i < 4; ++i)
        if ((i + frame) % 2 == 0 || i == 3)
            drawSparkle(p, around + spots[i], 4 + (i % 2) * 2);
}

// The head's movements while eating or drinking from something on the floor.
struct Bite {
    double amount;
    double lean;
    QPointF headShift;
    double tilt;
    Eyes eyes;
    Mouth mouth;
    QPointF look;
    double tail;
};

// The cat at one step of eating or drinking; leaning in, its head goes
// further to reach the food or drink in front of it.
CatPose bitePose(const Bite& b, QPointF reach, int frame) {
    CatPose pose = actionPose();
    pose.lean = b.lean;
    pose.headShift = b.headShift + (b.lean > 0 ? reach : QPointF());
    pose.headTilt = b.tilt;
    pose.eyes = b.eyes;
    pose.mouth = b.mouth;
    pose.look = b.look;
    pose.tail = b.tail;
    pose.breath = frame % 2;
    return pose;
}

Pictures eating(int scale) {
    const Scene scene{scale};
    const Prop foods[] = {Prop::Fish, Prop::Sausage, Prop::CatFood, Prop::Cake};
    const Bite steps[] = {
        {1.0, 0, {0, 0}, 0, Eyes::Open, Mouth::Smile, {1, 0.6}, -0.6},
        {0.66, 10, {31, 26}, -12, Eyes::Happy, Mouth::Open, {1, 1}, -0.8},
        {0.33, 4, {12, 6}, -4, Eyes::Happy, Mouth::Chew, {0, 0}, -0.5},
        {0.0, 0, {0, -2}, -6, Eyes::Happy, Mouth::Lick, {0, 0}, -0.6},
    };
    // How much further down or up the head goes to reach each food.
    const QPointF reach[] = {{0, 10}, {0, 8}, {0, 4}, {-2, -4}};
    Pictures out;
    for (int option = 0; option < 4; ++option) {
        for (int frame = 0; frame < 4; ++frame) {
            const Bite& b = steps[frame];
            out.push_back({frameName(kActionEat, option, frame),
                           scene(RoomLight::Day, Switch::None, [&](QPainter& p) {
                               drawProp(p, foods[option], propSpot, propSize, b.amount);
                               CatPose pose = bitePose(b, reach[option], frame);
                               pose.rightPaw = frame == 0 ? QPointF(4, -2) : QPointF(0, 0);
                               drawCat(p, pose);
                               if (frame == 2)
                                   fillEllipse(p, QPointF(92, 96), 1.8, 1.4, ink::woodLight);
                               // A plain thanks gets one heart, the relished
                               // bowl and the cake many, with sparkles.
                               const bool relish = option == 2 || option == 3;
                               if (frame == 3)
                                   hearts(p, relish ? 3 : 1, QPointF(98, 30));
                               if (relish && frame >= 1)
                                   sparkles(p, QPointF(128, 58), frame);
                               if (option == 2 && frame == 2)
                                   hearts(p, 2, QPointF(100, 22));
                           })});
        }
    }
    return out;
}

Pictures drinking(int scale) {
    const Scene scene{scale};
    const Prop drinks[] = {Prop::Milk, Prop::Water, Prop::Juice, Prop::Cocoa};
    const Bite steps[] = {
        {1.0, 0, {0, 0}, 0, Eyes::Open, Mouth::Smile, {1, 0.6}, -0.6},
        {0.7, 10, {30, 22}, -12, Eyes::Closed, Mouth::Lap, {1, 1}, -0.8},
        {0.4, 12, {32, 28}, -16, Eyes::Happy, Mouth::Lap, {1, 1}, -0.4},
        {0.1, 0, {0, -2}, -5, Eyes::Happy, Mouth::Lick, {0, 0}, -0.5},
    };
    const QPointF reach[] = {{-6, 14}, {0, 10}, {2, -8}, {0, 0}};
    // Where the tongue meets each drink, for the splashes.
    const QPointF surface[] = {{108, 118}, {122, 106}, {124, 88}, {121, 94}};
    const QColor moustache[] = {ink::white, QColor(0x8e, 0xd0, 0xff), ink::orange,
                                QColor(0x7a, 0x46, 0x24)};
    Pictures out;
    for (int option = 0; option < 4; ++option) {
        for (int frame = 0; frame < 4; ++frame) {
            const Bite& b = steps[frame];
            out.push_back({frameName(kActionDrink, option, frame),
                           scene(RoomLight::Day, Switch::None, [&](QPainter& p) {
                               drawProp(p, drinks[option], propSpot, propSize, b.amount);
                               CatPose pose = bitePose(b, reach[option], frame);
                               drawCat(p, pose);
                               if (frame == 1 || frame == 2) {
                                   // Splashes where the tongue meets the drink.
                                   for (int i = 0; i < 3; ++i)
                                       drawDrop(
                                           p,
                                           surface[option] +
                                               QPointF(6 + i * 6, -8 - (i % 2) * 5 - frame * 2),
                                           4, moustache[option == 0 ? 1 : option]);
                               }
                               if (frame == 3) {
                                   // A drop of the drink left on the lip.
                                   fillEllipse(p, QPointF(60.5, 74.5), 4.4, 1.8, moustache[option]);
                                   const bool delight = option != 1;
                                   hearts(p, delight ? 2 : 1, QPointF(98, 30));
                               }
                           })});
        }
    }
    return out;
}

void motionArc(QPainter& p, QPointF from, QPointF to, const QColor& c) {
    p.setPen(QPen(c, 1.6, Qt::DashLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath arc;
    arc.moveTo(from);
    arc.quadTo((from + to) / 2 + QPointF(0, -20), to);
    p.drawPath(arc);
}

Pictures playing(int scale) {
    const Scene scene{scale};
    Pictures out;
    const QColor trail{0xc8, 0xa8, 0x7c};
    // Ball: watched, batted up, chased in a jump, caught bouncing.
    const QPointF ballAt[] = {{126, 110}, {118, 58}, {146, 28}, {140, 112}};
    for (int frame = 0; frame < 4; ++frame) {
        out.push_back({frameName(kActionPlay, 0, frame),
                       scene(RoomLight::Day, Switch::None, [&](QPainter& p) {
                           CatPose pose = actionPose();
                           const QPointF ball = ballAt[frame];
                           const QPointF eye = pose.at + QPointF(0, -69);
                           const QPointF dir = ball - eye;
                           pose.look = QPointF(std::clamp(dir.x() / 40, -1.0, 1.0),
                                               std::clamp(dir.y() / 40, -1.0, 1.0));
                           pose.tail = frame % 2 ? -0.8 : 0.8;
                           if (frame == 1) {
                               pose.rightPaw = {20, -34};
                               pose.mouth = Mouth::Open;
                           } else if (frame == 2) {
                               pose.lift = jumpLift;
                               pose.leftPaw = {-6, -30};
                               pose.rightPaw = {16, -44};
                               pose.mouth = Mouth::Open;
                               // Tilted more, the head lifts its left ear past the top.
                               pose.headTilt = 4;
                           } else if (frame == 3) {
                               pose.eyes = Eyes::Happy;
                               pose.rightPaw = {12, -6};
                           }
                           drawCat(p, pose);
                           if (frame > 0)
                               motionArc(p, ballAt[frame - 1], ball, trail);
                           if (frame == 3) {
                               p.setPen(roundPen(trail, 1.6));
                               p.drawLine(ball + QPointF(-16, 12), ball + QPointF(-20, 16));
                               p.drawLine(ball + QPointF(16, 12), ball + QPointF(20, 16));
                               sparkles(p, QPointF(96, 40), frame);
                           }
                           drawProp(p, Prop::Ball, ball, 30, 1, frame);
                       })});
    }
    // Yarn: the ball rolls away and the thread ends up round the cat.
    const QPointF yarnAt[] = {{118, 114}, {134, 114}, {150, 112}, {142, 115}};
    for (int frame = 0; frame < 4; ++frame) {
        out.push_back({frameName(kActionPlay, 1, frame),
                       scene(RoomLight::Day, Switch::None, [&](QPainter& p) {
                           const QPointF yarn = yarnAt[frame];
                           const QColor thread{0xd9, 0x5c, 0x92};
                           CatPose pose = actionPose();
                           pose.look = {1, 0.7};
                           pose.tail = frame % 2 ? 1.0 : -0.4;
                           pose.rightPaw = frame == 1 ? QPointF(22, -14) : QPointF(8, 0);
                           if (frame == 2) {
                               pose.lift = 6;
                               pose.mouth = Mouth::Open;
                               pose.rightPaw = {20, -20};
                               pose.leftPaw = {8, -16};
                           }
                           if (frame == 3) {
                               pose.eyes = Eyes::Happy;
                               pose.mouth = Mouth::Open;
                               pose.look = {0, 0};
                           }
                           drawCat(p, pose);
                           p.setPen(roundPen(thread, 1.8));
                           p.setBrush(Qt::NoBrush);
                           QPainterPath line;
                           const QPointF paw = pose.at +
                                               (QPointF(10, -6) + pose.rightPaw) * actionScale -
                                               QPointF(0, pose.lift * actionScale);
                           line.moveTo(paw);
                           line.cubicTo(paw + QPointF(10, 14 - frame * 4),
                                        yarn + QPointF(-18, -10 + frame * 3),
                                        yarn + QPointF(-8, 6));
                           p.drawPath(line);
                           if (frame == 3) {
                               // Tangled: loops of thread round the body.
                               p.drawEllipse(QPointF(62, 100), 30, 8);
                               p.drawEllipse(QPointF(60, 108), 26, 6);
                               sparkles(p, QPointF(100, 40), frame);
                           }
                           drawProp(p, Prop::Yarn, yarn, 26 - frame * 1.5, 1, frame);
                       })});
    }
    // Mouse on a string: it swings, the cat reaches, jumps and catches it.
    const QPointF mouseAt[] = {{128, 70}, {104, 60}, {140, 62}, {80, 92}};
    for (int frame = 0; frame < 4; ++frame) {
        out.push_back({frameName(kActionPlay, 2, frame),
                       scene(RoomLight::Day, Switch::None, [&](QPainter& p) {
                           const QPointF mouse = mouseAt[frame];
                           const QPointF stick(150, 8);
                           p.setPen(roundPen(ink::woodDark, 3.4));
                           p.drawLine(QPointF(172, -2), stick);
                           CatPose pose = actionPose();
                           const QPointF dir = mouse - (pose.at + QPointF(0, -69));
                           pose.look = QPointF(std::clamp(dir.x() / 40, -1.0, 1.0),
                                               std::clamp(dir.y() / 40, -1.0, 1.0));
                           pose.tail = frame % 2 ? -0.7 : 0.9;
                           if (frame == 1) {
                               pose.rightPaw = {14, -40};
                           } else if (frame == 2) {
                               pose.lift = jumpLift;
                               pose.leftPaw = {4, -40};
                               pose.rightPaw = {24, -46};
                               pose.mouth = Mouth::Open;
                           } else if (frame == 3) {
                               pose.eyes = Eyes::Happy;
                               pose.mouth = Mouth::Open;
                               pose.leftPaw = {12, -20};
                               pose.rightPaw = {12, -24};
                           }
                           p.setPen(roundPen(ink::greyDark, 1.2));
                           p.drawLine(stick, mouse + QPointF(0, -6));
                           drawCat(p, pose);
                           if (frame > 0 && frame < 3)
                               motionArc(p, mouseAt[frame - 1], mouse, trail);
                           p.save();
                           p.translate(mouse);
                           p.scale(0.55, 0.55);
                           drawProp(p, Prop::MouseToy, QPointF(4, -14), 64, 1, frame);
                           p.restore();
                           if (frame == 3)
                               sparkles(p, QPointF(110, 40), frame);
                       })});
    }
    // The electronic game: it beeps on the first and the last frame.
    for (int frame = 0; frame < 4; ++frame) {
        out.push_back({frameName(kActionPlay, 3, frame),
                       scene(RoomLight::Day, Switch::None, [&](QPainter& p) {
                           CatPose pose;
                           pose.at = {85, floorY};
                           pose.scale = actionScale;
                           pose.look = {0, 1};
                           pose.leftPaw = {6, frame == 1 ? -23.0 : -20.0};
                           pose.rightPaw = {-6, frame == 2 ? -23.0 : -20.0};
                           pose.tail = frame % 2 ? 0.6 : -0.6;
                           pose.headTilt = frame == 2 ? 8 : frame == 1 ? -6 : 0;
                           pose.mouth = frame == 3 ? Mouth::Smile : Mouth::Chew;
                           pose.eyes = frame == 3 ? Eyes::Happy : Eyes::Open;
                           drawCat(p, pose);
                           drawProp(p, Prop::Gadget, QPointF(85, 98), 30, 1, frame);
                           if (frame == 0 || frame == 3) {
                               drawNote(p, QPointF(112, 70), 14, ink::blue);
                               drawNote(p, QPointF(126, 52), 11, ink::heart);
                               drawNote(p, QPointF(48, 62), 10, ink::green);
                           }
                       })});
    }
    return out;
}

Pictures treating(int scale) {
    const Scene scene{scale};
    Pictures out;
    const QColor yuckGreen{0x6c, 0xc0, 0x5a};
    // Syrup: the spoon comes, then the face of a cat who tasted it.
    for (int frame = 0; frame < 2; ++frame) {
        out.push_back({frameName(kActionTreat, 0, frame),
                       scene(RoomLight::Day, Switch::None, [&](QPainter& p) {
                           drawProp(p, Prop::Syrup, QPointF(132, floorY - 22), 44, 0);
                           CatPose pose = actionPose();
                           if (frame == 0) {
                               pose.look = {1, 0.8};
                               pose.mouth = Mouth::Open;
                               drawCat(p, pose);
                               drawSpoon(p, QPointF(80, 80), 44, -10, true);
                               drawDrop(p, QPointF(34, 34), 8, ink::blueLight);
                           } else {
                               pose.eyes = Eyes::Squeeze;
                               pose.mouth = Mouth::Yuck;
                               pose.headTilt = -8;
                               pose.tail = 1;
                               pose.blush = false;
                               drawCat(p, pose);
                               p.setPen(roundPen(yuckGreen, 2));
                               p.setBrush(Qt::NoBrush);
                               for (int i = 0; i < 3; ++i) {
                                   QPainterPath w;
                                   const double x = 24 + i * 36, y = 24 + (i % 2) * 6;
                                   w.moveTo(x, y);
                                   w.quadTo(x + 3, y - 4, x + 6, y);
                                   w.quadTo(x + 9, y + 4, x + 12, y);
                                   p.drawPath(w);
                               }
                               drawSpoon(p, QPointF(104, 112), 40, 20, false);
                           }
                       })});
    }
    // Injection: a worried look at the needle, then a flinch.
    for (int frame = 0; frame < 2; ++frame) {
        out.push_back({frameName(kActionTreat, 1, frame),
                       scene(RoomLight::Day, Switch::None, [&](QPainter& p) {
                           CatPose pose = actionPose();
                           if (frame == 0) {
                               pose.eyes = Eyes::Wide;
                               pose.look = {1, 0.6};
                               pose.mouth = Mouth::Chew;
                               pose.tail = -0.4;
                               drawCat(p, pose);
                               drawSyringe(p, QPointF(96, 96), 52, -20, 0);
                               drawDrop(p, QPointF(32, 36), 8, ink::blueLight);
                           } else {
                               pose.eyes = Eyes::Squeeze;
                               pose.mouth = Mouth::Ouch;
                               pose.lift = jumpLift;
                               pose.tail = 1;
                               pose.blush = false;
                               pose.leftPaw = {-8, -10};
                               pose.rightPaw = {8, -10};
                               drawCat(p, pose);
                               drawSyringe(p, QPointF(86, 92), 52, -20, 1);
                               p.setPen(roundPen(ink::red, 3));
                               for (int i = 0; i < 3; ++i) {
                                   const QPointF a(16 + i * 6, 30 - i * 8 + (i == 1 ? -2 : 0));
                                   p.drawLine(a, a + QPointF(-6, -6 + i * 3));
                               }
                               p.drawLine(QPointF(112, 26), QPointF(112, 40));
                               fillEllipse(p, QPointF(112, 46), 1.8, 1.8, ink::red);
                               p.setPen(roundPen(ink::floorLine, 1.6));
                               p.drawLine(QPointF(40, 130), QPointF(50, 130));
                               p.drawLine(QPointF(74, 130), QPointF(84, 130));
                           }
                       })});
    }
    // Pills: one in the paw with water ready, then swallowed and better.
    for (int frame = 0; frame < 2; ++frame) {
        out.push_back({frameName(kActionTreat, 2, frame),
                       scene(RoomLight::Day, Switch::None, [&](QPainter& p) {
                           drawProp(p, Prop::Water, QPointF(130, floorY - 18), 40, frame ? 0.4 : 1);
                           CatPose pose = actionPose();
                           if (frame == 0) {
                               pose.rightPaw = {14, -44};
                               pose.look = {1, 0};
                               pose.mouth = Mouth::Open;
                               drawCat(p, pose);
                               drawCapsule(p, QPointF(82, 84), 18, -30);
                           } else {
                               pose.eyes = Eyes::Happy;
                               pose.mouth = Mouth::Smile;
                               pose.tail = 0.8;
                               pose.lift = 3;
                               drawCat(p, pose);
                               sparkles(p, QPointF(62, 40), 1);
                               p.setPen(roundPen(ink::green, 3));
                               for (const QPointF c : {QPointF(104, 30), QPointF(20, 44)}) {
                                   p.drawLine(c + QPointF(-5, 0), c + QPointF(5, 0));
                                   p.drawLine(c + QPointF(0, -5), c + QPointF(0, 5));
                               }
                           }
                       })});
    }
    // First aid: bandaged and poorly beside the open kit, then well again.
    for (int frame = 0; frame < 2; ++frame) {
        out.push_back({frameName(kActionTreat, 3, frame),
                       scene(RoomLight::Day, Switch::None, [&](QPainter& p) {
                           drawProp(p, Prop::FirstAid, QPointF(130, floorY - 20), 46, 1,
                                    frame == 0);
                           CatPose pose = actionPose();
                           if (frame == 0) {
                               pose.eyes = Eyes::Sleepy;
                               pose.mouth = Mouth::Chew;
                               pose.blush = false;
                               pose.headTilt = -6;
                               drawCat(p, pose);
                               drawBandage(p, QPointF(52, 40), 30, -35);
                               drawCapsule(p, QPointF(106, 122), 14, 10);
                           } else {
                               pose.eyes = Eyes::Happy;
                               pose.mouth = Mouth::Open;
                               pose.lift = 8;
                               pose.tail = 1;
                               pose.leftPaw = {-10, -26};
                               pose.rightPaw = {10, -26};
                               drawCat(p, pose);
                               hearts(p, 3, QPointF(96, 28));
                               sparkles(p, QPointF(60, 36), 0);
                           }
                       })});
    }
    return out;
}

Pictures sleeping(int scale) {
    const Scene scene{scale};
    Pictures out;
    // The cat yawns and reaches for the switch under the lamp...
    out.push_back(
        {frameName(kActionSleep, 0, 0), scene(RoomLight::Lamp, Switch::On, [](QPainter& p) {
             CatPose pose;
             pose.at = {84, floorY};
             pose.scale = actionScale;
             pose.eyes = Eyes::Sleepy;
             pose.mouth = Mouth::Yawn;
             pose.rightPaw = {30, -58};
             pose.headTilt = -6;
             pose.tail = 0.3;
             drawCat(p, pose);
         })});
    // ...the light goes out: only its eyes shine in the dark...
    out.push_back(
        {frameName(kActionSleep, 0, 1), scene(RoomLight::Dark, Switch::Off, [](QPainter& p) {
             CatPose pose;
             pose.at = {84, floorY};
             pose.scale = actionScale;
             pose.eyes = Eyes::Sleepy;
             pose.headTilt = 8;
             pose.tail = -0.5;
             pose.blush = false;
             drawCatWithRim(p, pose, ink::rim);
             drawZ(p, QPointF(118, 36), 8, ink::moon);
         })});
    // ...and it sleeps, curled on its rug.
    out.push_back(
        {frameName(kActionSleep, 0, 2), scene(RoomLight::Dark, Switch::Off, [](QPainter& p) {
             drawSleepingCat(p, QPointF(88, floorY + 2), 1.0, 1);
             drawZ(p, QPointF(70, 78), 9, ink::moon);
             drawZ(p, QPointF(84, 60), 12, ink::moon);
             drawZ(p, QPointF(102, 38), 15, ink::moon);
         })});
    return out;
}

} // namespace

Pictures idlePictures(int scale) {
    const Scene scene{scale};
    Pictures out;
    // p1 blinks and p2 takes a breath, while the tail swishes across all three.
    const struct {
        Eyes eyes;
        double tail, breath;
        QPointF look;
    } frames[] = {
        {Eyes::Open, 0.1, 0, {0.2, 0.1}},
        {Eyes::Closed, 0.9, 0.5, {0, 0}},
        {Eyes::Open, -0.7, 1, {-0.3, 0.2}},
    };
    for (int i = 0; i < 3; ++i) {
        out.push_back(
            {*idlePictureName(qint16(i)), scene(RoomLight::Day, Switch::None, [&](QPainter& p) {
                 CatPose pose;
                 pose.at = {85, floorY};
                 pose.scale = 0.9;
                 pose.eyes = frames[i].eyes;
                 pose.tail = frames[i].tail;
                 pose.breath = frames[i].breath;
                 pose.look = frames[i].look;
                 pose.headTilt = i == 2 ? 4 : 0;
                 drawCat(p, pose);
             })});
    }
    return out;
}

Pictures carePictures(int scale) {
    Pictures out;
    for (Pictures part :
         {eating(scale), drinking(scale), playing(scale), treating(scale), sleeping(scale)})
        for (Picture& picture : part)
            out.push_back(std::move(picture));
    return out;
}
