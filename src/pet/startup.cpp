// Start-up: the window-load handler. It shows the stored pet, ages it by the
// days the program was closed and decides whether it has died.
#include "core/conversions.h"
#include "core/idle_pictures.h"
#include "core/pet_file_name.h"
#include "core/runtime_error.h"
#include "core/start_pictures.h"
#include "life_check.h"
#include "pet_file.h"
#include "saved_on.h"
#include "window/frm_form.h"

namespace {

const QString kDeathTitle = QStringLiteral(":-(((((");
const QString kOldAgeText = QStringLiteral(
    "Мне очень жаль, но Ваш питомец умер из-за старости :-((((((. Хотите завести нового?");
const QString kNeglectText =
    QStringLiteral("Мне очень жаль, но Ваш питомец погиб :-((((((. Хотите завести нового?");

QString withTrailingSeparator(const QString& folder) {
    return folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}

} // namespace

void frmForm::Form_Load() {
    try {
        startUp();
    } catch (const RuntimeError& error) {
        // The window will save what it shows over a file it could not read;
        // the report says where the file as it was is kept.
        const QString kept =
            AppFolder.isEmpty() ? QString() : keepPetFileBackup(picturePath(kPetFileName));
        runtime_.showErrorReport(
            kept.isEmpty() ? error : RuntimeError(error.description() + QLatin1Char(' ') + kept));
    }
}

void frmForm::startUp() {
    AppFolder = withTrailingSeparator(runtime_.programFolder());
    setPicture(loadPicture(kWindowBackgroundPicture));
    picS->setPicture(loadPicture(kPanelBackgroundPicture));
    const auto plates = needPlates();
    for (std::size_t i = 0; i < plates.size(); ++i)
        plates[i]->setPicture(loadPicture(kNeedPlates[i].picture));
    picMain->setPicture(loadPicture(*idlePictureName(0)));
    // Today passes through the same text form as the stored date.
    const QDate today = savedOnDate(savedOnText(runtime_.today()));
    const PetRecord pet = readPetFile(picturePath(kPetFileName));
    setWindowTitle(pet.PetName);
    if (pet.SavedOn == kFreshPetMarker) {
        showStoredPet(pet);
        return;
    }
    const int away = daysAway(savedOnDate(pet.SavedOn), today);
    lblaD->setText(decimalText(numericValue(pet.AgeDays) + away));
    if (diedOfOldAge(numericValue(lblaD->text()))) {
        announceOldAge();
        return;
    }
    showStoredNeeds(pet);
    applyDaysAway(away);
    // Every need is read before the decision, in this order: the first label
    // that holds no number is the one the error report names.
    const double hunger = needValue(Need::Hunger);
    const double thirst = needValue(Need::Thirst);
    const double health = needValue(Need::Health);
    const double mood = needValue(Need::Mood);
    const double sleepiness = needValue(Need::Sleepiness);
    if (diedOfNeglect(hunger, thirst, health, mood, sleepiness))
        announceNeglect();
}

// A fresh pet is shown exactly as stored, unaged and unchecked.
void frmForm::showStoredPet(const PetRecord& pet) {
    lblaD->setText(pet.AgeDays);
    showStoredNeeds(pet);
}

void frmForm::showStoredNeeds(const PetRecord& pet) {
    lblSH->setText(pet.Hunger);
    lblSD->setText(pet.Thirst);
    lblSI->setText(pet.Mood);
    lblSS->setText(pet.Sleepiness);
    lblSHe->setText(pet.Health);
}

void frmForm::applyDaysAway(int daysAway) {
    if (daysAway < 1)
        return;
    for (Need need : kNeedOrder)
        setNeed(need, needAfterDaysAway(need, needValue(need), daysAway));
}

void frmForm::announceOldAge() {
    if (runtime_.messageBox(kOldAgeText, kStyleExclamationYesNo, kDeathTitle) != kAnswerYes)
        runtime_.endProgram();
    writeFreshPet();
    const PetRecord fresh = freshPetRecord(windowTitle());
    showStoredNeeds(fresh);
    lblaD->setText(fresh.AgeDays);
}

void frmForm::announceNeglect() {
    if (runtime_.messageBox(kNeglectText, kStyleExclamationYesNo, kDeathTitle) != kAnswerYes)
        runtime_.endProgram();
    writeFreshPet();
    Form_Load();
}

// The new pet keeps the name of the one that died.
void frmForm::writeFreshPet() {
    writePetFile(picturePath(kPetFileName), freshPetRecord(windowTitle()));
}
