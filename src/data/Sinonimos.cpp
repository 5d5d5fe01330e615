#include "Sinonimos.h"
#include "TextoSql.h"

namespace Sinonimos {
namespace {
using TextoSql::ReemplazarSinCaso;

struct Objeto {
    const char* nombre;
    const char* filtrado;
};
// Groups after the account table, in the order they are processed.
constexpr Objeto kGrupos[] = {
    {"V_TA_DEPOSITO", "SS_V_TA_DEPOSITO"},
    {"MV_ASIENTOS", "SS_MV_ASIENTOS"},
    {"V_TA_FAMILIAS", "SS_V_TA_FAMILIAS"},
    {"V_TA_CAJAS", "SS_V_TA_CAJAS"},
    {"AC_CUENTASDIARIO", "SS_AC_CUENTASDIARIO"},
    {"AC_CUENTASDIARIO_CCOSTO", "SS_AC_CUENTAS_DIARIO_CCOSTO"},
};
// The contexts in which a name is recognised: what stands before and after it.
constexpr std::pair<const char*, const char*> kContextos[] = {
    {" ", " "}, {"(", " "}, {" ", "."}, {"(", "."}, {",", "."}, {"{", "."},
};

QString reemplazarGrupo(QString t, const QString& n, const QString& s, int contextos) {
    for (int i = 0; i < contextos; ++i) {
        const QString antes = QString::fromLatin1(kContextos[i].first);
        const QString despues = QString::fromLatin1(kContextos[i].second);
        t = ReemplazarSinCaso(t, antes + n + despues, antes + s + despues);
    }
    return t;
}

QString sinMarca(const QString& t) {
    return ReemplazarSinCaso(t, QStringLiteral("@Admin_"), QString());
}
} // namespace

QString Aplicar(const QString& sql, bool esAdmin, bool confidencialidad) {
    if (esAdmin)
        return sinMarca(sql);
    if (sql.contains(QStringLiteral("MV_ASIENTOS"), Qt::CaseInsensitive) && !confidencialidad)
        return sinMarca(sql);
    QString t =
        reemplazarGrupo(sql, QStringLiteral("MA_CUENTAS"), QStringLiteral("SS_MA_CUENTAS"), 6);
    if (t.contains(QStringLiteral("@admin_"), Qt::CaseInsensitive)) {
        t = ReemplazarSinCaso(t, QStringLiteral("@Admin_MA_CUENTAS"), QStringLiteral("MA_CUENTAS"));
        t = ReemplazarSinCaso(t, QStringLiteral("SS_MA_CUENTAS"), QStringLiteral("MA_CUENTAS"));
    }
    for (const Objeto& o : kGrupos)
        t = reemplazarGrupo(t, QString::fromLatin1(o.nombre), QString::fromLatin1(o.filtrado), 5);
    return sinMarca(t);
}

} // namespace Sinonimos
