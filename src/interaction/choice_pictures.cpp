#include "choice_pictures.h"

#include "core/action_kind.h"

namespace {

// Each action's pictures, with what each shows in words; an action has as
// many pictures as it has descriptions.
struct ChoiceFamily {
    qint16 actionKind;
    const char* prefix;
    const char* descriptions[kChoiceCount];
};

constexpr ChoiceFamily kChoiceFamilies[] = {
    {kActionEat, "f", {"Рыба", "Сосиска", "Миска корма", "Пирожное"}},
    {kActionDrink, "d", {"Молоко", "Вода", "Сок", "Какао"}},
    {kActionPlay, "pl", {"Мячик", "Клубок", "Мышка на палочке", "Электронная игра"}},
    {kActionSleep, "sl", {"Луна: пора спать"}},
    {kActionTreat, "t", {"Ложка сиропа", "Укол", "Таблетки", "Аптечка"}},
};

QString fileName(const ChoiceFamily& family, int option) {
    return QStringLiteral("%1%2.gif").arg(QLatin1String(family.prefix)).arg(option);
}

int pictureCount(const ChoiceFamily& family) {
    int count = 0;
    while (count < kChoiceCount && family.descriptions[count])
        ++count;
    return count;
}

} // namespace

QStringList choicePictureNames(qint16 actionKind) {
    QStringList names;
    for (const ChoiceFamily& family : kChoiceFamilies)
        if (family.actionKind == actionKind)
            for (int i = 0; i < pictureCount(family); ++i)
                names << fileName(family, i);
    return names;
}

QString choicePictureDescription(const QString& pictureName) {
    for (const ChoiceFamily& family : kChoiceFamilies)
        for (int i = 0; i < pictureCount(family); ++i)
            if (pictureName == fileName(family, i))
                return QString::fromUtf8(family.descriptions[i]);
    return QString();
}
