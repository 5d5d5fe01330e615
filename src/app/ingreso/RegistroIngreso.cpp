#include "RegistroIngreso.h"
#include "ContratoErrores.h"
#include "DB_Dll.h"
#include "Dialogos.h"
#include "FormatosFecha.h"
#include "InfoSistema.h"
#include "Lote.h"
#include "Programa.h"
#include "Sentencias.h"
#include "Sesion.h"
#include "TextoSql.h"
#include "UtilGeneral.h"
#include <QDateTime>

namespace {
bool igual(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}
} // namespace

QString TareaDelUsuario(const QString& proceso) {
    const Sesion& s = sesion();
    DB_Dll& db = gDB();
    QString tarea;
    Recordset rs;
    // The blank before the closing apostrophe is the suite's; the server
    // ignores trailing blanks when it compares.
    const QString sql =
        QStringLiteral("SELECT TA_TAREAS.USUARIO, TA_MENU.Proceso, TA_MENU.Clave , TA_MENU.Nombre "
                       " FROM TA_TAREAS  with(nolock) INNER JOIN TA_MENU ON TA_TAREAS.TAREA = "
                       "TA_MENU.Clave  WHERE (TA_TAREAS.USUARIO = '") +
        TextoSql::Comillas(s.gUsuarioLogeado) + QStringLiteral(" ') AND (TA_MENU.Proceso LIKE '%") +
        TextoSql::Comillas(proceso) + QStringLiteral("%')");
    IgnorandoErrores([&] { db.AbrirRecordset(sql, rs); });
    IgnorandoErrores([&] {
        if (!rs.BOF())
            tarea = UtilGeneral::ValorTexto(rs(QStringLiteral("Nombre")));
        else if (igual(s.gUsuarioLogeado, db.gDBName) ||
                 igual(s.gUsuarioLogeado, QStringLiteral("SUPERVISOR QUINDAR RT")))
            tarea = Programa::NombreEjecutable();
    });
    IgnorandoErrores([&] { db.CierraRecordset(&rs); });
    return tarea;
}

void RegistrarIngreso(const QString& proceso) {
    Sesion& s = sesion();
    const QString nombreProceso = proceso.isEmpty() ? Programa::NombreEjecutable() : proceso;
    if (s.gUsuarioLogeado.isEmpty())
        s.gUsuarioLogeado = gDB().gUsuario;
    const QString tarea = TareaDelUsuario(nombreProceso);

    const QString q = QStringLiteral("'");
    AgregarCampo(QStringLiteral("Maquina"), InfoSistema::NombreEquipo().trimmed().toUpper(), q,
                 true);
    AgregarCampo(QStringLiteral("Usuario"), s.gUsuarioLogeado.trimmed().toUpper(), q, false);
    AgregarCampo(QStringLiteral("Formulario"), nombreProceso.trimmed().toUpper(), q, false);
    AgregarCampo(QStringLiteral("Tarea"), tarea.trimmed().toUpper(), q, false);
    AgregarCampo(QStringLiteral("Ingreso"),
                 QDateTime::currentDateTime().toString(FormatoFecha + u' ' + FormatoHora), q,
                 false);
    // The session's own value: its apostrophes go too.
    AgregarCampo(QStringLiteral("NombreUsuario"), s.gUsuarioLogeado, q, false);
    QStringList sentencias;
    ArmarSentencia(sentencias, QStringLiteral("Control_Acceso"), false);

    SalidaLote salida;
    GActualizarDatoScript(sentencias, salida, false, false, false);
    // A database or login that cannot write skips the row at every start
    // without troubling the user; any other refusal is shown.
    if (salida.hayError && !EscrituraRechazada(salida.nativo) &&
        !salida.textoError.trimmed().isEmpty())
        dialogos().Mensaje(salida.textoError, EstilosMensaje::Critico,
                           QStringLiteral("Aviso al Operador!"));
}
