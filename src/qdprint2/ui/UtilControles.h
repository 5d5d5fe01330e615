#pragma once
// Keyboard helpers of the parameter fields: which key confirms a field, how a
// typed character is filtered, and the focus advance after a confirmation.
#include <QChar>

class QWidget;

namespace UtilControles {

// True for the keys that confirm a field: Enter (13).
bool EsTeclaConfirmar(int codigoTecla);
// The typed character, possibly replaced: a decimal point typed on the numeric
// keypad stays; control characters other than Backspace are cancelled (null).
QChar FiltrarTecla(QChar caracter);
// Moves the focus to the next field after a confirming key.
void AvanzarFoco(QWidget* campo, int codigoTecla);

} // namespace UtilControles
