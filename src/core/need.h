#pragma once

#include <array>

// The five needs, in the order every rule visits them. For hunger, thirst and
// sleepiness a bigger value is worse; for mood and health it is better.
enum class Need { Hunger, Thirst, Mood, Sleepiness, Health };

inline constexpr int kNeedCount = 5;
inline constexpr std::array<Need, kNeedCount> kNeedOrder = {Need::Hunger, Need::Thirst, Need::Mood,
                                                            Need::Sleepiness, Need::Health};

inline constexpr int needIndex(Need need) {
    return static_cast<int>(need);
}
