#include "pet/pet_lock.h"
#include "window/desktop_services.h"
#include "window/frm_form.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral(PET_APP_ID));
    DesktopServices services;
    const PetLock lock(services.preparePetFolder());
    if (lock.heldElsewhere()) {
        services.messageBox(kPetAlreadyOpenText, kStyleExclamationOk, kPetAlreadyOpenTitle);
        return 1;
    }
    frmForm form(services);
    services.setDialogParent(&form);
    form.load();
    if (form.runtime().programEnded())
        return 0;
    form.show();
    return app.exec();
}
