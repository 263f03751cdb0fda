// The action menu: five care buttons fill the choice panel, the data button
// turns it back to the needs.
#include "choice_pictures.h"
#include "core/action_kind.h"
#include "window/frm_form.h"

namespace {
// The data button restarts the need clock at 400 ms, a little faster than
// the 500 ms it ticks at from the window's creation and after a care run.
constexpr int kDataButtonIntervalMs = 400;
} // namespace

// The idle pet stops while the user chooses; only sleep, whose one option
// the pet may still refuse, leaves the need clock running until it agrees.
void frmForm::offerChoices(qint16 actionKind) {
    ActionKind = actionKind;
    const QStringList names = choicePictureNames(actionKind);
    imagsSVisT(int(names.size()));
    lblsSVisF();
    const auto images = choiceImages();
    for (int i = 0; i < names.size(); ++i) {
        images[i]->setPicture(loadPicture(names[i]));
        images[i]->setAccessibleName(choicePictureDescription(names[i]));
    }
    if (actionKind != kActionSleep)
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
void frmForm::imgSleep_Click() {
    offerChoices(kActionSleep);
}

void frmForm::imgStatic_Click() {
    imagsSVisF();
    lblsSVisT();
    tmrM->setInterval(kDataButtonIntervalMs);
}
