#pragma once

#include "program_folder.h"
#include "scripted_services.h"
#include "window/frm_form.h"

#include <QStringList>
#include <QTest>
#include <array>
#include <memory>

// The five need values in the window's order: hunger, thirst, mood,
// sleepiness, health.
inline std::array<Label*, 5> needLabels(const frmForm& form) {
    return {form.lblSH, form.lblSD, form.lblSI, form.lblSS, form.lblSHe};
}

inline QStringList shownNeeds(const frmForm& form) {
    QStringList texts;
    for (const Label* label : needLabels(form))
        texts << label->text();
    return texts;
}

inline void showNeeds(frmForm& form, const QStringList& texts) {
    const auto labels = needLabels(form);
    for (std::size_t i = 0; i < labels.size(); ++i)
        labels[i]->setText(texts[qsizetype(i)]);
}

// Whether an image of the window shows the named picture of the folder G.
inline bool showsPicture(const frmForm& form, const PictureControl* image, const QString& name) {
    return image->picture().toImage() == form.loadPicture(name).toImage();
}

// The same for the pet picture box.
inline bool petShows(const frmForm& form, const QString& name) {
    return showsPicture(form, form.picMain, name);
}

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
