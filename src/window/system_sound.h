#pragma once

#include <functional>

// Plays the sound theme's "bell" event through the desktop's sound server.
// False where no server answers or the theme has no such sound.
bool playThemeBell();

// The display's own bell, which many desktops keep silent.
void ringDisplayBell();

// One beep: the theme's bell where the sound server plays it, the display's
// bell where it does not, so exactly one sound is made either way.
void soundBeep(const std::function<bool()>& playTheme = playThemeBell,
               const std::function<void()>& ringBell = ringDisplayBell);
