#include "hint_texts.h"

namespace {

struct Hint {
    HintTarget target;
    const char* text;
};

const char* const kWorseHint = "Чем больше это значение тем, ХУЖЕ!";
const char* const kBetterHint = "Чем больше это значение тем, ЛУЧШЕ!";
const char* const kAgeHint = "В днях. Ваш питомец живет 20 дней.";

const Hint kHints[] = {
    {HintTarget::WindowSurface, ""},
    {HintTarget::StatusLine, ""},
    {HintTarget::EatButton, "Накормить питомца"},
    {HintTarget::DrinkButton, "Дать попить питомцу"},
    {HintTarget::PlayButton, "Поиграть с питомцем"},
    {HintTarget::SleepButton, "Выключить свет и дать поспать питомцу"},
    {HintTarget::TreatButton, "Вылечить питомца"},
    {HintTarget::DataButton, "Данные о питомце (от 1 до 10)"},
    {HintTarget::HungerValue, kWorseHint},
    {HintTarget::ThirstValue, kWorseHint},
    {HintTarget::SleepinessValue, kWorseHint},
    {HintTarget::MoodValue, kBetterHint},
    {HintTarget::HealthValue, kBetterHint},
    {HintTarget::AgeValue, kAgeHint},
    {HintTarget::AgeCaption, kAgeHint},
    {HintTarget::Pet, "Это питомец"},
};

} // namespace

QString hintFor(HintTarget target) {
    for (const Hint& hint : kHints)
        if (hint.target == target)
            return QString::fromUtf8(hint.text);
    return QString();
}
