#pragma once

#include <QString>

// The backgrounds start-up puts on the window and on the top panel; they stay
// for the whole run.
inline const QString kWindowBackgroundPicture = QStringLiteral("Bg.gif");
inline const QString kPanelBackgroundPicture = QStringLiteral("BgUP.gif");
