// Hover hints: the status line explains whatever the pointer moves over.
#include "hints.h"
#include "window/frm_form.h"

void frmForm::showHint(HintTarget target) {
    lblSTR->setText(hintFor(target));
}
