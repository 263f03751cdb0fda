#include "core/come_forward_signal.h"
#include "pet/pet_lock.h"
#include "window/command_line.h"
#include "window/desktop_end.h"
#include "window/desktop_services.h"
#include "window/desktop_signals.h"
#include "window/frm_form.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    if (const auto answered = answerCommandLine(argc, argv))
        return *answered;
    watchTheDisplay();
    QApplication app(argc, argv);
    displayReached();
    QGuiApplication::setDesktopFileName(QStringLiteral(PET_APP_ID));
    DesktopServices services;
    DesktopSignals desktopSignals;
    // Answered before the lock is taken: a second start may send it at once.
    desktopSignals.watch({kComeForwardSignal});
    const PetLock lock(services.preparePetFolder());
    if (lock.heldElsewhere()) {
        lock.callKeeperForward();
        services.messageBox(kPetAlreadyOpenText, kStyleExclamationOk, kPetAlreadyOpenTitle);
        return 1;
    }
    frmForm form(services);
    services.setDialogParent(&form);
    form.load();
    if (form.runtime().programEnded())
        return 0;
    saveOnDesktopEnds(form, desktopSignals);
    form.show();
    return app.exec();
}
