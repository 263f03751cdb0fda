#include "idle_pictures.h"

std::optional<QString> idlePictureName(qint16 idleFrame) {
    if (idleFrame < 0 || idleFrame >= kIdlePictureCount)
        return std::nullopt;
    return QStringLiteral("p%1.gif").arg(idleFrame);
}
