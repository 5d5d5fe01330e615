#include "InfoSistema.h"
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QSysInfo>
#include <QUrl>

namespace InfoSistema {
namespace {
Lanzador& lanzador() {
    static Lanzador l;
    return l;
}
QString entorno(const char* nombre) {
    return qEnvironmentVariable(nombre).trimmed();
}
} // namespace

QString NombreEquipo() {
    const QString n = entorno("COMPUTERNAME");
    return n.isEmpty() ? QSysInfo::machineHostName() : n;
}

QString UsuarioWindows() {
    QString n = entorno("USERNAME");
    if (n.isEmpty())
        n = entorno("USER");
    return n;
}

bool EjecutarDocumento(const QString&, const QString& archivo, const QString& parametros,
                       const QString& carpeta, int) {
    if (lanzador())
        return lanzador()(archivo, parametros, carpeta);
    const QUrl direccion(archivo, QUrl::StrictMode);
    if (direccion.isValid() && direccion.scheme().size() > 1 && !direccion.isLocalFile())
        return QDesktopServices::openUrl(direccion); // a web address: the browser
    QString ruta = archivo;
    if (ruta.size() >= 2 && ruta.startsWith(u'"') && ruta.endsWith(u'"'))
        ruta = ruta.mid(1, ruta.size() - 2); // a quoted path, as the shell takes it
    const QFileInfo info(ruta);
    if (info.isFile() && info.isExecutable()) {
        return QProcess::startDetached(archivo, QProcess::splitCommand(parametros),
                                       carpeta.isEmpty() ? info.absolutePath() : carpeta);
    }
    return QDesktopServices::openUrl(QUrl::fromLocalFile(info.absoluteFilePath()));
}

QString CarpetaAlternativa() {
    return QDir::tempPath();
}

void EstablecerLanzador(Lanzador l) {
    lanzador() = std::move(l);
}

} // namespace InfoSistema
