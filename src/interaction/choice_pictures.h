#pragma once

#include <QStringList>
#include <QtGlobal>

// The pictures an action button puts into the choice images, first to last:
// four for eat, drink, play and treat, the one sleep picture for sleep, none
// for any other action.
QStringList choicePictureNames(qint16 actionKind);

// What a choice picture shows, in words, for those who cannot see it.
QString choicePictureDescription(const QString& pictureName);
