#pragma once

#include <QString>

class QCoreApplication;

// The language of every text the program shows, prints or speaks, chosen once
// at start-up from the user's languages as Qt reads them (LANGUAGE, LC_ALL,
// LC_MESSAGES, LANG): the first one the program has a translation for. Russian,
// the language the texts are written in, and the C and POSIX locales end the
// search, and so does the end of the list: the texts then stay as written.
//
// A text is marked where it stands, and translated at the moment it is shown:
// with tr() in frmForm's handlers, elsewhere with QCoreApplication::translate
// or, in tables and constants, QT_TRANSLATE_NOOP, under a context named after
// its file ("PetFile" for pet_file.cpp). The update_translations target then
// adds it to every translation file.
void chooseUiLanguage();

// Hands the chosen translations, the program's and Qt's own, to the
// application as soon as it exists.
void installUiLanguage(QCoreApplication& application);

// A marked text in the chosen language also before the application exists:
// for the command line and for the missing display.
QString uiText(const char* context, const char* source);
