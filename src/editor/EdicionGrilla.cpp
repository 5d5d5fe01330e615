#include "EdicionGrilla.h"
#include "AutorDelCambio.h"
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
#include "UtilGeneral.h"
#include "ValidacionCuentas.h"
#include <optional>

ConfigEditor TextPropiedades(const ModeloAsientos& grilla, int fila, int columna) {
    ConfigEditor c;
    const QString titulo = grilla.Titulo(columna);
    if (titulo == QLatin1String("Cuenta")) {
        c = {titulo, 50, QStringLiteral("MA_CUENTAS")};
    } else if (titulo == QLatin1String("DEBE") || titulo == QLatin1String("HABER")) {
        c = {titulo, 50, QStringLiteral("Importe")};
    } else {
        c.campo = titulo;
    }
    if (!grilla.EsEditable(fila, columna))
        c.tag.clear();
    return c;
}

QString ValidarCuentaEditor(ModeloAsientos& grilla, int fila, QString& texto) {
    if (texto.trimmed().isEmpty())
        return QStringLiteral("Debe ingresar una cuenta");
    QString codigo = texto.trimmed();
    Recordset rs;
    bool alternativa = false;
    QString rechazo;
    if (!ExisteCuenta(codigo, rs, true, alternativa)) {
        rechazo = QStringLiteral("La cuenta ingresada es inexistente");
    } else {
        const bool titulo =
            UtilGeneral::ValorNumero(UtilGeneral::ValorTexto(rs(QStringLiteral("Titulo")))) != 0;
        const QString vista = UtilGeneral::ValorTexto(rs(QStringLiteral("TipoVista"))).trimmed();
        const QString medio = UtilGeneral::ValorTexto(rs(QStringLiteral("MedioDePago")));
        if (titulo)
            rechazo = QStringLiteral("La cuenta ingresada no imputable");
        else if (vista.compare(QStringLiteral("CL"), Qt::CaseInsensitive) == 0 ||
                 vista.compare(QStringLiteral("PR"), Qt::CaseInsensitive) == 0 ||
                 medio.trimmed().compare(QStringLiteral("CH"), Qt::CaseInsensitive) == 0)
            rechazo = QStringLiteral("La cuenta ingresada no es válida en este contexto");
        else {
            texto = codigo;
            grilla.FijarTexto(fila, 2, UtilGeneral::ValorTexto(rs(QStringLiteral("Descripcion"))));
            grilla.FijarTexto(fila, 12, medio);
        }
    }
    gDB().CierraRecordset(&rs);
    return rechazo;
}

namespace {
const QString kTitulo = QStringLiteral("Aviso al operador");

// The cells the editor changed go back to what the load read.
void deshacerEdicion(ModeloAsientos& grilla, int fila) {
    for (const int columna : {Columnas::Cuenta, Columnas::Descripcion, Columnas::CuentaPrincipal})
        grilla.QuitarCambio(fila, columna);
}

// The cell shows what the database holds for the line: the account and its
// description read again. Returns the account, empty when the line was not
// found.
QString mostrarLoQueHayEnLaBase(ModeloAsientos& grilla, int fila) {
    deshacerEdicion(grilla, fila);
    const QString resto = grilla.ClaveSinCuenta(fila);
    QString cuenta;
    if (resto.isEmpty())
        return cuenta;
    IgnorandoErrores([&] {
        Recordset rs;
        gDB().AbrirRecordset(
            QStringLiteral(
                "SELECT MV_ASIENTOS.CUENTA, MA_CUENTAS.DESCRIPCION FROM MV_ASIENTOS LEFT "
                "JOIN MA_CUENTAS ON MV_ASIENTOS.CUENTA = MA_CUENTAS.CODIGO WHERE") +
                resto,
            rs);
        if (rs.State() == 1 && !rs.Eof()) {
            cuenta = UtilGeneral::ValorTexto(rs.Valor(0));
            grilla.FijarCuenta(fila, cuenta, UtilGeneral::ValorTexto(rs.Valor(1)));
        }
        gDB().CierraRecordset(&rs);
    });
    return cuenta;
}

// The presentation number of the line's card coupon, empty when the coupon
// is not in a presentation; nullopt when the line could not be read (the
// data layer has told the user why).
std::optional<QString> presentacion(const QString& clave) {
    Recordset rs;
    gDB().AbrirRecordset(QStringLiteral("SELECT * FROM MV_ASIENTOS Where ") + clave, rs);
    if (rs.State() != 1)
        return std::nullopt;
    QString numero;
    if (!rs.Eof()) {
        const QVariant p = rs(QStringLiteral("tj_presentacion"));
        if (!p.isNull() && UtilGeneral::ValorNumero(UtilGeneral::ValorTexto(p)) > 0)
            numero = UtilGeneral::ValorTexto(p);
    }
    gDB().CierraRecordset(&rs);
    return numero;
}

struct EscrituraLinea {
    bool escrita = false;
    long filas = 0;
    std::optional<FalloEscritura> fallo;
};

// Runs the update of one line in a transaction that is kept only when the
// statement reached exactly one row, together with the line's change record
// and its audit row: without them the line is not written either.
EscrituraLinea escribirUnaLinea(const QString& sql, const QString& clave, const CambioCuenta& c) {
    using namespace RegistroCambios;
    EscrituraLinea r;
    const MotorBD motor = gDB().motor();
    const ModificacionesEnLote m =
        Modificacion(QStringLiteral("Imputación"), c.antes, c.despues, c.lote);
    try {
        Transaccion t;
        const long registradas = t.Ejecutar(
            Registrar(Tabla::Asientos, c.lote, m.fecha, c.despues, clave, true, motor), false);
        r.filas = t.Ejecutar(sql, false);
        // The record and the update name the same line in one transaction:
        // they differ only if the line moved between them.
        if (registradas != r.filas)
            r.filas = 0;
        if (r.filas == 1) {
            if (t.Ejecutar(Auditar(Tabla::Asientos, m, motor), false) != 1)
                throw ErrorVB(CodigosError::FalloProveedor,
                              QStringLiteral("no se escribió la fila de auditoría"));
            t.Confirmar();
            r.escrita = true;
        }
    } catch (const ErrorVB& e) {
        r.fallo = FalloEnLaConexion(e);
    }
    return r;
}
} // namespace

ResultadoUpdate UpdateaCampo(ModeloAsientos& grilla, int fila, int columna, const QString& campo,
                             const QString& valor, HistorialCambios& historial) {
    if (!grilla.EsEditable(fila, columna))
        return ResultadoUpdate::NoEscrito;
    const QString v = SinCaracteresDeControl(valor).trimmed();
    const QString clave = grilla.Texto(fila, Columnas::Clave);
    if (clave.isEmpty()) {
        dialogos().Mensaje(QStringLiteral("Mal Posicionamiento!!!, no se actualizará"),
                           EstilosMensaje::Critico, kTitulo);
        return ResultadoUpdate::NoEscrito;
    }
    if (campo.compare(QStringLiteral("DEBE"), Qt::CaseInsensitive) == 0 ||
        campo.compare(QStringLiteral("HABER"), Qt::CaseInsensitive) == 0)
        return ResultadoUpdate::NoEscrito;
    // A coupon in a presentation keeps its line as it is, whatever the new
    // account: moving it would blank or overwrite its card data.
    const std::optional<QString> numero = presentacion(clave);
    if (!numero) {
        deshacerEdicion(grilla, fila);
        return ResultadoUpdate::Rechazado;
    }
    if (!numero->isEmpty()) {
        mostrarLoQueHayEnLaBase(grilla, fila);
        dialogos().Mensaje(
            QStringLiteral("Esta tarjeta fue presentada con el numero ") + *numero +
                QStringLiteral("\r\n debe quitarla de la presentacion antes de modificar"),
            EstilosMensaje::Informacion, kTitulo);
        return ResultadoUpdate::Rechazado;
    }
    if (!historial.Preparar()) {
        deshacerEdicion(grilla, fila);
        return ResultadoUpdate::Rechazado;
    }
    const bool tarjeta = grilla.Texto(fila, Columnas::CuentaPrincipal)
                             .trimmed()
                             .compare(QStringLiteral("TJ"), Qt::CaseInsensitive) == 0;
    const QString cargada = grilla.CuentaClave(fila);
    const DatosComprobante cpte = grilla.ComprobanteDe(fila).value_or(DatosComprobante{});
    const CambioCuenta cambio{RegistroCambios::NuevoLote(),
                              QStringLiteral("corrección de ") + cargada + QStringLiteral(" a ") +
                                  v + QStringLiteral(" en ") + cpte.tc.trimmed() + u' ' +
                                  cpte.sucursal + cpte.numero + cpte.letra +
                                  QStringLiteral(" línea ") + grilla.Texto(fila, Columnas::Linea),
                              cargada,
                              v,
                              true,
                              tarjeta};
    const QString sql =
        QStringLiteral("UPDATE MV_ASIENTOS SET ") + campo + QStringLiteral(" = '") +
        TextoSql::Comillas(v) +
        (tarjeta ? QStringLiteral("', TJ_NroSocio = '1', TJ_NroCupon = '1', TJ_Cuotas = '1', "
                                  "TJ_Autorizo = '1', TJ_Observaciones = '1' Where ")
                 : QStringLiteral("',TJ_NroSocio='',TJ_NroCupon='',TJ_Cuotas='',TJ_Autorizo='',"
                                  "TJ_Observaciones='' WHERE ")) +
        clave;
    const EscrituraLinea r = escribirUnaLinea(sql, clave, cambio);
    if (r.escrita) {
        // The line key follows the new account, so a later correction reaches it.
        grilla.FijarCuenta(fila, v, grilla.Texto(fila, Columnas::Descripcion));
        historial.Agregar(cambio);
        return ResultadoUpdate::Escrito;
    }
    // Without a link the line cannot be read again: it shows what the load
    // read, and the next statement takes the lost-connection path.
    QString actual;
    if (r.fallo && r.fallo->causa == CausaFallo::SinConexion)
        deshacerEdicion(grilla, fila);
    else
        actual = mostrarLoQueHayEnLaBase(grilla, fila);
    QString mensaje;
    if (r.fallo) {
        mensaje = MensajeFallo(QStringLiteral("La corrección de la cuenta no se grabó"), *r.fallo);
    } else if (r.filas == 0) {
        // Another user or program changed the line since it was loaded: the
        // audit rows of the voucher may tell who and when.
        mensaje = QStringLiteral("La línea cambió desde que se cargó la consulta: no se grabó. La "
                                 "grilla muestra lo que tiene ahora la base de datos.");
        const QString autor = AutorDelCambio(cpte, cargada, actual);
        if (!autor.isEmpty())
            mensaje += QStringLiteral("\r\n") + autor;
    } else
        mensaje = QStringLiteral("La corrección de la cuenta no se grabó: alcanzaba ") +
                  QString::number(r.filas) +
                  QStringLiteral(" líneas en lugar de una y se deshizo. La grilla muestra lo que "
                                 "tiene la base de datos.");
    dialogos().Mensaje(mensaje, EstilosMensaje::Exclamacion, kTitulo);
    return ResultadoUpdate::Rechazado;
}
