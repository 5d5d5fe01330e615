#include "Configuracion.h"
#include "ContratoErrores.h"
#include "DB_Dll.h"
#include "Programa.h"
#include "Sesion.h"
#include "TextoSql.h"
#include "TratamientoErrores.h"
#include "UtilGeneral.h"
#include <cmath>

namespace {
bool esDatos(const QString& grupo) {
    return grupo.compare(QStringLiteral("DATOS"), Qt::CaseInsensitive) == 0;
}

// Reads VALOR and ValorAux of the lookup statement on db, step by step under
// the given treatment of errors.
QString leer(DB_Dll& db, QString sql, const QString& clave, QString& valorAux,
             ContratoErrores& contrato, bool cerrarAlSalir) {
    QString resultado;
    Recordset rs;
    const bool completo = contrato.pasos(
        [&] {
            db.AbrirRecordset(sql, rs, nullptr, Cursores::SoloAdelante, Bloqueos::SoloLectura, -1,
                              true);
            // A set that did not open was reported by AbrirRecordset: the
            // closed set is not reported a second time.
            if (rs.State() == 0)
                contrato.salir();
        },
        [&] {
            if (rs.BOF()) {
                resultado = QStringLiteral(" ");
                valorAux.clear();
            } else {
                resultado = UtilGeneral::ValorTexto(rs(QStringLiteral("VALOR")));
                valorAux = UtilGeneral::ValorTexto(rs(QStringLiteral("ValorAux")));
            }
        },
        [&] { db.CierraRecordset(&rs); });
    if (!completo) {
        if (cerrarAlSalir)
            IgnorandoErrores([&] { db.CierraRecordset(&rs); });
        return cerrarAlSalir ? QString() : resultado;
    }
    if (clave.trimmed().compare(QStringLiteral("THEME"), Qt::CaseInsensitive) == 0 &&
        resultado.trimmed().isEmpty())
        resultado = QStringLiteral("1");
    return resultado;
}

void grabar(DB_Dll& db, QString sql, const QString& clave, const QVariant& valor,
            const QString& valorAux, bool politicaNegocio, const QString& grupo, bool recortar,
            bool borrar) {
    // Every failing step is skipped; nothing is reported.
    Recordset rs;
    IgnorandoErrores([&] {
        db.AbrirRecordset(sql, rs, nullptr, Cursores::Dinamico, Bloqueos::Optimista, -1, true);
    });
    IgnorandoErrores([&] {
        if (rs.BOF())
            rs.AddNew();
        else if (borrar)
            rs.Delete();
    });
    const QString texto = UtilGeneral::ValorTexto(valor);
    IgnorandoErrores([&] { rs.Asignar(QStringLiteral("GRUPO"), grupo); });
    IgnorandoErrores([&] { rs.Asignar(QStringLiteral("CLAVE"), clave.trimmed().toUpper()); });
    IgnorandoErrores(
        [&] { rs.Asignar(QStringLiteral("VALOR"), recortar ? texto.trimmed() : texto); });
    IgnorandoErrores(
        [&] { rs.Asignar(QStringLiteral("PoliticaNegocio"), politicaNegocio ? 1 : 0); });
    if (!valorAux.isEmpty())
        IgnorandoErrores([&] {
            rs.Asignar(QStringLiteral("ValorAux"), recortar ? valorAux.trimmed() : valorAux);
        });
    IgnorandoErrores([&] { rs.Update(); });
    IgnorandoErrores([&] { db.CierraRecordset(&rs); });
}
} // namespace

QString ArchivoIni() {
    return Programa::Carpeta() + QStringLiteral("cn000pr.ini");
}

QString LeerCfg(const QString& clave, QString& valorAux, const QString& grupo) {
    if (!gDB().gOpenFlag)
        return {};
    Sesion& s = sesion();
    if (s.gTablaConfiguracion.trimmed().isEmpty())
        s.gTablaConfiguracion = QStringLiteral("TA_CONFIGURACION");
    QString sql = QStringLiteral("SELECT VALOR, valoraux FROM ") + s.gTablaConfiguracion +
                  QStringLiteral(" with(nolock)  WHERE CLAVE = '") +
                  TextoSql::Comillas(clave.trimmed());
    sql += esDatos(grupo)
               ? QStringLiteral("'")
               : QStringLiteral("' AND GRUPO ='") + TextoSql::Comillas(grupo) + QStringLiteral("'");
    const QString k = clave.trimmed();
    if (k.compare(QStringLiteral("[FECHA HASTA]"), Qt::CaseInsensitive) == 0 ||
        k.compare(QStringLiteral("[FECHA DESDE]"), Qt::CaseInsensitive) == 0)
        sql = sql.toUpper();
    // Ignore goes on with the next step; any other answer leaves with "".
    ContratoErrores contrato([](const ErrorVB& e) {
        return TratamientoErroresGlobal(e, 18, QStringLiteral("Cfg")) == Respuestas::Ignorar
                   ? Respuestas::Ignorar
                   : Respuestas::Abortar;
    });
    return leer(gDB(), sql, clave, valorAux, contrato, true);
}

QString LeerCfg(const QString& clave, const QString& grupo) {
    QString aux;
    return LeerCfg(clave, aux, grupo);
}

QString CfgQD(const QString& clave, QString& valorAux) {
    const QString sql = QStringLiteral("SELECT VALOR, valoraux FROM ") +
                        QStringLiteral("TA_CONFIGURACION") +
                        QStringLiteral(" with(nolock)  WHERE CLAVE = '") +
                        TextoSql::Comillas(clave.trimmed()) + QStringLiteral("'");
    ContratoErrores contrato(
        [](const ErrorVB& e) { return TratamientoErroresGlobal(e, 18, QStringLiteral("CfgQD")); });
    return leer(gDBEstadisticas(), sql, clave, valorAux, contrato, false);
}

void GrabaCfg(const QString& clave, const QVariant& valor, const QString& valorAux,
              bool politicaNegocio, const QString& grupo, bool recortar, bool borrar) {
    QString sql = QStringLiteral("SELECT * FROM ") + sesion().gTablaConfiguracion +
                  QStringLiteral(" with(nolock)  WHERE CLAVE = '") + TextoSql::Comillas(clave);
    sql += esDatos(grupo) ? QStringLiteral("'")
                          : QStringLiteral("' AND GRUPO = '") + TextoSql::Comillas(grupo) +
                                QStringLiteral("'");
    grabar(gDB(), sql, clave, valor, valorAux, politicaNegocio, grupo, recortar, borrar);
}

void GrabaCfgQD(const QString& clave, const QVariant& valor, const QString& valorAux,
                bool politicaNegocio, const QString& grupo, bool recortar) {
    const QString sql = QStringLiteral("SELECT * FROM ") + QStringLiteral("TA_CONFIGURACION") +
                        QStringLiteral(" with(nolock)  WHERE CLAVE = '") +
                        TextoSql::Comillas(clave) + QStringLiteral("'");
    grabar(gDBEstadisticas(), sql, clave, valor, valorAux, politicaNegocio, grupo, recortar, false);
}

void CargarConfiguracionSesion() {
    Sesion& s = sesion();
    auto colorDe = [](const QString& clave) {
        return static_cast<std::uint32_t>(
            static_cast<std::int32_t>(std::lround(UtilGeneral::ValorNumero(LeerCfg(clave)))));
    };
    IgnorandoErrores([&] { s.gTablaConfiguracion = QStringLiteral("ta_configuracion"); });
    IgnorandoErrores([&] { s.gCantidadDecimales = LeerCfg(QStringLiteral("CantidadDecimales")); });
    IgnorandoErrores([&] {
        s.gConfidencialidad = LeerCfg(QStringLiteral("SS_CONFIDENCIALIDAD"))
                                  .compare(QStringLiteral("SI"), Qt::CaseInsensitive) == 0;
    });
    IgnorandoErrores([&] { s.gColorFondo = colorDe(QStringLiteral("CFondo")); });
    IgnorandoErrores([&] { s.gColorLetra = colorDe(QStringLiteral("CLetra")); });
    constexpr std::uint32_t kCeleste = 0xFFF3E6; // RGB(230, 243, 255)
    IgnorandoErrores([&] {
        if (s.gColorFondo == s.gColorLetra) {
            GrabaCfg(QStringLiteral("CFondo"), static_cast<qlonglong>(kCeleste), QString(), false,
                     QStringLiteral("DATOS"), true, false);
            s.gColorFondo = kCeleste;
            GrabaCfg(QStringLiteral("CLetra"), 0, QString(), false, QStringLiteral("DATOS"), true,
                     false);
        }
    });
    IgnorandoErrores([&] {
        if (s.gColorFondo == 0xFFFF00)
            s.gColorFondo = kCeleste;
    });
    IgnorandoErrores([&] {
        if (s.gColorFondo == 0)
            s.gColorFondo = 0xE5FCFF; // RGB(255, 252, 229)
    });
    IgnorandoErrores([&] {
        s.gUtilizarFechaDia = LeerCfg(QStringLiteral("UTILIZARFECHADIA"))
                                  .compare(QStringLiteral("SI"), Qt::CaseInsensitive) == 0;
    });
}
