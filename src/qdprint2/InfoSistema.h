#pragma once
// Workstation information: computer and user names, opening a document with
// the program associated with it, and a folder that can always be written.
#include <QString>
#include <functional>

namespace InfoSistema {

QString NombreEquipo();
QString UsuarioWindows();
// Opens archivo with its associated program ("open"), a web address with the
// desktop's browser, or starts archivo when it is a program; true when it
// could be started.
bool EjecutarDocumento(const QString& operacion, const QString& archivo, const QString& parametros,
                       const QString& carpeta, int modoVentana);
// A writable folder (the system's temporary folder).
QString CarpetaAlternativa();

// Tests replace how documents are opened, so that nothing is launched.
using Lanzador =
    std::function<bool(const QString& archivo, const QString& parametros, const QString& carpeta)>;
void EstablecerLanzador(Lanzador lanzador);

} // namespace InfoSistema
