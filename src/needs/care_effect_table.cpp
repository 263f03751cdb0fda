#include "care_effect_table.h"

#include "core/action_kind.h"

#include <QCoreApplication>

namespace {

constexpr std::nullopt_t o = std::nullopt;
using enum Need;
using enum RefusalTest;

// clang-format off
constexpr CareEffect kEffectTable[] = {
//   action        choice tested      refused   bound refusal (marked for translation)                         hunger thirst mood sleep health  reply
    {kActionEat,   0, Hunger,     AtMost,  2, QT_TRANSLATE_NOOP("CareEffectTable", "Я не хочу есть!"),          {-5, +3, +2,  o,  o}, QT_TRANSLATE_NOOP("CareEffectTable", "Спасибо!")},
    {kActionEat,   1, Hunger,     AtMost,  2, QT_TRANSLATE_NOOP("CareEffectTable", "Я не хочу есть!"),          {-3, +5, +3,  o, +1}, QT_TRANSLATE_NOOP("CareEffectTable", "Спасибо!")},
    {kActionEat,   2, Hunger,     AtMost,  2, QT_TRANSLATE_NOOP("CareEffectTable", "Я не хочу есть!"),          {-6, +4, +4, +1, +1}, QT_TRANSLATE_NOOP("CareEffectTable", "Как вкусно! Спасибо!")},
    {kActionEat,   3, Hunger,     AtMost,  2, QT_TRANSLATE_NOOP("CareEffectTable", "Я не хочу есть!"),          {-2, +2, +5,  o, -1}, QT_TRANSLATE_NOOP("CareEffectTable", "Большое спасибо!")},
    {kActionDrink, 0, Thirst,     AtMost,  2, QT_TRANSLATE_NOOP("CareEffectTable", "Я не хочу пить!"),          { o, -5, +2, +1, +1}, QT_TRANSLATE_NOOP("CareEffectTable", "Как вкусно! Спасибо!")},
    {kActionDrink, 1, Thirst,     AtMost,  2, QT_TRANSLATE_NOOP("CareEffectTable", "Я не хочу пить!"),          { o, -4,  o, -2,  o}, QT_TRANSLATE_NOOP("CareEffectTable", "Спасибо!")},
    {kActionDrink, 2, Thirst,     AtMost,  2, QT_TRANSLATE_NOOP("CareEffectTable", "Я не хочу пить!"),          { o, -4, +5, -1, -2}, QT_TRANSLATE_NOOP("CareEffectTable", "Как вкусно! Спасибо!")},
    {kActionDrink, 3, Thirst,     AtMost,  2, QT_TRANSLATE_NOOP("CareEffectTable", "Я не хочу пить!"),          { o, -5, +1,  o,  o}, QT_TRANSLATE_NOOP("CareEffectTable", "Вкусно! Спасибо!")},
    {kActionPlay,  0, Mood,       AtLeast, 8, QT_TRANSLATE_NOOP("CareEffectTable", "Я не хочу играть!"),        {+2, +3, +5, +1, +1}, QT_TRANSLATE_NOOP("CareEffectTable", "Эта игра просто класс!")},
    {kActionPlay,  1, Mood,       AtLeast, 8, QT_TRANSLATE_NOOP("CareEffectTable", "Я не хочу играть!"),        {+2, +4, +4, -1, +2}, QT_TRANSLATE_NOOP("CareEffectTable", "Круто!")},
    {kActionPlay,  2, Mood,       AtLeast, 8, QT_TRANSLATE_NOOP("CareEffectTable", "Я не хочу играть!"),        {+3, +3, +4, +1, -1}, QT_TRANSLATE_NOOP("CareEffectTable", "Супер!")},
    {kActionPlay,  3, Mood,       AtLeast, 8, QT_TRANSLATE_NOOP("CareEffectTable", "Я не хочу играть!"),        { o,  o, +3,  o,  o}, QT_TRANSLATE_NOOP("CareEffectTable", "Нормально!")},
    {kActionSleep, 0, Sleepiness, AtMost,  1, QT_TRANSLATE_NOOP("CareEffectTable", "Я не хочу спать!"),         {+1, +1, +1, -10, +2}, QT_TRANSLATE_NOOP("CareEffectTable", "Я поспал!")},
    {kActionTreat, 0, Health,     AtLeast, 9, QT_TRANSLATE_NOOP("CareEffectTable", "Я не болен!"),              { o, +2, -1, +1, +2}, QT_TRANSLATE_NOOP("CareEffectTable", "Как невкусно!")},
    {kActionTreat, 1, Health,     AtLeast, 7, QT_TRANSLATE_NOOP("CareEffectTable", "Я не очень болен!"),        { o,  o, -2, +1, +4}, QT_TRANSLATE_NOOP("CareEffectTable", "Как больно!")},
    {kActionTreat, 2, Health,     AtLeast, 5, QT_TRANSLATE_NOOP("CareEffectTable", "Я не очень сильно болен!"), {+1, +1, -3,  o, +6}, QT_TRANSLATE_NOOP("CareEffectTable", "Мне намного лучше!")},
    {kActionTreat, 3, Health,     Above,   0, QT_TRANSLATE_NOOP("CareEffectTable", "Мне это не нужно!"),        {+3, +3, -4, +2, +10}, QT_TRANSLATE_NOOP("CareEffectTable", "Мне намного лучше!")},
};
// clang-format on

} // namespace

const CareEffect* careEffectFor(qint16 actionKind, qint16 choiceIndex) {
    for (const CareEffect& effect : kEffectTable)
        if (effect.actionKind == actionKind && effect.choiceIndex == choiceIndex)
            return &effect;
    return nullptr;
}

bool refuses(const CareEffect& effect, double testedValue) {
    switch (effect.refusedWhen) {
    case AtMost:
        return testedValue <= effect.bound;
    case AtLeast:
        return testedValue >= effect.bound;
    case Above:
        return testedValue > effect.bound;
    }
    return false;
}

QString refusalText(const CareEffect& effect) {
    return QCoreApplication::translate("CareEffectTable", effect.refusal);
}
QString replyText(const CareEffect& effect) {
    return QCoreApplication::translate("CareEffectTable", effect.reply);
}
