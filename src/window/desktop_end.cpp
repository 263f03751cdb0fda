#include "desktop_end.h"

#include "core/come_forward_signal.h"
#include "desktop_signals.h"
#include "frm_form.h"

#include <csignal>
#include <cstdlib>

namespace {

// The window while it lives, for the save at exit.
frmForm* windowToSave = nullptr;

// Qt's X11 connection calls exit() when the display connection breaks (the X
// server gone, xkill), from inside the event loop: the window and its labels
// are still there to be saved. A normal end has already saved or has ended
// without saving, and the window is gone by then.
void saveWhenTheDisplayIsLost() {
    if (windowToSave)
        windowToSave->unloadAtExit();
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

    windowToSave = &form;
    QObject::connect(&form, &QObject::destroyed, [] { windowToSave = nullptr; });
    std::atexit(saveWhenTheDisplayIsLost);
}
