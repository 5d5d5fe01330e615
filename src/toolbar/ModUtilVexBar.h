#pragma once
// Helpers of the bar for its settings file "cn000pr.ini": the user and the
// database of the context, named values of the command line, and the colour
// style chosen per user, workstation and database.
#include <QString>

namespace ModUtilVexBar {

// The path ending in a separator; "" for a blank path.
QString AgregarBarraFinal(const QString& ruta);
// The Windows user ("USERNAME"), "DEFAULT" when unknown.
QString UsuarioContexto();
// The database named on the command line ("@dbname") or in the environment,
// "DEFAULT" when unknown.
QString BaseContexto();
// The value of "<nombre>=value" in the program's command line, up to the next
// ";", without enclosing double quotes; "" when absent.
QString ParametroLinea(const QString& nombre);
// A bare file name is placed in the application folder; a path is kept.
QString RutaIni(const QString& archivo);
// The value of the key, or porDefecto when the file names nothing or the key
// gives no text.
QString LeerIni(const QString& archivo, const QString& seccion, const QString& clave,
                const QString& porDefecto);
// The stored style 0..99 of the section's "Styles" key; -1 when absent or invalid.
int LeerNumeroEstilo(const QString& archivo, const QString& seccion);
// The first section, in file order, whose name ends in "STYLES" (any case).
QString PrimeraSeccionEstilos(const QString& archivo);
// The section that holds the style of the user (and workstation) for the database.
QString SeccionEstilos(const QString& archivo, const QString& usuario, const QString& base);
// The toolbar style 1..5 of the user for the database (the context when blank).
int LeerEstiloBarra(const QString& usuario, const QString& base);
// Stored style number to toolbar style: 0 → 1, 2 → 3, 3 → 4, 4 → 5, else 2.
int MapearEstilo(int n);
// The caption font name of the context user and database, "Segoe UI" by default.
QString FuenteIni();

} // namespace ModUtilVexBar
