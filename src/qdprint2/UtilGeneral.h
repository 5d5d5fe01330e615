#pragma once
// General utilities of the suite's component library: value conversion, text
// helpers, the password cipher, date literals per database engine, and the
// error dialog with its Retry/Ignore/leave answers.
#include "ErrorVB.h"
#include <QFont>
#include <QString>
#include <QVariant>

enum class MotorBD { SqlServer, Oracle, Sqlite };

namespace UtilGeneral {

// Text of a field or value; empty text for null. A number is written with a
// point and up to 15 significant digits, never in exponent form.
QString ValorTexto(const QVariant& valor);
// A number written with a decimal point, without the zeros that end its
// decimals nor the point when none is left ("1.50" gives "1.5", "2.00" "2").
QString SinCerosDecimales(QString t);
// The leading number of a text, with four decimals; 0 for empty or non-numeric
// text. A comma or a point may be the decimal separator.
double ValorNumero(const QString& texto);
// The folder ending in a path separator.
QString CarpetaConBarra(const QString& carpeta);
// The text without any of the given characters.
QString QuitarCaracteres(const QString& texto, const QString& caracteres);
// Every occurrence of viejo replaced by nuevo (letter case ignored).
QString Reemplazar(const QString& texto, const QString& viejo, const QString& nuevo);
// The first n characters.
QString Recortar(const QString& texto, int n);
// The text right-aligned in the width, padded with blanks on the left.
QString AlinearDerecha(const QString& texto, int ancho);
// Number of blank-separated words.
int ContarPalabras(const QString& texto);
// The suite's password cipher. The cipher text holds only the characters
// 0-9 and A-F, so it can stand in a comma-separated line.
QString Encriptar(const QString& texto);
QString Desencriptar(const QString& cifrado);
// A typed date (d/m/yy, d/m/yyyy, or yyyy-mm-dd) read as a date; invalid when
// it is none of them.
QDate LeerFecha(const QString& texto);
// The complete SQL date value to place after ">=" or "<=" for the engine.
QString LiteralFecha(const QString& fecha, MotorBD motor);
// The calendar: a date chosen by the user as dd/mm/yyyy, empty when cancelled.
QString Calendario(const QString& inicial = {});
// The text fitted to a width in pixels for the font, ending in "..." when cut.
QString AjustarAncho(const QString& texto, int anchoPixeles, const QFont& fuente);
// The error dialog: the error number and description with the routine's name,
// buttons by style (default Abort/Retry/Ignore with the critical icon).
int DialogoError(const ErrorVB& error, int botones = 18, const QString& rutina = {});

} // namespace UtilGeneral
