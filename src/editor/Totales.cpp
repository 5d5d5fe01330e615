#include "Totales.h"
#include "DB_Dll.h"
#include "ModeloAsientos.h"
#include "Sesion.h"
#include "UtilGeneral.h"
#include <QLocale>
#include <cmath>

namespace {
// The workstation's number of fractional digits for amounts.
constexpr int kDecimalesDelEquipo = 2;

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
        n = kDecimalesDelEquipo;
    return n < 0 ? 0 : n;
}

// A grid or query amount, rounded to the session's decimals.
double importe(const QString& texto) {
    return redondear(UtilGeneral::ValorNumero(texto), decimalesEfectivos(-1));
}

QString numeroLlano(double v) {
    QLocale l;
    l.setNumberOptions(QLocale::OmitGroupSeparator);
    return l.toString(v, 'g', 15);
}

TotalesDH componer(double debe, double haber) {
    TotalesDH t;
    t.debe = debe;
    t.haber = haber;
    const QString dif = FmtMoneda(UtilGeneral::ValorTexto(debe - haber), -1, false, 0);
    t.texto = QStringLiteral("Debe : ") + numeroLlano(debe) + QStringLiteral("\r\nHaber : ") +
              numeroLlano(haber) + QStringLiteral("\r\nDif : ") + dif;
    t.hayDiferencia = UtilGeneral::ValorNumero(dif) != 0.0;
    return t;
}

double suma(const QString& sql, const QString& columna) {
    Recordset rs;
    QString s = sql;
    gDB().AbrirRecordset(s, rs, nullptr, Cursores::SoloAdelante, Bloqueos::SoloLectura, -1, true);
    double r = 0;
    if (rs.State() == 1 && !rs.Eof())
        r = importe(UtilGeneral::ValorTexto(rs(columna)));
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
    QString r = l.toString(redondear(UtilGeneral::ValorNumero(valor), n), 'f', n);
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
    const double debe = suma(
        QStringLiteral("SELECT SUM(IMPORTE) AS DEBE  FROM MV_ASIENTOS WHERE [DEBE-HABER]='D' ") +
            condicion,
        QStringLiteral("DEBE"));
    const double haber = suma(
        QStringLiteral("SELECT SUM(IMPORTE) AS HABER  FROM MV_ASIENTOS WHERE [DEBE-HABER]='H' ") +
            condicion,
        QStringLiteral("Haber"));
    return componer(debe, haber);
}

TotalesDH CalculaDiferenciaDH(const ModeloAsientos& grilla) {
    double debe = 0;
    double haber = 0;
    for (int fila = 1; fila < grilla.FilasGrid(); ++fila) {
        debe += importe(grilla.Texto(fila, Columnas::Debe));
        haber += importe(grilla.Texto(fila, Columnas::Haber));
    }
    return componer(debe, haber);
}
