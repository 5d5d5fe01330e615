#include "ValidacionCuentas.h"
#include "ContratoErrores.h"
#include "DB_Dll.h"
#include "FiltroAsientos.h"
#include "TextoSql.h"
#include "TextoTecleado.h"
#include "TratamientoErrores.h"
#include "UtilGeneral.h"

bool ExisteCuenta(QString& codigo, Recordset& rs, bool soloLectura, bool& alternativaPrimero) {
    bool encontrada = false;
    ContratoErrores contrato([](const ErrorVB& e) {
        return TratamientoErroresGlobal(e, 18, QStringLiteral("ExisteCuenta"));
    });
    auto consulta = [&](bool porAlternativa) {
        QString sql =
            (porAlternativa
                 ? QStringLiteral(
                       "SELECT * FROM MA_CUENTAS  with(nolock)  WHERE CodigoOpcional =  '")
                 : QStringLiteral("SELECT * FROM MA_CUENTAS  with(nolock)  WHERE Codigo =  '")) +
            TextoSql::Comillas(codigo) + QStringLiteral("'");
        if (soloLectura)
            gDB().AbrirRecordset(sql, rs, nullptr, Cursores::SoloAdelante, Bloqueos::SoloLectura,
                                 -1, true);
        else
            gDB().AbrirRecordset(sql, rs, nullptr, Cursores::Dinamico, Bloqueos::Optimista, -1,
                                 true);
        return rs.State() == 1 && !rs.Eof();
    };
    codigo = SinCaracteresDeControl(codigo);
    const bool primeroAlternativa = alternativaPrimero;
    bool hay = false;
    if (!contrato.paso([&] { hay = consulta(primeroAlternativa); }))
        return false;
    if (hay) {
        contrato.paso([&] { codigo = UtilGeneral::ValorTexto(rs(QStringLiteral("Codigo"))); });
        return !contrato.salio();
    }
    if (!contrato.paso([&] { encontrada = consulta(!primeroAlternativa); }))
        return false;
    if (encontrada && !primeroAlternativa) {
        alternativaPrimero = true;
        if (!contrato.paso([&] { codigo = UtilGeneral::ValorTexto(rs(QStringLiteral("Codigo"))); }))
            return false;
    }
    return encontrada;
}

namespace {
QString rellenar(const QString& texto, int digitos) {
    bool ok = false;
    const double v = texto.trimmed().toDouble(&ok);
    if (!ok || texto.trimmed().isEmpty())
        return texto;
    return QString::number(static_cast<long long>(std::llround(v))).rightJustified(digitos, u'0');
}
} // namespace

QString ValidarCampoConsulta(const QString& nombre, CamposConsulta& campos) {
    const QString n = nombre.toLower();
    const QString texto = campos.texto(nombre);
    if (n == QLatin1String("cuentadesde") || n == QLatin1String("cuentahasta")) {
        if (texto.trimmed().isEmpty())
            return {};
        QString codigo = texto.trimmed();
        Recordset rs;
        bool alternativa = false;
        const bool existe = ExisteCuenta(codigo, rs, true, alternativa);
        gDB().CierraRecordset(&rs);
        if (!existe)
            return QStringLiteral("La cuenta ingresada es inexistente");
        campos.fijar(nombre, codigo);
        if (n == QLatin1String("cuentadesde") &&
            campos.texto(QStringLiteral("CuentaHasta")).trimmed().isEmpty())
            campos.fijar(QStringLiteral("CuentaHasta"), codigo);
    } else if (n == QLatin1String("fechadesde") || n == QLatin1String("fechahasta")) {
        if (!texto.trimmed().isEmpty() && !EsFecha(texto))
            return QString::fromUtf8(kFechaInvalida);
        if (n == QLatin1String("fechadesde") && !texto.isEmpty() &&
            campos.texto(QStringLiteral("FechaHasta")).isEmpty())
            campos.fijar(QStringLiteral("FechaHasta"), texto);
    } else if (n == QLatin1String("sucursal")) {
        campos.fijar(nombre, rellenar(texto, 4));
    } else if (n == QLatin1String("numero")) {
        campos.fijar(nombre, rellenar(texto, 8));
    }
    return {};
}
