#pragma once
// Qt's own texts in the program's windows (the text boxes' context menu, the
// file chooser, standard buttons) in Spanish whatever the system's language:
// the program ships no translation files.
#include <QLocale>

// Installs the Spanish texts in the application (once; again is harmless).
void InstalarTextosQtEnEspanol();
// Takes them out again (the process reset).
void QuitarTextosQtEnEspanol();
// The Spanish of the program's calendars and dates shown by name.
QLocale LocaleEspanol();
