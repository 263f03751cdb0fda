#include "desktop_end.h"

#include "core/come_forward_signal.h"
#include "desktop_signals.h"
#include "frm_form.h"
#include "ui_language.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QStringView>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <unistd.h>
#include <vector>

namespace {

constexpr int kNoDisplay = 1;

constexpr char kNoDisplayText[] = QT_TRANSLATE_NOOP(
    "DesktopEnd", "pet: не удалось подключиться к графическому экрану. Питомцу нужен рабочий "
                  "стол (X11 или Wayland); проверьте переменную DISPLAY или WAYLAND_DISPLAY.\n");

// The window while it lives, for the save at an end that Qt's own connection
// to the display makes. Changed only on the UI thread, read under the lock
// from any thread.
std::mutex windowMutex;
frmForm* windowToSave = nullptr;

void rememberWindow(frmForm* form) {
    const std::lock_guard hold(windowMutex);
    windowToSave = form;
}

void forgetWindow() {
    rememberWindow(nullptr);
}

// The display has gone and Qt ends the program: with exit() from the event
// loop where the X server has gone (or xkill), with _exit() on the thread that
// noticed where the Wayland compositor has. The window saves the pet it last
// showed without reading the window, from whichever thread. Held until the save
// has finished: a second caller waits here rather than end the process in the
// middle of the write. A normal end has already saved or has ended without
// saving, and the window is forgotten by then.
void saveWhenTheDisplayIsLost() {
    const std::lock_guard hold(windowMutex);
    if (windowToSave)
        windowToSave->unloadFromAnyThread();
}

// What Qt says when it cannot reach the desktop at all: the plugin for X
// itself, or the application when no platform plugin could start.
bool displayUnreachable(QtMsgType type, QStringView message) {
    return type == QtFatalMsg && (message.contains(u"could not connect to display") ||
                                  message.contains(u"no Qt platform plugin could be initialized"));
}

// Qt's Wayland connection reports a broken or failed connection to the
// compositor with one of these warnings and then ends the process at once.
bool endsTheWaylandConnection(QtMsgType type, QStringView message) {
    return type == QtWarningMsg &&
           (message.startsWith(u"The Wayland connection broke") ||
            message.startsWith(u"The Wayland connection experienced a fatal error"));
}

QtMessageHandler passOn = nullptr;

// What Qt says while it looks for the display, kept until it has found one:
// where there is none, its own warnings about the platform plugins would only
// bury the program's message, so they are dropped with the program.
struct HeldMessage {
    QtMsgType type;
    QByteArray file;
    int line;
    QByteArray function;
    QByteArray category;
    QString text;
};
std::mutex heldMutex;
bool holding = false;
std::vector<HeldMessage> heldMessages;

// Any other fatal message ends the program when the handler returns: it goes
// out at once, after what was held, so that nothing of why is lost.
bool held(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtFatalMsg) {
        displayReached();
        return false;
    }
    const std::lock_guard hold(heldMutex);
    if (holding)
        heldMessages.push_back(
            {type, context.file, context.line, context.function, context.category, message});
    return holding;
}

void reportMissingDisplay() {
    std::fputs(uiText("DesktopEnd", kNoDisplayText).toLocal8Bit().constData(), stderr);
    std::fflush(stderr);
    _exit(kNoDisplay);
}

void watchQtMessages(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (displayUnreachable(type, message))
        reportMissingDisplay();
    if (held(type, context, message))
        return;
    if (passOn)
        passOn(type, context, message);
    if (endsTheWaylandConnection(type, message))
        saveWhenTheDisplayIsLost();
}

} // namespace

void watchTheDisplay() {
    // Where warnings are made fatal for debugging, Qt ends the program with
    // the first one, which must not be held then.
    holding = !qEnvironmentVariableIsSet("QT_FATAL_WARNINGS") &&
              !qEnvironmentVariableIsSet("QT_FATAL_CRITICALS");
    passOn = qInstallMessageHandler(watchQtMessages);
}

void displayReached() {
    std::vector<HeldMessage> messages;
    {
        const std::lock_guard hold(heldMutex);
        holding = false;
        messages.swap(heldMessages);
    }
    for (const HeldMessage& m : messages) {
        const QMessageLogContext context(m.file.constData(), m.line, m.function.constData(),
                                         m.category.constData());
        watchQtMessages(m.type, context, m.text);
    }
}

void saveOnDesktopEnds(frmForm& form, DesktopSignals& desktopSignals) {
    QObject::connect(&desktopSignals, &DesktopSignals::received, &form, [&form](int signalNumber) {
        if (signalNumber == kComeForwardSignal)
            form.comeForward();
        else
            form.endRequested();
    });
    desktopSignals.watch({SIGTERM, SIGINT, SIGHUP});

    form.keepUnloadReady();
    rememberWindow(&form);
    // Once the event loop has ended, the window has saved or has ended as
    // designed without saving; nothing is left to save after it.
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, forgetWindow);
    QObject::connect(&form, &QObject::destroyed, forgetWindow);
    std::atexit(saveWhenTheDisplayIsLost);
}
