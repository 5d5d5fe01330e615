#include "Totales.h"
#include "CambiosEnPantalla.h"
#include "DB_Dll.h"
#include "Importes.h"
#include "ModeloAsientos.h"
#include "Sesion.h"
#include "UtilGeneral.h"
#include <QLocale>
#include <cmath>

namespace {
double redondear(double v, int decimales) {
    const double f = std::pow(10.0, decimales);
    return std::round(v * f) / f;
}

// The count of decimals a FmtMoneda argument stands for.
int decimalesEfectivos(int decimales) {
    int n = decimales == -1
                ? static_cast<int>(UtilGeneral::ValorNumero(sesion().gCantidadDecimales))
                : decimales;
    if (n == 0)
        n = Importes::kDecimalesDelEquipo;
    return n < 0 ? 0 : n;
}

// Debit and credit in units of the session's decimals: exact sums.
TotalesDH componer(std::int64_t debe, std::int64_t haber, int decimales, bool incluyeCambios) {
    TotalesDH t;
    t.debe = Importes::ComoNumero(debe, decimales);
    t.haber = Importes::ComoNumero(haber, decimales);
    std::int64_t diferencia = debe;
    Importes::Sumar(diferencia, -haber);
    t.hayDiferencia = diferencia != 0;
    t.incluyeCambios = incluyeCambios;
    t.texto = QStringLiteral("Debe : ") + Importes::Llano(debe, decimales) +
              QStringLiteral("\r\nHaber : ") + Importes::Llano(haber, decimales) +
              QStringLiteral("\r\nDif : ") +
              FmtMoneda(Importes::Llano(diferencia, decimales), -1, false, 0);
    if (incluyeCambios)
        t.texto += QStringLiteral("\r\n") + CambiosEnPantalla::LineaTotales();
    return t;
}

std::int64_t suma(const QString& sql, const QString& columna, int decimales) {
    Recordset rs;
    QString s = sql;
    gDB().AbrirRecordset(s, rs, nullptr, Cursores::SoloAdelante, Bloqueos::SoloLectura, -1, true);
    std::int64_t r = 0;
    if (rs.State() == 1 && !rs.Eof()) {
        // A sum arrives as a number (never through a text in exponent form);
        // a driver that gives decimals as text gives them with a point.
        const QVariant v = rs(columna);
        bool esNumero = false;
        const double d = v.isNull() ? 0.0 : v.toDouble(&esNumero);
        r = esNumero ? Importes::EnUnidades(d, decimales)
                     : Importes::EnUnidades(UtilGeneral::ValorTexto(v), decimales);
    }
    gDB().CierraRecordset(&rs);
    return r;
}
} // namespace

QString FmtMoneda(const QString& valor, int decimales, bool separadores, int ancho) {
    if (decimales == -3)
        return valor;
    const int n = decimalesEfectivos(decimales);
    QLocale l;
    l.setNumberOptions(QLocale::OmitGroupSeparator);
    // Rounded on the decimal value, half away from zero: 0.285 gives 0.29,
    // where rounding its binary double would give 0.28.
    QString r = n <= Importes::kMaxDecimales
                    ? Importes::ConDecimales(Importes::EnUnidades(valor, n), n)
                    : l.toString(redondear(UtilGeneral::ValorNumero(valor), n), 'f', n);
    if (separadores) {
        // Thousands grouped every three digits, whatever the locale's own rule.
        const int signo =
            r.startsWith(l.negativeSign()) ? static_cast<int>(l.negativeSign().size()) : 0;
        int fin =
            n > 0 ? static_cast<int>(r.indexOf(l.decimalPoint())) : static_cast<int>(r.size());
        for (int i = fin - 3; i > signo; i -= 3)
            r.insert(i, l.groupSeparator());
    }
    if (r.startsWith(u'-') && UtilGeneral::ValorNumero(r) == 0.0)
        r.remove(0, 1); // a rounded-away negative is zero
    if (ancho > 0)
        r = r.rightJustified(std::min(ancho, 25), u' ');
    return r;
}

TotalesDH CalculaDiferenciaDH(QString& condicion) {
    if (!condicion.isEmpty() &&
        condicion.left(4).trimmed().compare(QStringLiteral("and"), Qt::CaseInsensitive) != 0)
        condicion = QStringLiteral(" and ") + condicion;
    const int n = Importes::Decimales();
    const std::int64_t debe = suma(
        QStringLiteral("SELECT SUM(IMPORTE) AS DEBE  FROM MV_ASIENTOS WHERE [DEBE-HABER]='D' ") +
            condicion,
        QStringLiteral("DEBE"), n);
    const std::int64_t haber = suma(
        QStringLiteral("SELECT SUM(IMPORTE) AS HABER  FROM MV_ASIENTOS WHERE [DEBE-HABER]='H' ") +
            condicion,
        QStringLiteral("Haber"), n);
    return componer(debe, haber, n, false);
}

TotalesDH CalculaDiferenciaDH(const ModeloAsientos& grilla) {
    const int n = Importes::Decimales();
    std::int64_t debe = 0;
    std::int64_t haber = 0;
    for (int fila = 1; fila < grilla.FilasGrid(); ++fila) {
        Importes::Sumar(debe, grilla.Importe(fila, Columnas::Debe, n));
        Importes::Sumar(haber, grilla.Importe(fila, Columnas::Haber, n));
    }
    return componer(debe, haber, n, grilla.HayImportesCambiados());
}
