#pragma once

#include <QRect>
#include <QString>

#include <array>

// The backgrounds start-up puts on the window and on the top panel; they stay
// for the whole run.
inline const QString kWindowBackgroundPicture = QStringLiteral("Bg.gif");
inline const QString kPanelBackgroundPicture = QStringLiteral("BgUP.gif");

// Each need's plate: its icon and the ground its caption and value stand on,
// a picture of its own that shows and hides with them, so that a single
// choice leaves the rest of the panel bare. Start-up loads them too.
struct NeedPlate {
    QString picture;
    QRect place; // in the top panel, behind the caption and its value
};

// In the order of the captions lblW1 to lblW5: hunger, thirst, mood,
// sleepiness, health.
inline const std::array<NeedPlate, 5> kNeedPlates = {{
    {QStringLiteral("BgW1.gif"), QRect(4, 4, 110, 18)},
    {QStringLiteral("BgW2.gif"), QRect(4, 22, 110, 18)},
    {QStringLiteral("BgW3.gif"), QRect(109, 4, 144, 19)},
    {QStringLiteral("BgW4.gif"), QRect(109, 23, 144, 16)},
    {QStringLiteral("BgW5.gif"), QRect(109, 39, 144, 18)},
}};
