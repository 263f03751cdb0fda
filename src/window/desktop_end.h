#pragma once

class DesktopSignals;
class frmForm;

// Watches what Qt says about its connection to the display, from before the
// application is made: a display that cannot be reached at all is told in
// Russian and ends the program with exit code 1 (Qt would dump core with an
// English text); every message goes on to standard error as before.
void watchTheDisplay();

// The desktop can end the program in more ways than the close button: a
// logout or kill sends SIGTERM or SIGHUP, a terminal Ctrl+C SIGINT, and a
// display that goes away ends the program from inside Qt. Each of them saves
// the pet as closing the window does. Called once the window is about to be
// shown: until then these signals end the program at once, by their default
// action, with nothing saved.
void saveOnDesktopEnds(frmForm& form, DesktopSignals& desktopSignals);
