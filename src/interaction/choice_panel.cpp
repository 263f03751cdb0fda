// The two sets of controls that share the top panel.
#include "window/frm_form.h"

void frmForm::imagsSVisT() {
    for (Image* image : choiceImages())
        image->show();
}

void frmForm::imagsSVisF() {
    for (Image* image : choiceImages())
        image->hide();
}

void frmForm::lblsSVisT() {
    for (Label* label : panelLabels())
        label->show();
}

void frmForm::lblsSVisF() {
    for (Label* label : panelLabels())
        label->hide();
}
