#include "hint_texts.h"

#include <QCoreApplication>

namespace {

struct Hint {
    HintTarget target;
    const char* text;
};

const char* const kWorseHint = QT_TRANSLATE_NOOP("HintTexts", "Чем больше это значение тем, ХУЖЕ!");
const char* const kBetterHint =
    QT_TRANSLATE_NOOP("HintTexts", "Чем больше это значение тем, ЛУЧШЕ!");
const char* const kAgeHint = QT_TRANSLATE_NOOP("HintTexts", "В днях. Ваш питомец живет 20 дней.");

const Hint kHints[] = {
    {HintTarget::WindowSurface, ""},
    {HintTarget::StatusLine, ""},
    {HintTarget::EatButton, QT_TRANSLATE_NOOP("HintTexts", "Накормить питомца")},
    {HintTarget::DrinkButton, QT_TRANSLATE_NOOP("HintTexts", "Дать попить питомцу")},
    {HintTarget::PlayButton, QT_TRANSLATE_NOOP("HintTexts", "Поиграть с питомцем")},
    {HintTarget::SleepButton,
     QT_TRANSLATE_NOOP("HintTexts", "Выключить свет и дать поспать питомцу")},
    {HintTarget::TreatButton, QT_TRANSLATE_NOOP("HintTexts", "Вылечить питомца")},
    {HintTarget::DataButton, QT_TRANSLATE_NOOP("HintTexts", "Данные о питомце (от 1 до 10)")},
    {HintTarget::HungerValue, kWorseHint},
    {HintTarget::ThirstValue, kWorseHint},
    {HintTarget::SleepinessValue, kWorseHint},
    {HintTarget::MoodValue, kBetterHint},
    {HintTarget::HealthValue, kBetterHint},
    {HintTarget::AgeValue, kAgeHint},
    {HintTarget::AgeCaption, kAgeHint},
    {HintTarget::Pet, QT_TRANSLATE_NOOP("HintTexts", "Это питомец")},
};

} // namespace

QString hintFor(HintTarget target) {
    for (const Hint& hint : kHints)
        if (hint.target == target)
            return QCoreApplication::translate("HintTexts", hint.text);
    return QString();
}
