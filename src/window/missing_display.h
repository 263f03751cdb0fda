#pragma once

// Without a display Qt ends the program with an English message and a core
// dump. Installed before the application is made, this tells the user in
// Russian instead and ends the program with exit code 1; every other message
// goes on to the handler installed before it.
void reportMissingDisplayInRussian();
