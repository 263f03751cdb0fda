#pragma once

#include <QString>
#include <QtGlobal>
#include <optional>

// The idle pet cycles through three pictures, one per tick of the need clock.
inline constexpr qint16 kIdlePictureCount = 3;

// "p0.gif" to "p2.gif"; any other frame number shows no picture.
std::optional<QString> idlePictureName(qint16 idleFrame);
