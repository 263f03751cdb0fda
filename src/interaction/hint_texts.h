#pragma once

#include <QString>

// Everything that explains itself in the status line when the pointer moves
// over it.
enum class HintTarget {
    WindowSurface,
    StatusLine,
    EatButton,
    DrinkButton,
    PlayButton,
    SleepButton,
    TreatButton,
    DataButton,
    HungerValue,
    ThirstValue,
    MoodValue,
    SleepinessValue,
    HealthValue,
    AgeValue,
    AgeCaption,
    Pet,
};

// The text the status line shows for a target; empty for the window's own
// surface and for the status line itself, which clear the line.
QString hintFor(HintTarget target);
