#pragma once

#include <QImage>
#include <QPainter>
#include <QString>
#include <QStringList>

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

// Each set is drawn at a scale: 1 gives the pictures at their own size,
// 2 their twins for scaled screens, with twice as many pixels each way. The
// picture files are named as the program's list of pictures names them.
Pictures backgroundPictures(int scale); // the window's, the top panel's and the need plates
Pictures idlePictures(int scale);       // the idle pet
Pictures choicePictures(int scale);     // every action's choice tiles
Pictures carePictures(int scale);       // the frames of every care run
Pictures builtinPictures(int scale);    // icon sizes and the six buttons, as PNG names

// The needs view is shown as the bare panel with the need plates on it:
// whatever it draws outside a plate would be lost. Says so, or nothing when
// the plates hold all of it.
QStringList needsViewLeftOut(int scale);

// Pictures drawn at scale 1 and their twins at scale 2, named as the window
// loads them.
struct PictureSet {
    Pictures originals;
    Pictures twins; // twins[i] belongs to originals[i]
};

// Every picture beside its twin on one page, each with its file name.
QImage contactSheet(const PictureSet& gifs, const PictureSet& builtins);
