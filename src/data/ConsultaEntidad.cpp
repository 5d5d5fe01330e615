#include "ConsultaEntidad.h"
#include "ArchivoConsultas.h"
#include "ContratoErrores.h"
#include "DialogoConsulta.h"
#include "Dialogos.h"
#include "TratamientoErrores.h"
#include "UtilGeneral.h"
#include <QFileInfo>
#include <cmath>
#include <limits>
#include <optional>

namespace {

// The first record of the definitions file whose table is entidad; none when
// the file is missing or holds no such record.
std::optional<RegistroConsulta> RegistroDe(const QString& entidad) {
    const QString archivo = gDialogoConsulta().ArchivoConsultas;
    if (!QFileInfo::exists(archivo))
        return std::nullopt;
    const QString buscada = entidad.trimmed();
    for (const RegistroConsulta& r : ArchivoConsultas::Leer(archivo))
        if (ArchivoConsultas::TablaLimpia(r.tabla).compare(buscada, Qt::CaseInsensitive) == 0)
            return r;
    return std::nullopt;
}

// The leading number of a text as a numeric conversion of text reads it:
// blanks anywhere are skipped, a point separates the decimals, anything else
// ends the number.
double NumeroInicial(const QString& texto) {
    QString limpio;
    bool punto = false;
    for (const QChar c : texto) {
        if (c.isSpace())
            continue;
        if (c.isDigit() && c.unicode() < 128) {
            limpio += c;
        } else if ((c == u'-' || c == u'+') && limpio.isEmpty()) {
            limpio += c;
        } else if (c == u'.' && !punto) {
            punto = true;
            limpio += c;
        } else {
            break;
        }
    }
    bool ok = false;
    const double v = limpio.toDouble(&ok);
    return ok ? v : 0.0;
}

} // namespace

long long TopeFilasConsulta(const QString& valor) {
    const double n = NumeroInicial(valor);
    if (n == 0.0)
        return 1000;
    // A count beyond what a whole number holds (a typing slip in the settings)
    // is taken as the largest one instead of an undefined conversion.
    constexpr double tope = 9.2e18;
    if (n >= tope)
        return std::numeric_limits<long long>::max();
    if (n <= -tope)
        return std::numeric_limits<long long>::min();
    return static_cast<long long>(std::nearbyint(n)); // halves go to the even neighbour
}

void LeerColumnasConsulta(const QString& entidad, QString& columnas) {
    columnas.clear();
    if (const auto r = RegistroDe(entidad)) {
        columnas = UtilGeneral::Reemplazar(r->columnas, QStringLiteral("|"), QStringLiteral(","))
                       .trimmed();
        if (columnas.startsWith(u','))
            columnas.remove(0, 1);
        if (columnas.endsWith(u','))
            columnas.chop(1);
    }
    if (columnas.trimmed().isEmpty())
        columnas = QStringLiteral("*");
}

void ArmarConsultaEntidad(const QString& entidad, const QString& condicion, QString& resultado,
                          const LectorConfiguracion& leerCfg) {
    ContratoErrores c([](const ErrorVB& e) {
        return TratamientoErroresGlobal(e, 18, QStringLiteral("SubConsultaLike"));
    });
    long long tope = 1000;
    QString cond;
    QString columnas;
    QString sentencia;
    DialogoConsulta& dialogo = gDialogoConsulta();
    c.paso([&] { tope = TopeFilasConsulta(leerCfg(QStringLiteral("TopConsArt"))); });
    c.paso([&] { cond = condicion; });
    c.paso([&] {
        const auto r = RegistroDe(entidad);
        if (!r)
            return;
        const QString extra = ArchivoConsultas::TablaLimpia(r->condicion);
        if (cond.isEmpty())
            cond = extra;
        else if (!extra.isEmpty())
            cond = extra + QStringLiteral(" and ") + cond;
    });
    c.paso([&] { dialogo.CampoDevuelto = QStringLiteral("CODIGO"); });
    c.paso([&] { LeerColumnasConsulta(entidad, columnas); });
    if (c.salio())
        return;
    if (columnas.trimmed() == QStringLiteral("*")) {
        c.paso([&] {
            dialogos().Mensaje(QStringLiteral("No hay seleccionados campos personalizados para "
                                              "la consulta de Proveedores"),
                               EstilosMensaje::SoloAceptar | EstilosMensaje::Critico,
                               QStringLiteral("Aviso al Operador"));
        });
        return;
    }
    c.paso([&] {
        sentencia = QStringLiteral("SELECT top ") + QString::number(tope) + u' ' + columnas +
                    QStringLiteral(" FROM ") + entidad + QStringLiteral("  with(nolock) ") +
                    (cond.trimmed().isEmpty() ? QString() : QStringLiteral(" WHERE ")) + cond;
    });
    c.paso([&] { dialogo.Mostrar(sentencia, QString()); });
    c.paso([&] { resultado = dialogo.ValorElegido().trimmed(); });
}
