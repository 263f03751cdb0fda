#pragma once

#include <QtGlobal>

// Values of the form-level variable ActionKind, a 16-bit integer: which care
// action the choice panel offers.
inline constexpr qint16 kActionEat = 0;
inline constexpr qint16 kActionDrink = 1;
inline constexpr qint16 kActionPlay = 2;
inline constexpr qint16 kActionSleep = 3;
inline constexpr qint16 kActionTreat = 4;

// The choice panel holds four options.
inline constexpr qint16 kChoiceCount = 4;
