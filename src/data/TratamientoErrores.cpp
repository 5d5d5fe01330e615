#include "TratamientoErrores.h"
#include "ArchivosDelPrograma.h"
#include "DB_Dll.h"
#include "Dialogos.h"
#include "InfoSistema.h"
#include "UtilGeneral.h"
#include <QFile>

namespace TratamientoErroresDetalle {

QString PalabraRespuesta(int respuesta) {
    switch (respuesta) {
    case 4:
        return QStringLiteral("Reintentar");
    case 5:
        return QStringLiteral("Ignorar");
    case 3:
        return QStringLiteral("Abortar");
    case 2:
        return QStringLiteral("Cancelar");
    case 6:
        return QStringLiteral("Sí");
    case 7:
        return QStringLiteral("No");
    default:
        return {};
    }
}

QString Mensaje(const ErrorVB& e) {
    return QStringLiteral("Ha ocurrido el Siguiente Error (") + QString::number(e.numero) +
           QStringLiteral(") ") + e.descripcion.trimmed();
}

QString Titulo(const ErrorVB& e, const QString& rutina, const QString& sufijo) {
    const QString parte = rutina.isEmpty() ? QString() : QStringLiteral(" - ") + rutina;
    return e.fuente + parte + sufijo;
}

QString LineaLog(const QDateTime& cuando, const QString& rutina, const QString& mensaje,
                 int respuesta) {
    const QString parte = rutina.isEmpty() ? QString() : QStringLiteral(" - ") + rutina;
    return cuando.toString(QStringLiteral("dd/MM/yyyy")) + u' ' +
           cuando.toString(QStringLiteral("HH:mm:ss")) + QStringLiteral(" Rutina: ") +
           parte.trimmed() + QStringLiteral(" Mensaje ") + mensaje.trimmed() +
           QStringLiteral(" Respondió : ") + PalabraRespuesta(respuesta);
}

QString CarpetaRespaldo() {
    QString carpeta;
    if (!qEnvironmentVariable("temp").isEmpty())
        carpeta = qEnvironmentVariable("tmp").trimmed();
    if (carpeta.isEmpty())
        carpeta = InfoSistema::CarpetaAlternativa();
    return carpeta;
}

void AgregarLinea(const QString& ruta, const QString& linea) {
    QFile f(ruta);
    if (f.open(QIODevice::Append | QIODevice::WriteOnly))
        f.write((linea + QStringLiteral("\r\n")).toUtf8());
}

} // namespace TratamientoErroresDetalle

using namespace TratamientoErroresDetalle;

int DB_Dll::TratamientoErrores(const ErrorVB& CodErr, int Botones, const QString& Rutina) {
    // Without a path of its own, the log of the program folder; when the user
    // cannot write there, the one of the module-level copy.
    const QString ruta = !gLogErr.isEmpty() ? gLogErr
                                            : ArchivosDelPrograma::ArchivoEscribible(
                                                  QStringLiteral("QDERR.LOG"), CarpetaRespaldo());
    const QString mensaje = Mensaje(CodErr);
    const QString titulo = Titulo(CodErr, Rutina, QStringLiteral(" Aviso al operador!!! - 5 "));
    if (CodErr.numero == 0)
        return 0;
    const int respuesta = dialogos().Mensaje(mensaje, Botones, titulo);
    AgregarLinea(ruta, LineaLog(QDateTime::currentDateTime(), Rutina, mensaje, respuesta));
    return respuesta;
}

int TratamientoErroresGlobal(const ErrorVB& CodErr, int Botones, const QString& Rutina) {
    const QString ruta =
        UtilGeneral::CarpetaConBarra(CarpetaRespaldo()) + QStringLiteral("QDERR.LOG");
    // The log is opened before the question, so it exists even when nothing
    // is written to it.
    QFile log(ruta);
    const bool abierto = log.open(QIODevice::Append | QIODevice::WriteOnly);
    const QString mensaje = Mensaje(CodErr);
    const QString titulo = Titulo(CodErr, Rutina, QStringLiteral(" Aviso al operador!!! - 2 "));
    if (CodErr.numero == 0)
        return 0;
    const int respuesta = dialogos().Mensaje(mensaje, Botones, titulo);
    if (abierto)
        log.write((LineaLog(QDateTime::currentDateTime(), Rutina, mensaje, respuesta) +
                   QStringLiteral("\r\n"))
                      .toUtf8());
    return respuesta;
}
