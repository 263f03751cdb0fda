#pragma once

#include <QtGlobal>

// Values of the form's ActionKind: which care action the choice panel offers.
enum ActionKindValue : qint16 {
    kActionEat = 0,
    kActionDrink = 1,
    kActionPlay = 2,
    kActionSleep = 3,
    kActionTreat = 4,
};

// The choice panel holds four options.
inline constexpr qint16 kChoiceCount = 4;
