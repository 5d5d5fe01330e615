#include "ArchivosDelPrograma.h"
#include "Programa.h"
#include "UtilGeneral.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace ArchivosDelPrograma {
namespace {
std::optional<bool>& escribibleFijado() {
    static std::optional<bool> e;
    return e;
}
QString& datosFijados() {
    static QString d;
    return d;
}
QString& documentosFijados() {
    static QString d;
    return d;
}

QString creada(const QString& carpeta) {
    QDir().mkpath(carpeta);
    return UtilGeneral::CarpetaConBarra(carpeta);
}

// The program folder's file when it can be appended to or created there.
bool enLaCarpetaDelPrograma(const QString& archivo) {
    if (escribibleFijado().has_value())
        return *escribibleFijado();
    return QFileInfo::exists(archivo) ? SePuedeAgregar(archivo) : CarpetaProgramaEscribible();
}
} // namespace

bool SePuedeEscribir(const QString& carpeta) {
    if (carpeta.trimmed().isEmpty() || !QFileInfo(carpeta).isDir())
        return false;
    QTemporaryFile prueba(UtilGeneral::CarpetaConBarra(carpeta) +
                          QStringLiteral(".tarquel_escritura_XXXXXX"));
    return prueba.open(); // removed when it goes out of scope
}

bool SePuedeAgregar(const QString& archivo) {
    QFile f(archivo);
    return f.exists() && f.open(QIODevice::WriteOnly | QIODevice::Append);
}

bool CarpetaProgramaEscribible() {
    if (escribibleFijado().has_value())
        return *escribibleFijado();
    return SePuedeEscribir(Programa::Carpeta());
}

QString CarpetaDatosUsuario() {
    const QString fijada = datosFijados();
    return creada(!fijada.isEmpty()
                      ? fijada
                      : QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation));
}

QString CarpetaDocumentos() {
    QString carpeta = documentosFijados();
    if (carpeta.isEmpty())
        carpeta = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return carpeta.isEmpty() ? CarpetaDatosUsuario() : creada(carpeta);
}

QString ArchivoDeDatos(const QString& nombre) {
    const QString delPrograma = Programa::Carpeta() + nombre;
    if (enLaCarpetaDelPrograma(delPrograma))
        return delPrograma;
    const QString propio = CarpetaDatosUsuario() + nombre;
    if (!QFileInfo::exists(propio) && QFileInfo::exists(delPrograma) &&
        QFile::copy(delPrograma, propio)) {
        // The copy keeps the installed file's read-only mark; the user's own
        // copy must take new lines.
        QFile::setPermissions(propio,
                              QFile::permissions(propio) | QFile::WriteOwner | QFile::ReadOwner);
    }
    return propio;
}

QString ArchivoDeLectura(const QString& nombre) {
    const QString delPrograma = Programa::Carpeta() + nombre;
    if (QFileInfo::exists(delPrograma) || enLaCarpetaDelPrograma(delPrograma))
        return delPrograma;
    return CarpetaDatosUsuario() + nombre;
}

QString ArchivoDocumento(const QString& nombre) {
    const QString delPrograma = Programa::Carpeta() + nombre;
    return enLaCarpetaDelPrograma(delPrograma) ? delPrograma : CarpetaDocumentos() + nombre;
}

QString ArchivoEscribible(const QString& nombre, const QString& otraCarpeta) {
    const QString delPrograma = Programa::Carpeta() + nombre;
    return enLaCarpetaDelPrograma(delPrograma) ? delPrograma
                                               : UtilGeneral::CarpetaConBarra(otraCarpeta) + nombre;
}

void FijarCarpetaProgramaEscribible(std::optional<bool> escribible) {
    escribibleFijado() = escribible;
}

void FijarCarpetasUsuario(const QString& datos, const QString& documentos) {
    datosFijados() = datos;
    documentosFijados() = documentos;
}

} // namespace ArchivosDelPrograma
