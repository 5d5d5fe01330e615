#include "EdicionGrilla.h"
#include "ContratoErrores.h"
#include "DB_Dll.h"
#include "Dialogos.h"
#include "ModeloAsientos.h"
#include "TextoSql.h"
#include "UtilGeneral.h"
#include "ValidacionCuentas.h"

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
// The line key without its account: the same journal line whatever account it
// holds now.
QString claveSinCuenta(const QString& clave) {
    const int y = static_cast<int>(clave.indexOf(QStringLiteral("' AND PERIODO=")));
    return y < 0 ? QString() : clave.mid(y + 6);
}

// After a write that reached no line: the cell shows the account the database
// holds for that line.
void mostrarLoQueHayEnLaBase(ModeloAsientos& grilla, int fila, const QString& clave) {
    const QString resto = claveSinCuenta(clave);
    if (resto.isEmpty())
        return;
    Recordset rs;
    QString sql =
        QStringLiteral(
            "SELECT MV_ASIENTOS.CUENTA, MA_CUENTAS.DESCRIPCION FROM MV_ASIENTOS LEFT JOIN "
            "MA_CUENTAS ON MV_ASIENTOS.CUENTA = MA_CUENTAS.CODIGO WHERE ") +
        resto;
    gDB().AbrirRecordset(sql, rs);
    if (rs.State() == 1 && !rs.Eof())
        grilla.FijarCuenta(fila, UtilGeneral::ValorTexto(rs.Valor(0)),
                           UtilGeneral::ValorTexto(rs.Valor(1)));
    gDB().CierraRecordset(&rs);
}
} // namespace

ResultadoUpdate UpdateaCampo(ModeloAsientos& grilla, int fila, int columna, const QString& campo,
                             const QString& valor) {
    if (!grilla.EsEditable(fila, columna))
        return ResultadoUpdate::NoEscrito;
    const QString v = valor.trimmed();
    const QString clave = grilla.Texto(fila, 5);
    if (clave.isEmpty()) {
        dialogos().Mensaje(QStringLiteral("Mal Posicionamiento!!!, no se actualizará"),
                           EstilosMensaje::Critico, QStringLiteral("Aviso al operador"));
        return ResultadoUpdate::NoEscrito;
    }
    if (campo.compare(QStringLiteral("DEBE"), Qt::CaseInsensitive) == 0 ||
        campo.compare(QStringLiteral("HABER"), Qt::CaseInsensitive) == 0)
        return ResultadoUpdate::NoEscrito;
    QString sql;
    if (grilla.Texto(fila, 12).trimmed().compare(QStringLiteral("TJ"), Qt::CaseInsensitive) == 0) {
        Recordset rs;
        gDB().AbrirRecordset(QStringLiteral("SELECT * FROM MV_ASIENTOS Where ") + clave, rs);
        if (rs.State() == 1 && !rs.Eof()) {
            const QVariant p = rs(QStringLiteral("tj_presentacion"));
            if (!p.isNull() && UtilGeneral::ValorNumero(UtilGeneral::ValorTexto(p)) > 0) {
                gDB().CierraRecordset(&rs);
                dialogos().Mensaje(
                    QStringLiteral("Esta tarjeta fue presentada con el numero ") +
                        UtilGeneral::ValorTexto(p) +
                        QStringLiteral("\r\n debe quitarla de la presentacion antes de modificar"),
                    EstilosMensaje::Informacion, QStringLiteral("Aviso al operador"));
                return ResultadoUpdate::NoEscrito;
            }
        }
        gDB().CierraRecordset(&rs);
        sql = QStringLiteral("UPDATE MV_ASIENTOS SET ") + campo + QStringLiteral(" = '") +
              TextoSql::Comillas(v) +
              QStringLiteral(
                  "', TJ_NroSocio = '1', TJ_NroCupon = '1', TJ_Cuotas = '1', TJ_Autorizo = '1', "
                  "TJ_Observaciones = '1' Where ") +
              clave;
    } else {
        sql = QStringLiteral("UPDATE MV_ASIENTOS SET ") + campo + QStringLiteral(" = '") +
              TextoSql::Comillas(v) +
              QStringLiteral(
                  "',TJ_NroSocio='',TJ_NroCupon='',TJ_Cuotas='',TJ_Autorizo='',TJ_Observaciones='' "
                  "WHERE ") +
              clave;
    }
    long filas = 0;
    Conexion& cn = gDB().conexion();
    try {
        cn.Execute(sql, &filas);
    } catch (const ErrorVB& e) {
        if (cn.Errors.isEmpty())
            cn.Errors.append(ErrorProveedor{e.numero, e.descripcion, QString(), 0});
    }
    if (!cn.Errors.isEmpty()) {
        dialogos().Mensaje(cn.Errors.first().Description, EstilosMensaje::SoloAceptar, QString());
        return ResultadoUpdate::NoEscrito;
    }
    if (filas == 0) {
        // Another user or program changed the line since it was loaded.
        dialogos().Mensaje(
            QStringLiteral("La línea cambió desde que se cargó la consulta: no se grabó. La grilla "
                           "muestra lo que tiene ahora la base de datos."),
            EstilosMensaje::Exclamacion, QStringLiteral("Aviso al operador"));
        mostrarLoQueHayEnLaBase(grilla, fila, clave);
        return ResultadoUpdate::LineaCambiada;
    }
    // The line key follows the new account, so a later correction reaches it.
    grilla.FijarCuenta(fila, v, grilla.Texto(fila, 2));
    return ResultadoUpdate::Escrito;
}
