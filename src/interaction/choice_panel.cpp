// The two sets of controls that share the top panel.
#include "window/frm_form.h"

#include <algorithm>
#include <span>

namespace {

// Qt asks the X server where the pointer is for every control it shows, to
// tell the one under it that the mouse came in: ten labels cost ten round
// trips, most of the tick that ends a care run. Shown while their panel is
// hidden for the moment, they cost one, when the panel shows again. Nothing
// is painted in between.
template <typename Controls> void showInPanel(QWidget* panel, const Controls& controls) {
    const bool panelShown = panel->isVisible();
    if (panelShown)
        panel->hide();
    for (QWidget* control : controls)
        control->show();
    if (panelShown)
        panel->show();
}

} // namespace

void frmForm::imagsSVisT(int count) {
    const auto images = choiceImages();
    const std::size_t shown = std::min(std::size_t(std::max(count, 0)), images.size());
    for (Image* unused : std::span(images).subspan(shown))
        unused->hide();
    showInPanel(picS, std::span(images).first(shown));
}

void frmForm::imagsSVisF() {
    for (Image* image : choiceImages())
        image->hide();
}

void frmForm::lblsSVisT() {
    showInPanel(picS, panelLabels());
}

void frmForm::lblsSVisF() {
    for (Label* label : panelLabels())
        label->hide();
}
