#include "desktop_services.h"

#include "core/pet_file_name.h"
#include "pet_location.h"
#include "system_sound.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>

#include <string_view>

namespace {

// A build for a system-wide package keeps each user's pet in the user's own
// data folder; a build from source keeps it in the program folder.
constexpr bool kPetPerUser = PET_PER_USER_PET;
// Where the install put the pictures, from the program folder: "G" beside the
// program, or the system's shared data for a package.
constexpr char kPicturesFromProgram[] = PET_PICTURES_FROM_PROGRAM;
constexpr bool kPicturesBesideProgram = std::string_view(kPicturesFromProgram) == "G";

QString pictureFolder(const QString& programFolder) {
    return QDir::cleanPath(programFolder + QLatin1Char('/') + QLatin1String(kPicturesFromProgram));
}

QString petFolder(const QString& pictureFolder) {
    if (!kPetPerUser)
        return pictureFolder;
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/" PET_APP_ID "/G");
}

FileHomes fileHomes(const QString& programFolder) {
    const QString pictures = pictureFolder(programFolder);
    return {programFolder + QStringLiteral("/G"), pictures, petFolder(pictures)};
}

} // namespace

DesktopServices::DesktopServices() : homes_(fileHomes(QCoreApplication::applicationDirPath())) {}

int DesktopServices::messageBox(const QString& text, int style, const QString& title) {
    QWidget* parent = dialogParent_ && dialogParent_->isVisible() ? dialogParent_ : nullptr;
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::NoButton, parent);
    openBox_ = &box;
    if (style == kStyleExclamationYesNo) {
        QPushButton* yes = box.addButton(QCoreApplication::translate("DesktopServices", "Да"),
                                         QMessageBox::YesRole);
        QPushButton* no = box.addButton(QCoreApplication::translate("DesktopServices", "Нет"),
                                        QMessageBox::NoRole);
        box.setDefaultButton(yes);
        box.setEscapeButton(no);
        box.exec();
        return box.clickedButton() == yes ? kAnswerYes : kAnswerNo;
    }
    QPushButton* ok = box.addButton(QCoreApplication::translate("DesktopServices", "ОК"),
                                    QMessageBox::AcceptRole);
    box.setDefaultButton(ok);
    box.setEscapeButton(ok);
    box.exec();
    return kAnswerOk;
}

void DesktopServices::dismissMessageBox() {
    if (openBox_ && openBox_->escapeButton())
        openBox_->escapeButton()->click();
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

QString DesktopServices::fileLocation(const QString& path) const {
    // A build from source keeps every path as it is without looking at it.
    if (!kPetPerUser && kPicturesBesideProgram)
        return path;
    return ::fileLocation(path, homes_);
}

QString DesktopServices::preparePetFolder() const {
    if (kPetPerUser)
        seedPetFolder(homes_.pets, homes_.pictures + QLatin1Char('/') + kPetFileName);
    return homes_.pets;
}
