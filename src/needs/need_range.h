#pragma once

// The range the need clock holds every need in.
inline constexpr int kNeedMax = 10;
inline constexpr int kNeedMin = 0;

inline constexpr bool aboveNeedRange(double value) {
    return value > kNeedMax;
}
inline constexpr bool belowNeedRange(double value) {
    return value < kNeedMin;
}
