// The two sets of controls that share the top panel.
#include "window/frm_form.h"

#include <algorithm>
#include <span>
#include <vector>

namespace {

// Qt asks the X server where the pointer is for every control it shows, to
// tell the one under it that the mouse came in: ten labels and five plates
// cost fifteen round trips, most of the tick that ends a care run. Shown
// while their panel is hidden for the moment, they cost one, when the panel
// shows again. Nothing is painted in between.
template <typename Controls> void showInPanel(QWidget* panel, const Controls& controls) {
    const bool panelShown = panel->isVisible();
    if (panelShown)
        panel->hide();
    for (QWidget* control : controls)
        control->show();
    if (panelShown)
        panel->show();
}

// What the needs view shows in the panel: the need labels and their plates.
std::vector<QWidget*> needsView(const frmForm& form) {
    std::vector<QWidget*> controls;
    for (Label* label : form.panelLabels())
        controls.push_back(label);
    for (PictureBox* plate : form.needPlates())
        controls.push_back(plate);
    return controls;
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

// The need labels go with the plates they stand on, icons and all, so that a
// single choice leaves the rest of the panel bare.
void frmForm::lblsSVisT() {
    showInPanel(picS, needsView(*this));
}

void frmForm::lblsSVisF() {
    for (QWidget* control : needsView(*this))
        control->hide();
}
