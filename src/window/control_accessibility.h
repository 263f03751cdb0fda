#pragma once

// Screen readers ask Qt what each control is. Plain widgets answer "filler",
// so the picture buttons would not be heard as buttons nor the pet as a
// picture; this tells them the role each picture control was given, lets
// them press what a mouse could click, reads the window top to bottom and
// left to right, announces the status line and speaks its notices.
void installControlAccessibility();
