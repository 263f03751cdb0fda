#pragma once

#include "core/need.h"

// The pet dies of old age on the day it is this old.
inline constexpr double kOldAgeLimit = 20;
// Hunger, thirst and sleepiness here or above, mood and health here or below,
// are critical.
inline constexpr double kHighNeedLimit = 10;
inline constexpr double kLowNeedLimit = 0;

bool diedOfOldAge(double ageDays);

// Neglect: starved and parched and ill, or parched and miserable and exhausted.
bool diedOfNeglect(double hunger, double thirst, double health, double mood, double sleepiness);

// Every day away worsens each need by one, and each need by an extra of its
// own on top: the value a need shows after one or more days away.
double needAfterDaysAway(Need need, double value, int daysAway);
