#pragma once

// How often the need clock ticks, in milliseconds: from the window's creation
// and again after every care run.
inline constexpr int kNeedClockIntervalMs = 500;
