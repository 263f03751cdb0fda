#pragma once

// The need clock's own rate, from the window's creation and after every care run.
inline constexpr int kNeedClockIntervalMs = 500;
