#include "Importes.h"
#include "Sesion.h"
#include "UtilGeneral.h"
#include <QLocale>
#include <algorithm>
#include <cmath>
#include <limits>

namespace {
// The largest amount held, in ten-thousandths: 9e12, which still fits in
// units of kMaxDecimales.
constexpr double kTopeDiezMilesimos = 9.0e16;

std::int64_t potencia10(int n) {
    std::int64_t p = 1;
    for (int i = 0; i < n; ++i)
        p *= 10;
    return p;
}

// Units as digits with a point: the whole part, then exactly `decimales` digits.
QString conPunto(std::int64_t unidades, int decimales) {
    const bool negativo = unidades < 0;
    const std::uint64_t a =
        negativo ? 0 - static_cast<std::uint64_t>(unidades) : static_cast<std::uint64_t>(unidades);
    const auto p = static_cast<std::uint64_t>(potencia10(decimales));
    QString t = QString::number(a / p);
    if (decimales > 0)
        t += u'.' + QString::number(a % p).rightJustified(decimales, u'0');
    if (negativo && a != 0)
        t.prepend(u'-');
    return t;
}
} // namespace

namespace Importes {

int Decimales() {
    int n = static_cast<int>(UtilGeneral::ValorNumero(sesion().gCantidadDecimales));
    if (n == 0)
        n = kDecimalesDelEquipo;
    return std::clamp(n, 0, kMaxDecimales);
}

std::int64_t EnUnidades(double valor, int decimales) {
    if (!std::isfinite(valor))
        return 0;
    decimales = std::clamp(decimales, 0, kMaxDecimales);
    const double diezMilesimos =
        std::clamp(std::round(valor * 10000.0), -kTopeDiezMilesimos, kTopeDiezMilesimos);
    const auto t = static_cast<std::int64_t>(diezMilesimos);
    if (decimales >= 4)
        return t * potencia10(decimales - 4);
    const std::int64_t d = potencia10(4 - decimales);
    return t >= 0 ? (t + d / 2) / d : -((-t + d / 2) / d);
}

std::int64_t EnUnidades(const QString& texto, int decimales) {
    return EnUnidades(UtilGeneral::ValorNumero(texto), decimales);
}

double ComoNumero(std::int64_t unidades, int decimales) {
    return conPunto(unidades, std::clamp(decimales, 0, kMaxDecimales)).toDouble();
}

QString ConDecimales(std::int64_t unidades, int decimales) {
    return Regional(conPunto(unidades, std::clamp(decimales, 0, kMaxDecimales)));
}

QString Llano(std::int64_t unidades, int decimales) {
    return Regional(UtilGeneral::SinCerosDecimales(
        conPunto(unidades, std::clamp(decimales, 0, kMaxDecimales))));
}

QString Llano(const QVariant& valor) {
    const int tipo = valor.typeId();
    const bool numero = tipo == QMetaType::Double || tipo == QMetaType::Float ||
                        tipo == QMetaType::Int || tipo == QMetaType::LongLong ||
                        tipo == QMetaType::UInt || tipo == QMetaType::ULongLong;
    const QString t = UtilGeneral::ValorTexto(valor);
    return numero ? Regional(t) : t;
}

void Sumar(std::int64_t& total, std::int64_t unidades) {
    constexpr std::int64_t tope = std::numeric_limits<std::int64_t>::max();
    if (unidades > 0 && total > tope - unidades)
        total = tope;
    else if (unidades < 0 && total < -tope - unidades)
        total = -tope;
    else
        total += unidades;
}

QString Regional(const QString& textoConPunto) {
    const QLocale l;
    QString t = textoConPunto;
    if (t.startsWith(u'-'))
        t.replace(0, 1, l.negativeSign());
    const qsizetype punto = t.indexOf(u'.');
    if (punto >= 0)
        t.replace(punto, 1, l.decimalPoint());
    return t;
}

} // namespace Importes
