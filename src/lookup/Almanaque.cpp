#include "Almanaque.h"
#include <QDate>

namespace Almanaque {
namespace {
const char16_t* const kMeses[] = {u"Enero",      u"Febrero", u"Marzo",     u"Abril",
                                  u"Mayo",       u"Junio",   u"Julio",     u"Agosto",
                                  u"Septiembre", u"Octubre", u"Noviembre", u"Diciembre"};
} // namespace

QString NombreMes(std::int16_t mes) {
    if (mes < 1 || mes > 12)
        return {};
    return QString::fromUtf16(kMeses[mes - 1]);
}

std::int16_t Nromes(const QString& nombre) {
    for (std::int16_t m = 1; m <= 12; ++m)
        if (nombre.compare(QStringView(kMeses[m - 1]), Qt::CaseInsensitive) == 0)
            return m;
    return 0;
}

std::int16_t CantidadDeDiasDelmes(int mes, int anio) {
    if (mes == 12)
        return 31;
    const QDate desde(anio, mes, 1);
    const QDate hasta(anio, mes + 1, 1);
    if (!desde.isValid() || !hasta.isValid())
        return 0;
    return static_cast<std::int16_t>(desde.daysTo(hasta));
}

std::array<Celda, kCeldas> ArmarAlmanaque(int mes, int anio) {
    std::array<Celda, kCeldas> celdas;
    const QDate primero(anio, mes, 1);
    // Sunday 0 to Saturday 6 (Qt counts Monday 1 to Sunday 7).
    const int desfase = primero.isValid() ? primero.dayOfWeek() % 7 : 0;
    const int dias = primero.isValid() ? CantidadDeDiasDelmes(mes, anio) : 0;
    int dia = 1;
    for (int i = 0; i < kCeldas; ++i) {
        Celda& c = celdas[static_cast<std::size_t>(i)];
        if (i < desfase || i > desfase + dias - 1) {
            c.caption = QStringLiteral(".");
            c.habilitada = false;
            c.color = QColor(0, 0, 0);
            continue;
        }
        c.caption = QString::number(dia);
        c.habilitada = true;
        const int semana = QDate(anio, mes, dia).dayOfWeek();
        c.color = semana == 6 || semana == 7 ? QColor(255, 0, 0) : QColor(0, 0, 255);
        ++dia;
    }
    return celdas;
}

QString TextoDia(const QString& caption, const QString& mes, const QString& anio) {
    return caption.trimmed().rightJustified(2, u'0') + u'/' +
           QString::number(Nromes(mes.trimmed())) + u'/' + anio.trimmed();
}

} // namespace Almanaque
