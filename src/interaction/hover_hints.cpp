// Hover hints: the status line explains whatever the pointer moves over.
#include "hint_texts.h"
#include "window/frm_form.h"

#include <QMouseEvent>
#include <type_traits>

void frmForm::connectHints() {
    const auto hintOn = [this](auto* control, HintTarget target) {
        connect(control, &std::remove_pointer_t<decltype(control)>::mouseMoved, this,
                [this, target] { runtime_.handleEvent([this, target] { showHint(target); }); });
    };
    const std::pair<Image*, HintTarget> buttons[] = {
        {imgEat, HintTarget::EatButton},     {imgDrink, HintTarget::DrinkButton},
        {imgPlay, HintTarget::PlayButton},   {imgSleep, HintTarget::SleepButton},
        {imgTreat, HintTarget::TreatButton}, {imgStatic, HintTarget::DataButton},
    };
    for (const auto& [button, target] : buttons) {
        button->setAccessibleDescription(hintFor(target));
        hintOn(button, target);
    }
    hintOn(lblSH, HintTarget::HungerValue);
    hintOn(lblSD, HintTarget::ThirstValue);
    hintOn(lblSI, HintTarget::MoodValue);
    hintOn(lblSS, HintTarget::SleepinessValue);
    hintOn(lblSHe, HintTarget::HealthValue);
    hintOn(lblaD, HintTarget::AgeValue);
    hintOn(lbllAge, HintTarget::AgeCaption);
    hintOn(lblSTR, HintTarget::StatusLine);
    hintOn(picMain, HintTarget::Pet);
}

void frmForm::showHint(HintTarget target) {
    lblSTR->setText(hintFor(target));
}

// The window's own surface, where no control lies, clears the line.
void frmForm::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    runtime_.handleEvent([this] { showHint(HintTarget::WindowSurface); });
}
