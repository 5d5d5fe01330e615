#pragma once
// Keyboard helpers of the parameter fields: which key confirms a field, how a
// typed character is filtered, and the focus advance after a confirmation.
#include <QChar>

class QKeyEvent;
class QWidget;

namespace UtilControles {

// True for the keys that confirm a field: Enter (13).
bool EsTeclaConfirmar(int codigoTecla);
// True when the key types a character into a text box. Tab, Esc, Enter,
// Backspace and the Ctrl shortcuts carry control characters too, but they are
// keys that act, not text.
bool EsTextoTecleado(const QKeyEvent& tecla);
// The typed character, possibly replaced: a decimal point typed on the numeric
// keypad stays; control characters other than Backspace are cancelled (null).
QChar FiltrarTecla(QChar caracter);
// The control after (or before) desde in its window's tab order that takes the
// focus from the keyboard: visible, enabled, a tab stop. Null when there is
// none.
QWidget* SiguienteConFoco(QWidget* desde, bool adelante = true);
// Moves the focus to the next field after a confirming key.
void AvanzarFoco(QWidget* campo, int codigoTecla);

} // namespace UtilControles
