#include "desktop_services.h"

#include "system_sound.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

int DesktopServices::messageBox(const QString& text, int style, const QString& title) {
    QWidget* parent = dialogParent_ && dialogParent_->isVisible() ? dialogParent_ : nullptr;
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::NoButton, parent);
    if (style == kStyleExclamationYesNo) {
        QPushButton* yes = box.addButton(QStringLiteral("Да"), QMessageBox::YesRole);
        QPushButton* no = box.addButton(QStringLiteral("Нет"), QMessageBox::NoRole);
        box.setDefaultButton(yes);
        box.setEscapeButton(no);
        box.exec();
        return box.clickedButton() == yes ? kAnswerYes : kAnswerNo;
    }
    QPushButton* ok = box.addButton(QStringLiteral("ОК"), QMessageBox::AcceptRole);
    box.setDefaultButton(ok);
    box.setEscapeButton(ok);
    box.exec();
    return kAnswerOk;
}

void DesktopServices::beep() {
    soundBeep();
}

void DesktopServices::endProgram() {
    QCoreApplication::exit(0);
}

QDate DesktopServices::today() const {
    return QDate::currentDate();
}

QString DesktopServices::programFolder() const {
    return QCoreApplication::applicationDirPath();
}
