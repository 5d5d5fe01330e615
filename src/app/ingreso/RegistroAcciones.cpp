#include "RegistroAcciones.h"
#include "Configuracion.h"
#include "ContratoErrores.h"
#include "DB_Dll.h"
#include "InfoSistema.h"
#include "Programa.h"
#include "Sentencias.h"
#include "Sesion.h"
#include "TextoSql.h"
#include "UtilGeneral.h"

namespace {
// A date and time as the engines return it: a date value, or its text.
QDateTime leerFechaHora(const QVariant& valor) {
    if (valor.metaType().id() == QMetaType::QDateTime)
        return valor.toDateTime();
    const QString t = UtilGeneral::ValorTexto(valor).trimmed();
    for (const char* formato : {"yyyy-MM-dd HH:mm:ss", "yyyy-MM-ddTHH:mm:ss",
                                "yyyy-MM-dd HH:mm:ss.zzz", "dd/MM/yyyy HH:mm:ss"}) {
        const QDateTime d = QDateTime::fromString(t, QString::fromLatin1(formato));
        if (d.isValid())
            return d;
    }
    return {};
}

QDateTime alSegundo(const QDateTime& d) {
    return QDateTime(d.date(), QTime(d.time().hour(), d.time().minute(), d.time().second()));
}

// The process column: the executable and the session's additional parameter.
QString proceso() {
    return UtilGeneral::Recortar(
        Programa::NombreEjecutable().trimmed() + u' ' + sesion().gParametroAdicional, 255);
}

} // namespace

QString TextoFechaHora(const QDateTime& fecha) {
    return fecha.toString(QStringLiteral("dd/MM/yyyy HH:mm:ss"));
}

QDateTime FechaServidor() {
    QDateTime resultado;
    Recordset rs;
    IgnorandoErrores(
        [&] { gDB().AbrirRecordset(QStringLiteral("select  getDate() as fecha"), rs); });
    IgnorandoErrores([&] {
        if (!rs.BOF())
            resultado = leerFechaHora(rs(QStringLiteral("fecha")));
    });
    if (!resultado.isValid() && sesion().gUtilizarFechaDia) {
        IgnorandoErrores([&] {
            const QDate d =
                UtilGeneral::LeerFecha(LeerCfg(QStringLiteral("FECHAOPERHASTA")).trimmed());
            if (d.isValid())
                resultado = QDateTime(d, QTime(0, 0));
        });
    }
    if (!resultado.isValid())
        resultado = QDateTime::currentDateTime();
    IgnorandoErrores([&] { gDB().CierraRecordset(&rs); });
    return alSegundo(resultado);
}

void RegistrarAccion(const QString& tc, const QString& idComprobante, QString& idComplemento,
                     bool esAlta, bool esModificacion, const QString& descripcion,
                     const QString& cuenta, bool esError) {
    const Sesion& s = sesion();
    if (idComplemento.isEmpty())
        idComplemento = QStringLiteral("0");
    const QString tipo = esError          ? QStringLiteral("ER")
                         : esAlta         ? QStringLiteral("A")
                         : esModificacion ? QStringLiteral("M")
                                          : QStringLiteral("B");
    const QString fechaHora = TextoFechaHora(FechaServidor());
    const QString q = QStringLiteral("'");
    QString sql = QStringLiteral(" INSERT INTO V_MV_CPTEACCIONES ");
    AgregarCampo(QStringLiteral("TC"), UtilGeneral::AlinearDerecha(tc.trimmed(), 4), q, true);
    AgregarCampo(QStringLiteral("IdComprobante"), idComprobante, q, false);
    // Unquoted: only its number reaches the statement.
    AgregarCampo(QStringLiteral("IdComplemento"), TextoSql::FormaNumerica(idComplemento), QString(),
                 false);
    AgregarCampo(QStringLiteral("Tipo_accion"), tipo, q, false);
    AgregarCampo(QStringLiteral("FECHAHORA"), fechaHora, q, false);
    AgregarCampo(QStringLiteral("Usuario"), s.gUsuarioLogeado, q, false);
    AgregarCampo(QStringLiteral("PC"), InfoSistema::NombreEquipo(), q, false);
    AgregarCampo(QStringLiteral("SYSTEMUSER"), UtilGeneral::Recortar(descripcion, 255).trimmed(), q,
                 false);
    AgregarCampo(QStringLiteral("Proceso"), proceso(), q, false);
    // This program runs no batch process.
    AgregarCampo(QStringLiteral("ProcesoLote"), QString(), q, false);
    AgregarCampo(QStringLiteral("Cuenta"), cuenta.trimmed().left(15).trimmed(), q, false);
    ArmarValores(sql, true);
    IgnorandoErrores([&] { gDB().EjecutaConsultaSQL(sql); });
}

QString SentenciaModificaciones(const ModificacionesEnLote& m, const QString& tc,
                                const QString& idComprobante, const QString& desde) {
    const QStringList valores = {
        tc,
        idComprobante,
        QStringLiteral("0"),
        QStringLiteral("'M'"),
        TextoSql::Literal(TextoFechaHora(m.fecha)),
        TextoSql::Literal(sesion().gUsuarioLogeado),
        TextoSql::Literal(InfoSistema::NombreEquipo()),
        TextoSql::Literal(UtilGeneral::Recortar(m.descripcion, 255).trimmed()),
        TextoSql::Literal(proceso()),
        TextoSql::Literal(m.lote.left(25).trimmed()),
        TextoSql::Literal(m.cuenta.trimmed().left(15).trimmed()),
    };
    return QStringLiteral("INSERT INTO V_MV_CPTEACCIONES (TC,IdComprobante,IdComplemento,"
                          "Tipo_accion,FECHAHORA,Usuario,PC,SYSTEMUSER,Proceso,ProcesoLote,"
                          "Cuenta) SELECT ") +
           valores.join(u',') + u' ' + desde;
}
