#include "CuentaPrincipal.h"
#include "DB_Dll.h"
#include "TextoSql.h"
#include "UtilGeneral.h"
#include <cmath>

namespace {
// The first row of a lookup, its columns as text; nullopt when no row.
std::optional<QStringList> primeraFila(const QString& sql, const QList<QVariant>& valores,
                                       int columnas) {
    Recordset rs;
    gDB().AbrirRecordset(sql, valores, rs);
    std::optional<QStringList> r;
    if (rs.State() == 1 && !rs.Eof()) {
        QStringList fila;
        for (int i = 0; i < columnas; ++i)
            fila << rs.Texto(i);
        r = fila;
    }
    gDB().CierraRecordset(&rs);
    return r;
}

// A number typed as text, as the statement compares it: the leading number,
// whole when it has no decimals.
QVariant numero(const QString& texto) {
    const double d = TextoSql::ValorVal(texto);
    if (std::floor(d) == d && std::fabs(d) < 1e15)
        return QVariant(static_cast<qint64>(d));
    return QVariant(d);
}

bool esCompra(const QString& tc) {
    static const QStringList compras = {QStringLiteral("FCC"), QStringLiteral("NCC"),
                                        QStringLiteral("NDC"), QStringLiteral("FPC"),
                                        QStringLiteral("NCCP")};
    return compras.contains(tc.trimmed(), Qt::CaseInsensitive);
}
} // namespace

bool CuentaPrincipal::Entrada::es(const LineaPrincipal& l) const {
    return valida && asiento == l.numeroAsiento && numero == l.numero && tc == l.tc &&
           sucursal == l.sucursal && letra == l.letra && mes == l.mesOperativo;
}

bool CuentaPrincipal::Celdas::son(const LineaPrincipal& l, const QString& p) const {
    return validas && numero == l.numero && principal == p && tc == l.tc &&
           sucursal == l.sucursal && letra == l.letra;
}

std::optional<QString> CuentaPrincipal::principalDe(const LineaPrincipal& l) {
    // Most lines have a one-digit sequence: "1" is the only one that is 1.
    const bool primera = l.secuencia.size() == 1 ? l.secuencia == QLatin1String("1")
                                                 : UtilGeneral::ValorNumero(l.secuencia) == 1.0;
    if (primera) {
        if (lectura_ == Lectura::EnConjuntos) {
            // Two first lines of one entry with different accounts: which one
            // the statement finds is the server's choice, so it is asked.
            const bool dudosa = entrada_.es(l) && entrada_.deLaLinea && entrada_.principal &&
                                *entrada_.principal != l.cuenta;
            entrada_ = {l.tc,     l.sucursal, l.numero, l.letra, l.mesOperativo, l.numeroAsiento,
                        l.cuenta, !dudosa,    true};
        }
        return l.cuenta;
    }
    if (entrada_.es(l))
        return entrada_.principal;
    const auto fila = primeraFila(
        QStringLiteral("Select cuenta from mv_asientos where secuencia = 1 and tc = ? and "
                       "sucursal = ? and numero = ? and letra = ? and mes_operativo= ? and "
                       "[numero asiento] = ?"),
        {l.tc, l.sucursal, l.numero, l.letra, numero(l.mesOperativo), numero(l.numeroAsiento)}, 1);
    entrada_ = {l.tc,
                l.sucursal,
                l.numero,
                l.letra,
                l.mesOperativo,
                l.numeroAsiento,
                fila ? std::optional<QString>(fila->first()) : std::nullopt,
                true,
                false};
    return entrada_.principal;
}

std::pair<QString, QString> CuentaPrincipal::provinciaYDocumento(const LineaPrincipal& l,
                                                                 const QString& principal) {
    const QString idComprobante = l.sucursal + l.numero + l.letra;
    const bool compra = esCompra(l.tc);
    LecturaPrincipal::Respuesta r = compra ? conjuntos_.Compras(l.tc, principal, idComprobante)
                                           : conjuntos_.Ventas(l.tc, idComprobante);
    if (r.estado == LecturaPrincipal::Respuesta::NoSabe) {
        const auto fila =
            compra
                ? primeraFila(QStringLiteral("Select IDprovincia,DOCUMENTONUMERO from c_mv_cpte "
                                             "where TC = ? AND cuenta = ? and idcomprobante = ?"),
                              {l.tc, principal, idComprobante}, 2)
                : primeraFila(QStringLiteral("Select IDprovincia,DOCUMENTONUMERO from v_mv_cpte "
                                             "where TC = ? AND idcomprobante = ?"),
                              {l.tc, idComprobante}, 2);
        if (fila)
            return {fila->at(0), fila->at(1)};
    } else if (r.estado == LecturaPrincipal::Respuesta::Fila) {
        return {r.provincia, r.documento};
    }
    r = conjuntos_.Adicionales(principal);
    if (r.estado == LecturaPrincipal::Respuesta::Fila)
        return {r.provincia, r.documento};
    if (r.estado == LecturaPrincipal::Respuesta::SinFila)
        return {};
    if (const auto adic = primeraFila(QStringLiteral("Select provincia,NUMERO_DOCUMENTO from "
                                                     "ma_cuentasadic where codigo = ?"),
                                      {principal}, 2))
        return {adic->at(0), adic->at(1)};
    return {};
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

const std::pair<QString, QString>& CuentaPrincipal::Para(const LineaPrincipal& l) {
    if (const std::optional<QString> p = principalDe(l))
        anterior_ = *p;
    if (celdas_.son(l, anterior_))
        return celdas_.textos;
    const auto [provincia, documento] = provinciaYDocumento(l, anterior_);
    celdas_ = {l.tc,
               l.sucursal,
               l.numero,
               l.letra,
               anterior_,
               {descripcion(cuentas_, QStringLiteral("MA_CUENTAS"), anterior_) + u'(' + anterior_ +
                    QStringLiteral(") Cuit:") + documento,
                descripcion(estados_, QStringLiteral("ta_estados"), provincia)},
               true};
    return celdas_.textos;
}
