#pragma once

#include <csignal>

// A second start sends this to the program that keeps the pet, to bring its
// window to the front.
inline constexpr int kComeForwardSignal = SIGUSR1;
