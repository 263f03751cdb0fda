#pragma once

class DesktopSignals;
class frmForm;

// Watches what Qt says about its connection to the display, from before the
// application is made: a display that cannot be reached at all is told in the
// program's own words alone and ends the program with exit code 1 (Qt would
// dump core after English warnings of its own). What Qt says before the
// display is reached is held back until displayReached(); after that, every
// message goes on to standard error at once.
void watchTheDisplay();
void displayReached();

// The desktop can end the program in more ways than the close button: a
// logout or kill sends SIGTERM or SIGHUP, a terminal Ctrl+C SIGINT, and a
// display that goes away ends the program from inside Qt. Each of them saves
// the pet as closing the window does. Called once the window is about to be
// shown: until then these signals end the program at once, by their default
// action, with nothing saved.
void saveOnDesktopEnds(frmForm& form, DesktopSignals& desktopSignals);
