#include "window/desktop_services.h"
#include "window/frm_form.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    DesktopServices services;
    frmForm form(services);
    services.setDialogParent(&form);
    form.load();
    if (form.runtime().programEnded())
        return 0;
    form.show();
    return app.exec();
}
