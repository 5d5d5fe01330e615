#include "ReemplazoCuenta.h"
#include "ContratoErrores.h"
#include "DB_Dll.h"
#include "Dialogos.h"
#include "FallosEscritura.h"
#include "ModeloAsientos.h"
#include "TextoSql.h"
#include "TextoTecleado.h"
#include "Transaccion.h"
#include "ValidacionCuentas.h"
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

struct Tabla {
    const char* nombre;
    const char* set;   // the statement up to the destination...
    const char* where; // ...and from it to the origin
};
constexpr Tabla kTablas[] = {
    {"MV_ASIENTOS", "UPDATE MV_ASIENTOS SET CUENTA = '", "' where (CUENTA = '"},
    {"V_MV_CPTE", "UPDATE V_MV_CPTE SET CUENTA = '", "'  where (CUENTA = '"},
    {"C_MV_CPTE", "UPDATE C_MV_CPTE SET CUENTA = '", "'  where (CUENTA = '"},
};

struct Cuenta {
    QString codigo; // the main code
    QString descripcion;
    bool titulo = false;
};

std::optional<Cuenta> buscar(const QString& tecleado) {
    Cuenta c{tecleado, {}, false};
    Recordset rs;
    bool alternativa = false;
    const bool existe = ExisteCuenta(c.codigo, rs, true, alternativa);
    if (existe && rs.State() == 1 && !rs.Eof()) {
        c.descripcion = UtilGeneral::ValorTexto(rs(QStringLiteral("Descripcion")));
        c.titulo =
            UtilGeneral::ValorNumero(UtilGeneral::ValorTexto(rs(QStringLiteral("Titulo")))) != 0;
    }
    gDB().CierraRecordset(&rs);
    return existe ? std::optional<Cuenta>(c) : std::nullopt;
}

// The three updates in one transaction, each table counted before and after
// on its base table (an update through a confidential view may report no
// rows). With lineas, the lines of the journal that changed.
ResultadoReemplazo aplicar(const Cuenta& origen, const Cuenta& destino, const QString& filtro,
                           QSet<QString>* lineas,
                           const std::function<void(const QString&)>& dibujar) {
    ResultadoReemplazo r;
    long* const cuentas[] = {&r.asientos, &r.ventas, &r.compras};
    const QString donde = QStringLiteral(" WHERE (CUENTA = '") + TextoSql::Comillas(origen.codigo) +
                          QStringLiteral("') ") + filtro;
    const QString identidades =
        QStringLiteral("SELECT TC, SUCURSAL, NUMERO, LETRA, PERIODO, MES_OPERATIVO, [NUMERO "
                       "ASIENTO], SECUENCIA, TIPO_REG FROM MV_ASIENTOS") +
        donde;
    QString fase = QStringLiteral("No se pudo empezar la transacción");
    try {
        Transaccion t;
        for (int i = 0; i < 3; ++i) {
            const Tabla& tabla = kTablas[i];
            fase = QStringLiteral("Falló la actualización de ") + QLatin1String(tabla.nombre);
            const QString conteo =
                QStringLiteral("SELECT COUNT(*) FROM ") + QLatin1String(tabla.nombre) + donde;
            if (i == 0 && lineas != nullptr)
                *lineas = t.Filas(identidades);
            const qlonglong antes = t.Valor(conteo).toLongLong();
            t.Ejecutar(QLatin1String(tabla.set) + TextoSql::Comillas(destino.codigo) +
                           QLatin1String(tabla.where) + TextoSql::Comillas(origen.codigo) +
                           QStringLiteral("') ") + filtro,
                       true);
            *cuentas[i] = static_cast<long>(antes - t.Valor(conteo).toLongLong());
            if (i == 0 && lineas != nullptr)
                lineas->subtract(t.Filas(identidades));
            dibujar(QStringLiteral("ACTUALIZANDO CUENTA"));
        }
        fase = QStringLiteral("Falló la confirmación de los cambios");
        t.Confirmar();
        r.hecho = true;
    } catch (const ErrorVB& e) {
        const Conexion& cn = gDB().conexion();
        dialogos().Mensaje(
            MensajeFallo(QStringLiteral("El reemplazo no se hizo y ninguna tabla cambió. ") + fase,
                         ClasificarFallo(e, cn.Errors, cn.State() == 1)),
            EstilosMensaje::Exclamacion, QStringLiteral("Aviso al operador"));
        return {};
    }
    return r;
}
} // namespace

ResultadoReemplazo ReemplazarCuenta(const ParametrosConsulta& p, const QString& origenTecleado,
                                    const QString& destinoTecleado, ModeloAsientos& grilla,
                                    const std::function<void(const QString&)>& dibujar) {
    const QString origen = SinCaracteresDeControl(origenTecleado).trimmed();
    const QString destino = SinCaracteresDeControl(destinoTecleado).trimmed();
    ResultadoReemplazo resultado;
    if (dialogos().Mensaje(QStringLiteral("Este proceso reemplaza la cuenta ") + origen +
                               QStringLiteral(" por la cuenta ") + destino +
                               QStringLiteral("\r\n-Esta seguro de continuar?"),
                           EstilosMensaje::SiNo | 256,
                           QStringLiteral("Atención")) != Respuestas::Si)
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
    std::optional<Cuenta> cOrigen;
    std::optional<Cuenta> cDestino;
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
            resultado = aplicar(*cOrigen, *cDestino, filtro,
                                grilla.FilasGrid() > 2 ? &lineas : nullptr, dibujar);
            if (!resultado.hecho)
                contrato.salir();
        },
        [&] {
            // The grid is not reloaded: its lines that changed show the
            // destination, and their keys follow it.
            for (int fila = 1; !lineas.isEmpty() && fila < grilla.FilasGrid(); ++fila)
                if (lineas.contains(grilla.IdentidadLinea(fila)))
                    grilla.FijarCuenta(fila, cDestino->codigo, cDestino->descripcion);
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
