#pragma once

#include "program_folder.h"
#include "scripted_services.h"
#include "window/frm_form.h"

#include <QTest>
#include <memory>

// The real window over a fresh program folder, loaded and on the offscreen
// screen, driven by real mouse events sent to its native window.
struct PetWindow {
    explicit PetWindow(const QString& petFile, QDate today = QDate(2026, 12, 7))
        : services(folder.path(), today) {
        if (!petFile.isNull())
            folder.writePetFile(petFile);
    }

    // Start-up, then the window shown, as the program does it.
    frmForm& open() {
        form = std::make_unique<frmForm>(services);
        form->load();
        if (!services.ended()) {
            form->show();
            if (!QTest::qWaitForWindowExposed(form.get()))
                qWarning("the window was not exposed");
        }
        return *form;
    }

    // A click at a point of the window's client area, routed by Qt to the
    // topmost control there, as a real click is.
    void clickAt(QPoint point) {
        QTest::mouseClick(form->windowHandle(), Qt::LeftButton, {}, point);
    }
    void clickOn(QWidget* control) {
        clickAt(control->mapTo(form.get(), control->rect().center()));
    }
    void moveTo(QPoint point) { QTest::mouseMove(form->windowHandle(), point); }
    void moveOver(QWidget* control) {
        moveTo(control->mapTo(form.get(), control->rect().center()));
    }

    void close() { form->close(); }

    ProgramFolder folder;
    ScriptedServices services;
    std::unique_ptr<frmForm> form;
};
