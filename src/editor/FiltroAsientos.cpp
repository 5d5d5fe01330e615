#include "FiltroAsientos.h"
#include "TextoSql.h"
#include "TextoTecleado.h"
#include <QDate>
#include <QRegularExpression>

using TextoSql::Comillas;

namespace {
QString limpio(const QString& valor) {
    return SinCaracteresDeControl(valor).trimmed();
}
} // namespace

QString ArmarFiltro(const ParametrosConsulta& p, MotorBD motor) {
    const QString desde = limpio(p.fechaDesde);
    const QString hasta = limpio(p.fechaHasta);
    const QString cDesde = limpio(p.cuentaDesde);
    const QString cHasta = limpio(p.cuentaHasta);
    QString f;
    if (!desde.isEmpty()) {
        f += QStringLiteral(" And (Fecha >= ") + UtilGeneral::LiteralFecha(desde, motor);
        f += !hasta.isEmpty()
                 ? QStringLiteral(" And Fecha <= ") + UtilGeneral::LiteralFecha(hasta, motor) + u')'
                 : QStringLiteral(")");
    } else if (!hasta.isEmpty()) {
        f += QStringLiteral(" And Fecha <= ") + UtilGeneral::LiteralFecha(hasta, motor);
    }
    if (!cDesde.isEmpty()) {
        f += QStringLiteral(" And (Cuenta >= '") + Comillas(cDesde) + u'\'';
        f += !cHasta.isEmpty()
                 ? QStringLiteral(" And Cuenta <= '") + Comillas(cHasta) + QStringLiteral("')")
                 : QStringLiteral(")");
    } else if (!cHasta.isEmpty()) {
        f += QStringLiteral(" And Cuenta <= '") + Comillas(cHasta) + u'\'';
    }
    auto igual = [&](const QString& valor, const char* columna) {
        const QString v = limpio(valor);
        if (!v.isEmpty())
            f += QStringLiteral(" And ") + QLatin1String(columna) + QStringLiteral(" = '") +
                 Comillas(v) + u'\'';
    };
    if (const QString usuario = limpio(p.usuario); !usuario.isEmpty())
        f += QStringLiteral(" And USUARIO_LOGEADO like '%") + Comillas(usuario) +
             QStringLiteral("%'");
    igual(p.tc, "TC");
    igual(p.sucursal, "SUCURSAL");
    igual(p.numero, "NUMERO");
    igual(p.letra, "LETRA");
    if (const QString unegocio = limpio(p.unegocio); !unegocio.isEmpty())
        f += QStringLiteral(" And UNEGOCIO = '") +
             Comillas(UtilGeneral::AlinearDerecha(unegocio, 4)) + u'\'';
    return f;
}

bool EsFecha(const QString& texto) {
    static const QRegularExpression forma(QStringLiteral(
        "^(\\d{1,2}[/\\-.]\\d{1,2}[/\\-.](\\d{2}|\\d{4})|\\d{4}-\\d{1,2}-\\d{1,2})$"));
    const QString t = texto.trimmed();
    return forma.match(t).hasMatch() && UtilGeneral::LeerFecha(t).isValid();
}

QString CampoConFechaInvalida(const ParametrosConsulta& p) {
    if (!p.fechaDesde.trimmed().isEmpty() && !EsFecha(p.fechaDesde))
        return QStringLiteral("FechaDesde");
    if (!p.fechaHasta.trimmed().isEmpty() && !EsFecha(p.fechaHasta))
        return QStringLiteral("FechaHasta");
    return {};
}

namespace {
const QString kFrom = QStringLiteral("FROM MV_ASIENTOS INNER JOIN MA_CUENTAS ") +
                      QStringLiteral("ON MV_ASIENTOS.CUENTA = MA_CUENTAS.CODIGO ");
}

QString ConsultaAsientos(const QString& filtro) {
    return QStringLiteral(
               "SELECT FECHA,TC,SUCURSAL, NUMERO, LETRA,MV_ASIENTOS.CUENTA,MA_CUENTAS.DESCRIPCION,"
               "MV_ASIENTOS.[DEBE-HABER],MV_ASIENTOS.IMPORTE,MA_CUENTAS.TIPOVISTA,"
               "MA_CUENTAS.MEDIODEPAGO, ") +
           QStringLiteral("PERIODO,SECUENCIA,TIPO_REG,UNEGOCIO,DETALLE, LIVA_TIPO AS "
                          "LIBRO,CABNOMBRE AS NOMBRE , "
                          "LIVA_ImpNetoGrav As NetoGravado, ") +
           QStringLiteral(
               "(Liva_Exento + Liva_ImpNetoNGrav) as NoGravado, "
               "(Liva_ImpIVA+Liva_ImpIVA2+Liva_ImpIVA3+Liva_ImpIVA4  ) as ImporteIVA,"
               "Liva_ImpIVAREC as ImporteIVA_Recargo,LIVA_TOTAL AS Total, [numero asiento], "
               "MV_ASIENTOS.mes_operativo ") +
           kFrom + filtro +
           // The blank keeps the order clause apart from whatever the filter ends with.
           QStringLiteral(" order by TC, SUCURSAL, NUMERO , LETRA, MV_ASIENTOS.MES_OPERATIVO, "
                          "[NUMERO ASIENTO], "
                          "SECUENCIA");
}

QString ConteoAsientos(const QString& filtro) {
    // The lines alone, without the join: the count only scales the progress bar.
    return QStringLiteral("SELECT COUNT(*) AS CANTIDAD FROM MV_ASIENTOS WHERE 1 = 1 ") + filtro;
}
