#include "desktop_end.h"

#include "core/come_forward_signal.h"
#include "desktop_signals.h"
#include "frm_form.h"

#include <QCoreApplication>
#include <QStringView>
#include <csignal>
#include <cstdlib>
#include <mutex>

namespace {

// The window while it lives, for the saves at the end that Qt's own platform
// connections make. Changed only on the UI thread, read under the lock from
// any thread.
std::mutex windowMutex;
frmForm* windowToSave = nullptr;

void forgetWindow() {
    const std::lock_guard hold(windowMutex);
    windowToSave = nullptr;
}

// Qt's X11 connection calls exit() when the display connection breaks (the X
// server gone, xkill), from inside the event loop: the window and its labels
// are still there to be saved. A normal end has already saved or has ended
// without saving, and the window is gone by then.
void saveWhenTheDisplayIsLost() {
    frmForm* window = nullptr;
    {
        const std::lock_guard hold(windowMutex);
        window = windowToSave;
    }
    if (window)
        window->unloadAtExit();
}

// Qt's Wayland connection reports a broken or failed connection to the
// compositor with one of these warnings and then ends the process at once
// with _exit(): neither the event loop, nor the window, nor an atexit save
// gets another turn. The warning comes on the thread that noticed, often
// Qt's Wayland event thread first and the UI thread a moment later.
bool endsTheWaylandConnection(QStringView message) {
    return message.startsWith(u"The Wayland connection broke") ||
           message.startsWith(u"The Wayland connection experienced a fatal error");
}

QtMessageHandler passOn = nullptr;

void watchQtMessages(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (passOn)
        passOn(type, context, message);
    if (type != QtWarningMsg || !endsTheWaylandConnection(message))
        return;
    // Held until the save has finished: the first caller saves, a second one
    // waits here rather than end the process in the middle of the write.
    const std::lock_guard hold(windowMutex);
    if (windowToSave)
        windowToSave->unloadFromAnyThread();
}

} // namespace

void saveOnDesktopEnds(frmForm& form, DesktopSignals& desktopSignals) {
    QObject::connect(&desktopSignals, &DesktopSignals::received, &form, [&form](int signalNumber) {
        if (signalNumber == kComeForwardSignal)
            form.comeForward();
        else
            form.endRequested();
    });
    desktopSignals.watch({SIGTERM, SIGINT, SIGHUP});

    form.keepUnloadReady();
    windowToSave = &form;
    // Once the event loop has ended, the window has saved or has ended as
    // designed without saving; nothing is left to save after it.
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, forgetWindow);
    QObject::connect(&form, &QObject::destroyed, forgetWindow);
    std::atexit(saveWhenTheDisplayIsLost);
    passOn = qInstallMessageHandler(watchQtMessages);
}
