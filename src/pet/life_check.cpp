#include "life_check.h"

namespace {

struct DaysAwayChange {
    int direction; // +1 where a bigger value is worse, -1 where it is better
    int extra;
};

// Indexed by Need: hunger +1, thirst +2, mood -1, sleepiness +2, health -1 on top.
constexpr DaysAwayChange kDaysAwayChanges[kNeedCount] = {
    {+1, 1}, {+1, 2}, {-1, 1}, {+1, 2}, {-1, 1}};

} // namespace

bool diedOfOldAge(double ageDays) {
    return ageDays >= kOldAgeLimit;
}

bool diedOfNeglect(double hunger, double thirst, double health, double mood, double sleepiness) {
    const bool parched = thirst >= kHighNeedLimit;
    return (hunger >= kHighNeedLimit && parched && health <= kLowNeedLimit) ||
           (parched && mood <= kLowNeedLimit && sleepiness >= kHighNeedLimit);
}

double needAfterDaysAway(Need need, double value, int daysAway) {
    const DaysAwayChange change = kDaysAwayChanges[needIndex(need)];
    return value + change.direction * (daysAway + change.extra);
}
