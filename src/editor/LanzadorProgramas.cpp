#include "LanzadorProgramas.h"
#include "DB_Dll.h"
#include "Dialogos.h"
#include "ModeloAsientos.h"
#include "MotorSqlite.h"
#include "ParametrosLinea.h"
#include "Programa.h"
#include "Sesion.h"
#include "UtilGeneral.h"
#include <QProcess>

QString ParametroVisor(const ModeloAsientos& grilla, int fila) {
    const std::optional<DatosComprobante> c = grilla.ComprobanteDe(fila);
    if (!c)
        return {};
    return QStringLiteral("@TC=") + c->tc + QStringLiteral("|@Sucursal=") + c->sucursal +
           QStringLiteral("|@Numero=") + c->numero + QStringLiteral("|@Letra=") + c->letra + u'|';
}

QString CadenaSesion(const QString& adicional) {
    const Sesion& s = sesion();
    // A local folder as server keeps an alias in front, so the receiving
    // program's server rule leaves the whole path.
    QString servidor = gDB().gServidor;
    if (MotorSqlite::EsCarpetaLocal(servidor))
        servidor = QStringLiteral("sqlite/") + servidor;
    return CadenaLanzador(servidor, gDB().gDBName, s.gUsuarioLogeado, s.gClaveUsuario, adicional,
                          s.gUsuarioLogeado, s.gCaja);
}

qint64 EjecutarPrograma(const QString& programa, QString parametro) {
    const int blanco = static_cast<int>(parametro.indexOf(u' '));
    if (blanco >= 0)
        parametro = parametro.mid(blanco + 1);
    qint64 proceso = 0;
    if (programa.startsWith(QStringLiteral("shell:"), Qt::CaseInsensitive)) {
        const QString ruta = UtilGeneral::CarpetaConBarra(Programa::Carpeta()) + programa.mid(6);
        if (!QProcess::startDetached(ruta, {CadenaSesion(parametro)}, Programa::Carpeta(),
                                     &proceso))
            proceso = 0;
    }
    if (proceso == 0)
        dialogos().Mensaje(
            QStringLiteral("Opcion no Implementada!\rComuniquese con su proveedor de sistemas"),
            EstilosMensaje::Critico, QStringLiteral("Atención"));
    return proceso;
}
