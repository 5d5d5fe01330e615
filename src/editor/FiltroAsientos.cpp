#include "FiltroAsientos.h"
#include "TextoSql.h"

using TextoSql::Comillas;

QString ArmarFiltro(const ParametrosConsulta& p, MotorBD motor) {
    const QString desde = p.fechaDesde.trimmed();
    const QString hasta = p.fechaHasta.trimmed();
    const QString cDesde = p.cuentaDesde.trimmed();
    const QString cHasta = p.cuentaHasta.trimmed();
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
        const QString v = valor.trimmed();
        if (!v.isEmpty())
            f += QStringLiteral(" And ") + QLatin1String(columna) + QStringLiteral(" = '") +
                 Comillas(v) + u'\'';
    };
    if (!p.usuario.trimmed().isEmpty())
        f += QStringLiteral(" And USUARIO_LOGEADO like '%") + Comillas(p.usuario.trimmed()) +
             QStringLiteral("%'");
    igual(p.tc, "TC");
    igual(p.sucursal, "SUCURSAL");
    igual(p.numero, "NUMERO");
    igual(p.letra, "LETRA");
    if (!p.unegocio.trimmed().isEmpty())
        f += QStringLiteral(" And UNEGOCIO = '") +
             Comillas(UtilGeneral::AlinearDerecha(p.unegocio.trimmed(), 4)) + u'\'';
    return f;
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
           QStringLiteral("order by TC, SUCURSAL, NUMERO , LETRA, MV_ASIENTOS.MES_OPERATIVO, "
                          "[NUMERO ASIENTO], "
                          "SECUENCIA");
}

QString ConteoAsientos(const QString& filtro) {
    // The lines alone, without the join: the count only scales the progress bar.
    return QStringLiteral("SELECT COUNT(*) AS CANTIDAD FROM MV_ASIENTOS WHERE 1 = 1 ") + filtro;
}
