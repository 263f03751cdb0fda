#pragma once

#include <QImage>
#include <QPainter>
#include <QString>

#include <vector>

struct Picture {
    QString name;
    QImage image;
};
using Pictures = std::vector<Picture>;

// Sizes fixed by the window's layout.
inline constexpr int petWidth = 170, petHeight = 142;
inline constexpr int choiceSize = 65;
// The floor line of the pet's room: where the cat sits and props stand.
inline constexpr double floorY = 126;

enum class RoomLight { Day, Lamp, Dark };

// The room behind the pet; the light switch is drawn when switchOn says so.
enum class Switch { None, On, Off };
void drawRoom(QPainter& p, RoomLight light, Switch lightSwitch = Switch::None);

Pictures backgroundPictures(); // Bg, BgUP
Pictures idlePictures();       // p0..p2
Pictures choicePictures();     // the 17 choice tiles
Pictures carePictures();       // the 59 animation frames
Pictures builtinPictures();    // icon sizes and the six buttons, as PNG names

QImage contactSheet(const Pictures& gifs, const Pictures& builtins);
