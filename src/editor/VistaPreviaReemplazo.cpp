#include "VistaPreviaReemplazo.h"
#include "DB_Dll.h"
#include "TextoSql.h"
#include "Totales.h"
#include <QDate>

QString CondicionOrigen(const QString& origen) {
    return QStringLiteral("(CUENTA = ") + TextoSql::Literal(origen) + QStringLiteral(") ");
}

namespace {
QString donde(const QString& origen, const QString& filtro) {
    return QStringLiteral(" WHERE ") + CondicionOrigen(origen) + filtro;
}

// Runs a query and hands its rows to leer; false when it could not be opened.
template <typename F> bool consultar(const QString& sql, F&& leer) {
    Recordset rs;
    gDB().AbrirRecordset(sql, rs);
    if (rs.State() != 1)
        return false;
    for (; !rs.Eof(); rs.MoveNext())
        leer(rs);
    gDB().CierraRecordset(&rs);
    return true;
}

long entero(const Recordset& rs, int i) {
    return static_cast<long>(rs.Valor(i).toLongLong());
}

QString importe(double valor) {
    return FmtMoneda(QString::number(valor, 'f', 2), -1, true, 0);
}

// A date as the grid's users write it.
QString fecha(const QVariant& v) {
    QDate d = v.toDate();
    if (!d.isValid())
        d = QDate::fromString(UtilGeneral::ValorTexto(v).left(10), QStringLiteral("yyyy-MM-dd"));
    return d.isValid() ? d.toString(QStringLiteral("dd/MM/yyyy")) : UtilGeneral::ValorTexto(v);
}
} // namespace

std::optional<VistaPrevia> CalcularVistaPrevia(const QString& origen, const QString& filtro) {
    VistaPrevia v;
    const QString d = donde(origen, filtro);
    // One pass over the lines: per voucher its lines and amounts, then the
    // vouchers counted and their figures added.
    const bool lineas = consultar(
        QStringLiteral("SELECT COUNT(*), SUM(N), SUM(D), SUM(H) FROM (SELECT COUNT(*) AS N, "
                       "SUM(CASE WHEN [DEBE-HABER] = 'D' THEN IMPORTE ELSE 0 END) AS D, "
                       "SUM(CASE WHEN [DEBE-HABER] = 'H' THEN IMPORTE ELSE 0 END) AS H "
                       "FROM MV_ASIENTOS") +
            d + QStringLiteral(" GROUP BY TC, SUCURSAL, NUMERO, LETRA) C"),
        [&](const Recordset& rs) {
            v.comprobantes = entero(rs, 0);
            v.lineas = entero(rs, 1);
            v.debe = rs.Valor(2).toDouble();
            v.haber = rs.Valor(3).toDouble();
        });
    const bool ventas = lineas && consultar(QStringLiteral("SELECT COUNT(*) FROM V_MV_CPTE") + d,
                                            [&](const Recordset& rs) { v.ventas = entero(rs, 0); });
    const bool compras =
        ventas && consultar(QStringLiteral("SELECT COUNT(*) FROM C_MV_CPTE") + d,
                            [&](const Recordset& rs) { v.compras = entero(rs, 0); });
    return compras ? std::optional<VistaPrevia>(v) : std::nullopt;
}

ResultadoConsulta LineasAfectadas(const QString& origen, const QString& filtro, int maximo) {
    ResultadoConsulta r;
    r.columnas = {QStringLiteral("Comprobante"), QStringLiteral("Fecha"), QStringLiteral("Asiento"),
                  QStringLiteral("Línea"),       QStringLiteral("Debe"),  QStringLiteral("Haber")};
    consultar(QStringLiteral("SELECT TOP ") + QString::number(maximo) +
                  QStringLiteral(" TC, SUCURSAL, NUMERO, LETRA, FECHA, [NUMERO ASIENTO], "
                                 "SECUENCIA, [DEBE-HABER], IMPORTE FROM MV_ASIENTOS") +
                  donde(origen, filtro) +
                  QStringLiteral(" ORDER BY TC, SUCURSAL, NUMERO, LETRA, [NUMERO ASIENTO], "
                                 "SECUENCIA"),
              [&](const Recordset& rs) {
                  const QString lado = rs.Texto(7).trimmed().toUpper();
                  const QString monto = importe(rs.Valor(8).toDouble());
                  r.filas << QStringList{rs.Texto(0).trimmed() + u' ' + rs.Texto(1) + rs.Texto(2) +
                                             rs.Texto(3),
                                         fecha(rs.Valor(4)),
                                         rs.Texto(5),
                                         rs.Texto(6),
                                         lado == QLatin1String("D") ? monto : QString(),
                                         lado == QLatin1String("H") ? monto : QString()};
              });
    return r;
}

QString TextoVistaPrevia(const VistaPrevia& v, const QString& origen, const QString& destino) {
    if (v.lineas == 0 && v.ventas == 0 && v.compras == 0)
        return QStringLiteral("Ninguna línea ni comprobante tiene la cuenta ") + origen +
               QStringLiteral(" con estos parámetros: el reemplazo no cambiará nada.");
    return QStringLiteral("Se cambiarán:\r\n- Líneas de asientos: ") + QString::number(v.lineas) +
           QStringLiteral(" (de ") + QString::number(v.comprobantes) +
           QStringLiteral(" comprobantes)\r\n- Comprobantes de venta: ") +
           QString::number(v.ventas) + QStringLiteral("\r\n- Comprobantes de compra: ") +
           QString::number(v.compras) + QStringLiteral("\r\nImportes que pasan de la cuenta ") +
           origen + QStringLiteral(" a la ") + destino + QStringLiteral(":\r\n- Debe: ") +
           importe(v.debe) + QStringLiteral("\r\n- Haber: ") + importe(v.haber);
}
