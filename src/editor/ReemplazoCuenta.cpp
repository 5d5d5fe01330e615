#include "ReemplazoCuenta.h"
#include "ContratoErrores.h"
#include "DB_Dll.h"
#include "Dialogos.h"
#include "TextoSql.h"
#include "ValidacionCuentas.h"

QString FiltroReemplazo(const ParametrosConsulta& p, MotorBD motor) {
    ParametrosConsulta r;
    r.fechaDesde = p.fechaDesde;
    r.fechaHasta = p.fechaHasta;
    r.cuentaDesde = p.cuentaDesde;
    r.cuentaHasta = p.cuentaHasta;
    r.tc = p.tc;
    r.unegocio = p.unegocio;
    return ArmarFiltro(r, motor);
}

void ReemplazarCuenta(const ParametrosConsulta& p, const QString& origenTecleado,
                      const QString& destinoTecleado,
                      const std::function<void(const QString&)>& dibujar) {
    QString origen = origenTecleado.trimmed();
    QString destino = destinoTecleado.trimmed();
    if (dialogos().Mensaje(QStringLiteral("Este proceso reemplaza la cuenta ") + origen +
                               QStringLiteral(" por la cuenta ") + destino +
                               QStringLiteral("\r\n-Esta seguro de continuar?"),
                           EstilosMensaje::SiNo | 256,
                           QStringLiteral("Atención")) != Respuestas::Si)
        return;
    ContratoErrores contrato([](const ErrorVB& e) {
        return UtilGeneral::DialogoError(e, 18, QStringLiteral("CmdReemplazar"));
    });
    QString filtro;
    bool seguir = true;
    auto avisar = [&](const char* texto) {
        dialogos().Mensaje(QString::fromUtf8(texto), EstilosMensaje::SoloAceptar, QString());
        seguir = false;
    };
    auto existe = [](QString& codigo) {
        Recordset rs;
        bool alternativa = false;
        const bool r = ExisteCuenta(codigo, rs, true, alternativa);
        gDB().CierraRecordset(&rs);
        return r;
    };
    const std::function<void()> pasos[] = {
        [&] { dibujar(QStringLiteral("ACTUALIZANDO CUENTA")); },
        [&] { filtro = FiltroReemplazo(p, gDB().motor()); },
        [&] {
            if (p.fechaDesde.trimmed().isEmpty())
                avisar("DEBE INFORMAR LA FECHA DESDE");
            else if (p.fechaHasta.trimmed().isEmpty())
                avisar("DEBE INFORMAR LA FECHA HASTA");
            else if (origen.isEmpty())
                avisar("DEBE INFORMAR LA CUENTA ORIGEN");
            else if (destino.isEmpty())
                avisar("DEBE INFORMAR LA CUENTA DESTINO");
            else if (!existe(origen))
                avisar("NO EXISTE LA CUENTA ORIGEN");
            else if (!existe(destino))
                avisar("NO EXISTE LA CUENTA DESTINO");
        },
    };
    for (const auto& paso : pasos)
        if (!contrato.paso(paso) || !seguir)
            return;
    const char* const kTablas[][2] = {
        {"UPDATE MV_ASIENTOS SET CUENTA = '", "' where (CUENTA = '"},
        {"UPDATE V_MV_CPTE SET CUENTA = '", "'  where (CUENTA = '"},
        {"UPDATE C_MV_CPTE SET CUENTA = '", "'  where (CUENTA = '"},
    };
    for (const auto& t : kTablas) {
        const bool ok = contrato.paso([&] {
            QString sql = QLatin1String(t[0]) + TextoSql::Comillas(destino) + QLatin1String(t[1]) +
                          TextoSql::Comillas(origen) + QStringLiteral("') ") + filtro;
            gDB().EjecutaConsultaSQL(sql);
            if (gDB().gCnn && !gDB().gCnn->Errors.isEmpty())
                dialogos().Mensaje(gDB().gCnn->Errors.first().Description,
                                   EstilosMensaje::SoloAceptar, QString());
            dibujar(QStringLiteral("ACTUALIZANDO CUENTA"));
        });
        if (!ok)
            return;
    }
    dibujar(QStringLiteral(".."));
}
