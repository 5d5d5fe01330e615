#pragma once
// "Crear Acceso Directo": a desktop launcher (a Desktop Entry file, made
// executable) that starts this program with the typed connection as its
// parameter string. The password never goes into it. Every typed value is
// quoted and escaped by the Desktop Entry rules, and a value with a line
// break, another control character or ";" is refused, so nothing typed can
// add a key to the file, a command to its Exec line or a parameter to the
// program's parameter string.
#include <QString>

namespace AccesoDirecto {

// One argument of the Exec key as written in the file: in double quotes, with
// quotes, backquotes, dollars and backslashes escaped, "%" doubled, and then
// backslashes doubled as every string value of the file needs.
QString ArgumentoExec(const QString& argumento);
// The text of the launcher file.
QString TextoLanzador(const QString& nombre, const QString& programa, const QString& argumentos);
// The launcher's name: the application title trimmed, or the executable's
// name when the title is blank; characters a file name cannot hold become "_".
QString NombreLanzador(const QString& titulo);
// True when a typed value cannot go into the launcher.
bool ValorRechazado(const QString& valor);

} // namespace AccesoDirecto

enum class ResultadoAccesoDirecto { Creado, YaExiste, Rechazado, Error };

// Creates the launcher in the desktop folder, for programa (its full path),
// named after titulo; its messages go through the dialog seam: "El acceso
// directo ya existe.", "Acceso directo creado correctamente en el
// escritorio.", a refusal, or "Se ha producido un error: " and the reason.
ResultadoAccesoDirecto CrearAccesoDirecto(const QString& carpetaEscritorio, const QString& titulo,
                                          const QString& programa, const QString& servidor,
                                          const QString& base, const QString& usuario);
