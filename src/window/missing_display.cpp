#include "missing_display.h"

#include <QString>
#include <QtGlobal>

#include <cstdio>
#include <unistd.h>

namespace {

constexpr int kNoDisplay = 1;

QtMessageHandler previousHandler = nullptr;

// What Qt says when it cannot reach the desktop: the plugin for X itself, or
// the application when no platform plugin could start.
bool displayUnreachable(QtMsgType type, const QString& message) {
    return type == QtFatalMsg &&
           (message.contains(QLatin1String("could not connect to display")) ||
            message.contains(QLatin1String("no Qt platform plugin could be initialized")));
}

void handleMessage(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (displayUnreachable(type, message)) {
        std::fputs("pet: не удалось подключиться к графическому экрану. Питомцу нужен рабочий "
                   "стол (X11 или Wayland); проверьте переменную DISPLAY или WAYLAND_DISPLAY.\n",
                   stderr);
        std::fflush(stderr);
        _exit(kNoDisplay);
    }
    if (previousHandler)
        previousHandler(type, context, message);
}

} // namespace

void reportMissingDisplayInRussian() {
    previousHandler = qInstallMessageHandler(handleMessage);
}
