#include "choice_pictures.h"

#include "core/action_kind.h"

#include <QCoreApplication>

namespace {

// Each action's pictures, with what each shows in words; an action has as
// many pictures as it has descriptions.
struct ChoiceFamily {
    qint16 actionKind;
    const char* prefix;
    const char* descriptions[kChoiceCount];
};

// clang-format off
constexpr ChoiceFamily kChoiceFamilies[] = {
    {kActionEat, "f", {
        QT_TRANSLATE_NOOP("ChoicePictures", "Рыба"),
        QT_TRANSLATE_NOOP("ChoicePictures", "Сосиска"),
        QT_TRANSLATE_NOOP("ChoicePictures", "Миска корма"),
        QT_TRANSLATE_NOOP("ChoicePictures", "Пирожное"),
    }},
    {kActionDrink, "d", {
        QT_TRANSLATE_NOOP("ChoicePictures", "Молоко"),
        QT_TRANSLATE_NOOP("ChoicePictures", "Вода"),
        QT_TRANSLATE_NOOP("ChoicePictures", "Сок"),
        QT_TRANSLATE_NOOP("ChoicePictures", "Какао"),
    }},
    {kActionPlay, "pl", {
        QT_TRANSLATE_NOOP("ChoicePictures", "Мячик"),
        QT_TRANSLATE_NOOP("ChoicePictures", "Клубок"),
        QT_TRANSLATE_NOOP("ChoicePictures", "Мышка на палочке"),
        QT_TRANSLATE_NOOP("ChoicePictures", "Электронная игра"),
    }},
    {kActionSleep, "sl", {
        QT_TRANSLATE_NOOP("ChoicePictures", "Луна: пора спать"),
    }},
    {kActionTreat, "t", {
        QT_TRANSLATE_NOOP("ChoicePictures", "Ложка сиропа"),
        QT_TRANSLATE_NOOP("ChoicePictures", "Укол"),
        QT_TRANSLATE_NOOP("ChoicePictures", "Таблетки"),
        QT_TRANSLATE_NOOP("ChoicePictures", "Аптечка"),
    }},
};
// clang-format on

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
                return QCoreApplication::translate("ChoicePictures", family.descriptions[i]);
    return QString();
}
