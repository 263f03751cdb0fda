// The action menu: five care buttons fill the choice panel, the data button
// turns it back to the needs.
#include "action_kind.h"
#include "choice_pictures.h"
#include "window/frm_form.h"

namespace {
// The data button restarts the need clock a little faster than its design rate.
constexpr int kDataButtonIntervalMs = 400;
} // namespace

void frmForm::offerChoices(qint16 actionKind) {
    ActionKind = actionKind;
    imagsSVisT();
    lblsSVisF();
    const QStringList names = choicePictureNames(actionKind);
    const auto images = choiceImages();
    for (int i = 0; i < names.size(); ++i) {
        images[i]->setPicture(loadPicture(names[i]));
        images[i]->setAccessibleName(choicePictureDescription(names[i]));
    }
    tmrM->setInterval(0);
}

void frmForm::imgEat_Click() {
    offerChoices(kActionEat);
}
void frmForm::imgDrink_Click() {
    offerChoices(kActionDrink);
}
void frmForm::imgPlay_Click() {
    offerChoices(kActionPlay);
}
void frmForm::imgTreat_Click() {
    offerChoices(kActionTreat);
}

// Sleep has one option and leaves the need clock as it is.
void frmForm::imgSleep_Click() {
    ActionKind = kActionSleep;
    imgS0->show();
    imgS1->hide();
    imgS2->hide();
    imgS3->hide();
    lblsSVisF();
    const QString name = choicePictureNames(kActionSleep).front();
    imgS0->setPicture(loadPicture(name));
    imgS0->setAccessibleName(choicePictureDescription(name));
}

void frmForm::imgStatic_Click() {
    imagsSVisF();
    lblsSVisT();
    tmrM->setInterval(kDataButtonIntervalMs);
}
