#include "choice_pictures.h"

#include "core/action_kind.h"

namespace {

struct ChoiceFamily {
    qint16 actionKind;
    const char* prefix;
    int count;
};

constexpr ChoiceFamily kChoiceFamilies[] = {
    {kActionEat, "f", kChoiceCount},   {kActionDrink, "d", kChoiceCount},
    {kActionPlay, "pl", kChoiceCount}, {kActionSleep, "sl", 1},
    {kActionTreat, "t", kChoiceCount},
};

struct PictureDescription {
    const char* name;
    const char* description;
};

constexpr PictureDescription kDescriptions[] = {
    {"f0.gif", "Рыба"},
    {"f1.gif", "Сосиска"},
    {"f2.gif", "Миска корма"},
    {"f3.gif", "Пирожное"},
    {"d0.gif", "Молоко"},
    {"d1.gif", "Вода"},
    {"d2.gif", "Сок"},
    {"d3.gif", "Какао"},
    {"pl0.gif", "Мячик"},
    {"pl1.gif", "Клубок"},
    {"pl2.gif", "Мышка на палочке"},
    {"pl3.gif", "Электронная игра"},
    {"sl0.gif", "Луна: пора спать"},
    {"t0.gif", "Ложка сиропа"},
    {"t1.gif", "Укол"},
    {"t2.gif", "Таблетки"},
    {"t3.gif", "Аптечка"},
};

} // namespace

QStringList choicePictureNames(qint16 actionKind) {
    QStringList names;
    for (const ChoiceFamily& family : kChoiceFamilies)
        if (family.actionKind == actionKind)
            for (int i = 0; i < family.count; ++i)
                names << QStringLiteral("%1%2.gif").arg(QLatin1String(family.prefix)).arg(i);
    return names;
}

QString choicePictureDescription(const QString& pictureName) {
    for (const PictureDescription& entry : kDescriptions)
        if (pictureName == QLatin1String(entry.name))
            return QString::fromUtf8(entry.description);
    return QString();
}
