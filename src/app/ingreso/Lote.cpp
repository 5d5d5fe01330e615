#include "Lote.h"
#include "ContratoErrores.h"
#include "DB_Dll.h"
#include "Dialogos.h"
#include "ErroresLote.h"
#include "FormatosFecha.h"
#include "InfoSistema.h"
#include "Programa.h"
#include "Sesion.h"
#include "UtilGeneral.h"
#include <QDateTime>

namespace {
const QString CR = QStringLiteral("\r");

void ejecutar(const QString& sql) {
    IgnorandoErrores([&] {
        QString texto = sql;
        gDB().EjecutaConsultaSQL(texto);
    });
}
} // namespace

void GActualizarDatoScript(const QStringList& sentencias, SalidaLote& salida, bool ignorarDuplicado,
                           bool ignorarConflicto, bool mostrarMensaje) {
    salida.hayError = false;
    QString script;
    for (const QString& s : sentencias)
        if (!s.trimmed().isEmpty())
            script += CR + s;
    if (script.isEmpty())
        return;
    script = QStringLiteral("BEGIN TRANSACTION ") + CR + CR + script + CR;
    salida.script = script;
    Conexion& cn = gDB().conexion();
    cn.Errors.clear(); // what an earlier statement left is not this batch's
    ejecutar(script);
    // A commit that fails leaves the transaction open: it is rolled back and
    // reported like a failing statement, never taken as written.
    if (cn.Errors.isEmpty())
        ejecutar(QStringLiteral("COMMIT TRANSACTION"));
    QString mensaje;
    salida.nativo = 0;
    if (!cn.Errors.isEmpty()) {
        const ErrorProveedor primero = cn.Errors.first();
        salida.nativo = primero.NativeError;
        salida.hayError = true;
        mensaje = MensajeErroresProveedor(cn.Errors);
        salida.textoError = mensaje;
        if ((ignorarDuplicado && salida.nativo == CodigosNativos::ClaveDuplicada) ||
            (ignorarConflicto && salida.nativo == CodigosNativos::ConflictoRestriccion)) {
            salida.textoError = primero.Description;
            mensaje.clear();
        }
        cn.Errors.clear();
    }
    if (!salida.hayError)
        return;
    ejecutar(QStringLiteral("ROLLBACK TRANSACTION"));
    RegistrarErrorSql(script, Programa::NombreEjecutable(), salida.nativo, mensaje);
    if (!mensaje.trimmed().isEmpty() && mostrarMensaje)
        dialogos().Mensaje(mensaje, EstilosMensaje::Critico, QStringLiteral("Aviso al Operador!"));
}

void RegistrarErrorSql(const QString& sql, const QString& proceso, long nativo,
                       const QString& descripcion) {
    DB_Dll& db = gDB();
    Recordset rs;
    // Opened directly on the connection: a failure here is skipped, never
    // reported in a dialog.
    IgnorandoErrores([&] {
        Conexion& cn = db.conexion();
        const QString consulta = QStringLiteral("select  top 1 * from AUX_ERR  with(nolock) ");
        const bool oracle =
            cn.ConnectionString.indexOf(QStringLiteral("ORACLE"), 1, Qt::CaseInsensitive) >= 1;
        rs.Open(oracle ? db.ORACLE_Dicc(consulta) : consulta, &cn, Cursores::Dinamico,
                Bloqueos::Optimista);
    });
    IgnorandoErrores([&] { rs.AddNew(); });
    IgnorandoErrores([&] { rs.Asignar(QStringLiteral("Proceso"), proceso); });
    IgnorandoErrores([&] {
        rs.Asignar(QStringLiteral("Fecha"),
                   QDateTime::currentDateTime().toString(FormatoFechaHora));
    });
    IgnorandoErrores([&] { rs.Asignar(QStringLiteral("Error"), static_cast<qlonglong>(nativo)); });
    IgnorandoErrores([&] {
        rs.Asignar(QStringLiteral("Descripcion"), UtilGeneral::Recortar(descripcion, 250));
    });
    IgnorandoErrores([&] { rs.Asignar(QStringLiteral("sql"), sql); });
    IgnorandoErrores([&] { rs.Asignar(QStringLiteral("PC"), InfoSistema::NombreEquipo()); });
    IgnorandoErrores([&] { rs.Asignar(QStringLiteral("Usuario"), sesion().gUsuarioLogeado); });
    IgnorandoErrores([&] { rs.Update(); });
    IgnorandoErrores([&] {
        if (rs.EditandoFila())
            rs.CancelUpdate();
        rs.Close();
    });
}

bool EscrituraRechazada(long nativo) {
    return nativo == CodigosNativos::BaseSoloLectura || nativo == CodigosNativos::PermisoDenegado;
}
