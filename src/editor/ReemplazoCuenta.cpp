#include "ReemplazoCuenta.h"
#include "ContratoErrores.h"
#include "DB_Dll.h"
#include "Dialogos.h"
#include "FallosEscritura.h"
#include "HistorialCambios.h"
#include "ModeloAsientos.h"
#include "RegistroAcciones.h"
#include "RegistroCambios.h"
#include "TextoSql.h"
#include "TextoTecleado.h"
#include "Transaccion.h"
#include "ValidacionCuentas.h"
#include "VistaPreviaReemplazo.h"
#include <optional>

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

namespace {
static_assert(Transaccion::kSeparador == ModeloAsientos::kSeparadorIdentidad,
              "the lines read and the grid's lines are compared by the same identity");
using namespace RegistroCambios;

// The statement of each table up to the destination, and from it to the origin.
constexpr std::pair<const char*, const char*> kActualizar[] = {
    {"UPDATE MV_ASIENTOS SET CUENTA = '", "' where (CUENTA = '"},
    {"UPDATE V_MV_CPTE SET CUENTA = '", "'  where (CUENTA = '"},
    {"UPDATE C_MV_CPTE SET CUENTA = '", "'  where (CUENTA = '"},
};

// Rows that held the origin changed between the record and the update: some
// other program is writing those rows.
struct FilasMovidas {};

std::optional<CuentaReemplazo> buscar(const QString& tecleado) {
    CuentaReemplazo c{tecleado, {}, false};
    Recordset rs;
    bool alternativa = false;
    const bool existe = ExisteCuenta(c.codigo, rs, true, alternativa);
    if (existe && rs.State() == 1 && !rs.Eof()) {
        c.descripcion = UtilGeneral::ValorTexto(rs(QStringLiteral("Descripcion")));
        c.titulo =
            UtilGeneral::ValorNumero(UtilGeneral::ValorTexto(rs(QStringLiteral("Titulo")))) != 0;
    }
    gDB().CierraRecordset(&rs);
    return existe ? std::optional<CuentaReemplazo>(c) : std::nullopt;
}

// What the confirmation shows, computed when the fields name a replacement
// the checks will accept.
struct Previa {
    VistaPrevia v;
    QString origen, destino, filtro;
};

std::optional<Previa> calcularPrevia(const ParametrosConsulta& p, const QString& origen,
                                     const QString& destino) {
    if (p.fechaDesde.trimmed().isEmpty() || p.fechaHasta.trimmed().isEmpty() || origen.isEmpty() ||
        destino.isEmpty())
        return std::nullopt;
    const std::optional<CuentaReemplazo> o = buscar(origen);
    const std::optional<CuentaReemplazo> d = o ? buscar(destino) : std::nullopt;
    if (!o || !d || d->titulo)
        return std::nullopt;
    const QString filtro = FiltroReemplazo(p, gDB().motor());
    const std::optional<VistaPrevia> v = CalcularVistaPrevia(o->codigo, filtro);
    if (!v)
        return std::nullopt;
    return Previa{*v, o->codigo, d->codigo, filtro};
}

int confirmar(const QString& pregunta, const std::optional<Previa>& previa) {
    const int estilo = EstilosMensaje::SiNo | EstilosMensaje::SegundoPorDefecto;
    const QString titulo = QStringLiteral("Atención");
    if (!previa)
        return dialogos().Mensaje(pregunta, estilo, titulo);
    const QString texto = pregunta + QStringLiteral("\r\n\r\n") +
                          TextoVistaPrevia(previa->v, previa->origen, previa->destino);
    if (previa->v.lineas == 0)
        return dialogos().Mensaje(texto, estilo, titulo);
    const QString lista = previa->v.lineas > kMaximoLineasLista
                              ? QStringLiteral("Primeras ") + QString::number(kMaximoLineasLista) +
                                    QStringLiteral(" de las ") + QString::number(previa->v.lineas) +
                                    QStringLiteral(" líneas que cambiarán")
                              : QStringLiteral("Líneas de asientos que cambiarán");
    const QString origen = previa->origen;
    const QString filtro = previa->filtro;
    return dialogos().MensajeConLista(
        texto, estilo, titulo, {QStringLiteral("&Ver líneas..."), lista, [origen, filtro] {
                                    return LineasAfectadas(origen, filtro, kMaximoLineasLista);
                                }});
}
} // namespace

ResultadoReemplazo AplicarReemplazo(const CuentaReemplazo& origen, const CuentaReemplazo& destino,
                                    const QString& filtro, HistorialCambios& historial,
                                    QSet<QString>* lineas,
                                    const std::function<void(const QString&)>& dibujar) {
    if (!historial.Preparar())
        return {};
    const MotorBD motor = gDB().motor();
    ResultadoReemplazo r;
    r.lote = NuevoLote();
    const ModificacionesEnLote m =
        Modificacion(QStringLiteral("Imputación"), origen.codigo, destino.codigo, r.lote);
    long* const cuentas[] = {&r.asientos, &r.ventas, &r.compras};
    const QString donde = CondicionOrigen(origen.codigo);
    const QString queNoSeHizo = QStringLiteral("El reemplazo no se hizo y ninguna tabla cambió. ");
    QString fase = QStringLiteral("No se pudo empezar la transacción");
    try {
        Transaccion t;
        for (int i = 0; i < 3; ++i) {
            const Tabla tabla = kTablas[i];
            const QString nombre = Nombre(tabla);
            fase = QStringLiteral("Falló la actualización de ") + nombre;
            // Counted on the base table: an update through a confidential
            // view may report no rows.
            const QString conteo = QStringLiteral("SELECT COUNT(*) FROM ") + nombre +
                                   QStringLiteral(" WHERE ") + donde;
            const qlonglong antes = t.Valor(conteo + filtro).toLongLong();
            const long registradas = t.Ejecutar(
                Registrar(tabla, r.lote, m.fecha, destino.codigo, donde + filtro, false, motor),
                true);
            t.Ejecutar(QLatin1String(kActualizar[i].first) + TextoSql::Comillas(destino.codigo) +
                           QLatin1String(kActualizar[i].second) +
                           TextoSql::Comillas(origen.codigo) + QStringLiteral("') ") + filtro,
                       true);
            *cuentas[i] = static_cast<long>(antes - t.Valor(conteo + filtro).toLongLong());
            if (*cuentas[i] != registradas)
                throw FilasMovidas{};
            fase = QStringLiteral("No se pudo registrar en la auditoría el cambio de ") + nombre;
            if (t.Ejecutar(Auditar(tabla, m, motor), false) != registradas)
                throw ErrorVB(CodigosError::FalloProveedor,
                              QStringLiteral("no se escribieron todas las filas de auditoría"));
            dibujar(QStringLiteral("ACTUALIZANDO CUENTA"));
        }
        if (lineas != nullptr)
            *lineas = t.Filas(Identidades(r.lote));
        fase = QStringLiteral("Falló la confirmación de los cambios");
        t.Confirmar();
        r.hecho = true;
    } catch (const FilasMovidas&) {
        dialogos().Mensaje(queNoSeHizo +
                               QStringLiteral("Otro usuario estaba cambiando líneas de "
                                              "la cuenta ") +
                               origen.codigo + QStringLiteral("; intente de nuevo."),
                           EstilosMensaje::Exclamacion, QStringLiteral("Aviso al operador"));
        return {};
    } catch (const ErrorVB& e) {
        dialogos().Mensaje(MensajeFallo(queNoSeHizo + fase, FalloEnLaConexion(e)),
                           EstilosMensaje::Exclamacion, QStringLiteral("Aviso al operador"));
        return {};
    }
    historial.Agregar({r.lote,
                       QStringLiteral("reemplazo de la cuenta ") + origen.codigo +
                           QStringLiteral(" por ") + destino.codigo,
                       origen.codigo, destino.codigo, false, false});
    return r;
}

ResultadoReemplazo ReemplazarCuenta(const ParametrosConsulta& p, const QString& origenTecleado,
                                    const QString& destinoTecleado, ModeloAsientos& grilla,
                                    HistorialCambios& historial,
                                    const std::function<void(const QString&)>& dibujar) {
    const QString origen = SinCaracteresDeControl(origenTecleado).trimmed();
    const QString destino = SinCaracteresDeControl(destinoTecleado).trimmed();
    ResultadoReemplazo resultado;
    // What will change, when the fields give a replacement to compute;
    // otherwise the checks after the question tell what is missing.
    if (confirmar(QStringLiteral("Este proceso reemplaza la cuenta ") + origen +
                      QStringLiteral(" por la cuenta ") + destino +
                      QStringLiteral("\r\n-Esta seguro de continuar?"),
                  calcularPrevia(p, origen, destino)) != Respuestas::Si)
        return resultado;
    ContratoErrores contrato([](const ErrorVB& e) {
        return UtilGeneral::DialogoError(e, 18, QStringLiteral("CmdReemplazar"));
    });
    // A check that fails is told and ends the replacement.
    auto avisar = [&](bool falla, const char* texto) {
        if (!falla)
            return;
        dialogos().Mensaje(QString::fromUtf8(texto), EstilosMensaje::SoloAceptar, QString());
        contrato.salir();
    };
    QString filtro;
    std::optional<CuentaReemplazo> cOrigen;
    std::optional<CuentaReemplazo> cDestino;
    QSet<QString> lineas;
    contrato.pasos(
        [&] { dibujar(QStringLiteral("ACTUALIZANDO CUENTA")); },
        [&] { filtro = FiltroReemplazo(p, gDB().motor()); },
        [&] { avisar(p.fechaDesde.trimmed().isEmpty(), "DEBE INFORMAR LA FECHA DESDE"); },
        [&] { avisar(p.fechaHasta.trimmed().isEmpty(), "DEBE INFORMAR LA FECHA HASTA"); },
        [&] { avisar(origen.isEmpty(), "DEBE INFORMAR LA CUENTA ORIGEN"); },
        [&] { avisar(destino.isEmpty(), "DEBE INFORMAR LA CUENTA DESTINO"); },
        [&] {
            cOrigen = buscar(origen);
            avisar(!cOrigen, "NO EXISTE LA CUENTA ORIGEN");
        },
        [&] {
            cDestino = buscar(destino);
            avisar(!cDestino, "NO EXISTE LA CUENTA DESTINO");
        },
        // Voucher headers hold customer, supplier and cheque accounts, so
        // only a heading is refused as a destination.
        [&] { avisar(cDestino && cDestino->titulo, "La cuenta ingresada no imputable"); },
        [&] {
            if (!cOrigen || !cDestino)
                return contrato.salir();
            // A grid with lines (after its first header) wants to know which changed.
            resultado = AplicarReemplazo(*cOrigen, *cDestino, filtro, historial,
                                         grilla.FilasGrid() > 2 ? &lineas : nullptr, dibujar);
            if (!resultado.hecho)
                contrato.salir();
        },
        [&] {
            // The grid is not reloaded: its lines that changed show the
            // destination, and their keys follow it.
            grilla.CambiarCuentaDeLineas(lineas, cOrigen->codigo, cDestino->codigo,
                                         cDestino->descripcion);
        },
        [&] {
            dialogos().Mensaje(QStringLiteral("Se reemplazó la cuenta ") + cOrigen->codigo +
                                   QStringLiteral(" por la cuenta ") + cDestino->codigo +
                                   QStringLiteral(".\r\nLíneas de asientos cambiadas: ") +
                                   QString::number(resultado.asientos) +
                                   QStringLiteral("\r\nComprobantes de venta cambiados: ") +
                                   QString::number(resultado.ventas) +
                                   QStringLiteral("\r\nComprobantes de compra cambiados: ") +
                                   QString::number(resultado.compras),
                               EstilosMensaje::Informacion, QStringLiteral("Atención"));
        },
        [&] { dibujar(QStringLiteral("..")); });
    return resultado;
}
