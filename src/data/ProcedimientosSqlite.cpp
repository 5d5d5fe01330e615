#include "ProcedimientosSqlite.h"
#include <QRegularExpression>

namespace ProcedimientosSqlite {
namespace {

struct Procedimiento {
    const char16_t* nombre;
    const char16_t* parametro;
    // The answer; %1 stands for the value of the parameter.
    const char16_t* plantilla;
};

constexpr Procedimiento kProcedimientos[] = {
    {u"sp1_getCfg", u"@Campo",
     u"SELECT TOP 1 VALOR AS Valor, ValorAux FROM TA_CONFIGURACION "
     u"WHERE CLAVE = LTRIM(RTRIM(%1))"},
};

} // namespace

QString Sentencia(const QString& sql) {
    // Every statement passes here: only a call is looked at closely.
    if (!QStringView(sql).trimmed().startsWith(u"EXEC", Qt::CaseInsensitive))
        return {};
    // EXEC [dbo.]name [@parameter =] value
    static const QRegularExpression llamada(
        QStringLiteral("^\\s*EXEC(?:UTE)?\\s+(?:\\[?dbo\\]?\\.)?\\[?(\\w+)\\]?\\s+"
                       "(?:(@\\w+)\\s*=\\s*)?(\\?|'(?:[^']|'')*')\\s*;?\\s*$"),
        QRegularExpression::CaseInsensitiveOption);
    const auto m = llamada.match(sql);
    if (!m.hasMatch())
        return {};
    for (const Procedimiento& p : kProcedimientos) {
        if (m.captured(1).compare(QStringView(p.nombre), Qt::CaseInsensitive) != 0)
            continue;
        if (m.hasCaptured(2) && !m.captured(2).isEmpty() &&
            m.captured(2).compare(QStringView(p.parametro), Qt::CaseInsensitive) != 0)
            return {};
        return QString::fromUtf16(p.plantilla).arg(m.captured(3));
    }
    return {};
}

} // namespace ProcedimientosSqlite
