#include "CuentaPrincipal.h"
#include "DB_Dll.h"
#include "TextoSql.h"
#include "UtilGeneral.h"

using TextoSql::Comillas;

namespace {
const QChar kSep(0x1F);

// The first row of a query, its columns as text; nullopt when no row.
std::optional<QStringList> primeraFila(const QString& sql, int columnas) {
    Recordset rs;
    QString s = sql;
    gDB().AbrirRecordset(s, rs, nullptr, Cursores::SoloAdelante, Bloqueos::SoloLectura, -1, true);
    std::optional<QStringList> r;
    if (rs.State() == 1 && !rs.Eof()) {
        QStringList fila;
        for (int i = 0; i < columnas; ++i)
            fila << UtilGeneral::ValorTexto(rs.Valor(i));
        r = fila;
    }
    gDB().CierraRecordset(&rs);
    return r;
}

bool esCompra(const QString& tc) {
    static const QStringList compras = {QStringLiteral("FCC"), QStringLiteral("NCC"),
                                        QStringLiteral("NDC"), QStringLiteral("FPC"),
                                        QStringLiteral("NCCP")};
    return compras.contains(tc.trimmed(), Qt::CaseInsensitive);
}
} // namespace

std::optional<QString> CuentaPrincipal::principalDe(const LineaPrincipal& l) {
    const QString clave =
        QStringList{l.tc, l.sucursal, l.numero, l.letra, l.mesOperativo, l.numeroAsiento}
            .join(kSep)
            .toUpper();
    if (UtilGeneral::ValorNumero(l.secuencia) == 1.0) {
        principales_.insert(clave, l.cuenta);
        return l.cuenta;
    }
    const auto it = principales_.constFind(clave);
    if (it != principales_.constEnd())
        return it.value();
    const auto fila = primeraFila(
        QStringLiteral("Select cuenta from mv_asientos where secuencia = 1 and tc = '") +
            Comillas(l.tc) + QStringLiteral("' and sucursal = '") + Comillas(l.sucursal) +
            QStringLiteral("' and numero = '") + Comillas(l.numero) +
            QStringLiteral("' and letra = '") + Comillas(l.letra) +
            QStringLiteral("' and mes_operativo= ") + TextoSql::FormaNumerica(l.mesOperativo) +
            QStringLiteral(" and [numero asiento] = ") + TextoSql::FormaNumerica(l.numeroAsiento),
        1);
    const std::optional<QString> r = fila ? std::optional<QString>(fila->first()) : std::nullopt;
    principales_.insert(clave, r);
    return r;
}

std::pair<QString, QString> CuentaPrincipal::provinciaYDocumento(const LineaPrincipal& l,
                                                                 const QString& principal) {
    const QString idComprobante = l.sucursal + l.numero + l.letra;
    const bool compra = esCompra(l.tc);
    const QString clave =
        QStringList{l.tc, compra ? principal : QString(), idComprobante, principal}
            .join(kSep)
            .toUpper();
    const auto it = provincias_.constFind(clave);
    if (it != provincias_.constEnd())
        return it.value();
    const QString sql =
        compra ? QStringLiteral("Select IDprovincia,DOCUMENTONUMERO from c_mv_cpte where TC = '") +
                     Comillas(l.tc) + QStringLiteral("' AND cuenta = '") + Comillas(principal) +
                     QStringLiteral("' and idcomprobante = '") + Comillas(idComprobante) +
                     QStringLiteral("'")
               : QStringLiteral("Select IDprovincia,DOCUMENTONUMERO from v_mv_cpte where TC = '") +
                     Comillas(l.tc) + QStringLiteral("' AND idcomprobante = '") +
                     Comillas(idComprobante) + QStringLiteral("'");
    std::pair<QString, QString> r;
    if (const auto fila = primeraFila(sql, 2)) {
        r = {fila->at(0), fila->at(1)};
    } else if (const auto adic = primeraFila(
                   QStringLiteral(
                       "Select provincia,NUMERO_DOCUMENTO from ma_cuentasadic where codigo = '") +
                       Comillas(principal) + QStringLiteral("'"),
                   2)) {
        r = {adic->at(0), adic->at(1)};
    }
    provincias_.insert(clave, r);
    return r;
}

QString CuentaPrincipal::descripcion(QHash<QString, QString>& cache, const QString& tabla,
                                     const QString& codigo) {
    const QString clave = codigo.toUpper();
    const auto it = cache.constFind(clave);
    if (it != cache.constEnd())
        return it.value();
    const QString d = gDB().DatosTabla(tabla, codigo, QStringLiteral("descripcion"),
                                       QStringLiteral("Codigo"), 8, QString(), true, false);
    cache.insert(clave, d);
    return d;
}

std::pair<QString, QString> CuentaPrincipal::Para(const LineaPrincipal& l) {
    if (const std::optional<QString> p = principalDe(l))
        anterior_ = *p;
    const QString principal = anterior_;
    const auto [provincia, documento] = provinciaYDocumento(l, principal);
    return {descripcion(cuentas_, QStringLiteral("MA_CUENTAS"), principal) + u'(' + principal +
                QStringLiteral(") Cuit:") + documento,
            descripcion(estados_, QStringLiteral("ta_estados"), provincia)};
}
