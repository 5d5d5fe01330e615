#include "AccesoDirecto.h"
#include "CamposBases.h"
#include "Dialogos.h"
#include "ParametrosLinea.h"
#include "Programa.h"
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace AccesoDirecto {
namespace {
const QString kTitulo = QStringLiteral("Acceso Directo");

// A string value of the file: backslashes doubled.
QString ValorCadena(const QString& texto) {
    return QString(texto).replace(u'\\', QStringLiteral("\\\\"));
}
} // namespace

QString ArgumentoExec(const QString& argumento) {
    QString citado = QStringLiteral("\"");
    for (const QChar c : argumento) {
        if (c == u'"' || c == u'`' || c == u'$' || c == u'\\')
            citado += u'\\';
        if (c == u'%')
            citado += u'%';
        citado += c;
    }
    citado += u'"';
    return ValorCadena(citado);
}

QString TextoLanzador(const QString& nombre, const QString& programa, const QString& argumentos) {
    return QStringLiteral("[Desktop Entry]\n"
                          "Version=1.0\n"
                          "Type=Application\n"
                          "Name=") +
           ValorCadena(nombre) + QStringLiteral("\nExec=") + ArgumentoExec(programa) + u' ' +
           ArgumentoExec(argumentos) + QStringLiteral("\nTerminal=false\n");
}

QString NombreLanzador(const QString& titulo) {
    QString n = titulo.trimmed();
    if (n.isEmpty())
        n = Programa::NombreEjecutable();
    for (QChar& c : n)
        if (c == u'/' || c == u'\\' || CamposBases::TieneCaracterDeControl(QString(c)))
            c = u'_';
    return n;
}

bool ValorRechazado(const QString& valor) {
    return CamposBases::TieneCaracterDeControl(valor) || valor.contains(u';');
}

} // namespace AccesoDirecto

ResultadoAccesoDirecto CrearAccesoDirecto(const QString& carpetaEscritorio, const QString& titulo,
                                          const QString& programa, const QString& servidor,
                                          const QString& base, const QString& usuario) {
    using namespace AccesoDirecto;
    const QString nombre = NombreLanzador(titulo);
    const QString ruta = QDir(carpetaEscritorio).filePath(nombre + QStringLiteral(".desktop"));
    if (QFileInfo::exists(ruta)) {
        dialogos().Mensaje(QStringLiteral("El acceso directo ya existe."),
                           EstilosMensaje::Informacion, kTitulo);
        return ResultadoAccesoDirecto::YaExiste;
    }
    if (ValorRechazado(servidor) || ValorRechazado(base) || ValorRechazado(usuario)) {
        dialogos().Mensaje(QStringLiteral("El servidor, la base de datos y el usuario no pueden "
                                          "tener saltos de línea, caracteres de control ni \";\"."),
                           EstilosMensaje::Exclamacion, kTitulo);
        return ResultadoAccesoDirecto::Rechazado;
    }
    QSaveFile f(ruta);
    const QByteArray texto =
        TextoLanzador(nombre, programa,
                      CadenaAccesoDirecto(servidor.trimmed(), base.trimmed(), usuario.trimmed()))
            .toUtf8();
    const bool escrito =
        f.open(QIODevice::WriteOnly) && f.write(texto) == texto.size() && f.commit() &&
        QFile::setPermissions(ruta, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                        QFileDevice::ExeOwner | QFileDevice::ReadGroup |
                                        QFileDevice::ExeGroup | QFileDevice::ReadOther |
                                        QFileDevice::ExeOther);
    if (!escrito) {
        const QString razon = f.errorString().isEmpty()
                                  ? QStringLiteral("no se pudo crear \"") + ruta + u'"'
                                  : f.errorString();
        dialogos().Mensaje(QStringLiteral("Se ha producido un error: ") + razon,
                           EstilosMensaje::Critico, QStringLiteral("Error"));
        return ResultadoAccesoDirecto::Error;
    }
    dialogos().Mensaje(QStringLiteral("Acceso directo creado correctamente en el escritorio."),
                       EstilosMensaje::Informacion, kTitulo);
    return ResultadoAccesoDirecto::Creado;
}
