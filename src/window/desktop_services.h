#pragma once

#include "pet_location.h"
#include "platform_services.h"

#include <QPointer>

class QMessageBox;
class QWidget;

// The services of a real desktop session.
class DesktopServices : public PlatformServices {
public:
    // Made once the application is: where its files live is known from then.
    DesktopServices();

    // Boxes open over this window once it is on screen, on their own before.
    void setDialogParent(QWidget* window) { dialogParent_ = window; }

    int messageBox(const QString& text, int style, const QString& title) override;
    void dismissMessageBox() override;
    void beep() override;
    void endProgram() override;
    QDate today() const override;
    QString programFolder() const override;
    QString fileLocation(const QString& path) const override;

    // The folder that holds the pet file, made and given the installed fresh
    // pet on a user's first start where each user keeps a pet of their own.
    QString preparePetFolder() const;

private:
    // Where the files of the program folder really live, worked out once:
    // every picture passes through fileLocation at every tick.
    const FileHomes homes_;
    QWidget* dialogParent_ = nullptr;
    QPointer<QMessageBox> openBox_;
};
