#pragma once

#include "platform_services.h"

#include <QPointer>

class QMessageBox;
class QWidget;

// The services of a real desktop session.
class DesktopServices : public PlatformServices {
public:
    // Boxes open over this window once it is on screen, on their own before.
    void setDialogParent(QWidget* window) { dialogParent_ = window; }

    int messageBox(const QString& text, int style, const QString& title) override;
    void dismissMessageBox() override;
    void beep() override;
    void endProgram() override;
    QDate today() const override;
    QString programFolder() const override;

private:
    QWidget* dialogParent_ = nullptr;
    QPointer<QMessageBox> openBox_;
};
