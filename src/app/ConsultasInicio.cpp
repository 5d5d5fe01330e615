#include "ConsultasInicio.h"
#include "ArchivoConsultas.h"
#include "ArchivosDelPrograma.h"
#include "DB_Dll.h"
#include "DialogoConsulta.h"
#include <QFileInfo>

namespace {
// Columns a search never shows: the users' stored password is a reversible
// cipher.
bool columnaReservada(const QString& columna) {
    return columna.trimmed().compare(QStringLiteral("PassWord"), Qt::CaseInsensitive) == 0;
}

// Rows of a statement for the search dialog, read on the main connection.
ResultadoConsulta consultar(const QString& sentencia) {
    ResultadoConsulta r;
    Recordset rs;
    QString sql = sentencia;
    gDB().AbrirRecordset(sql, rs);
    if (rs.State() == 0)
        return r;
    QList<int> visibles;
    const QStringList campos = rs.Campos();
    for (int i = 0; i < campos.size(); ++i) {
        if (columnaReservada(campos[i]))
            continue;
        visibles << i;
        r.columnas << campos[i];
    }
    while (!rs.Eof()) {
        QStringList fila;
        for (const int i : visibles)
            fila << UtilGeneral::ValorTexto(rs.Valor(i)).trimmed();
        r.filas << fila;
        rs.MoveNext();
    }
    gDB().CierraRecordset(&rs);
    return r;
}
} // namespace

void CrearArchivoConsultas() {
    static const RegistroConsulta kDefecto[] = {
        {"ARTICULOS", "V_MA_ARTICULOS", "|DESCRIPCION|IDARTICULO|", ""},
        {"CLIENTES", "VT_CLIENTES", "|RAZON_SOCIAL|CODIGO|CONTACTO|", ""},
        {"PROVEEDORES", "VT_PROVEEDORES", "|RAZON_SOCIAL|CODIGO|", ""},
        {"CONTACTOS", "MA_CONTACTOS", "|Nombre_y_Apellido|Domicilio|Localidad|Telefono|", ""},
        {"VENDEDORES", "V_TA_VENDEDORES", "|NOMBRE|IDVENDEDOR|", ""},
        {"TECNICOS", "V_TA_TECNICOS", "|NOMBRE|IDTECNICO|", ""},
        {"MANTENIMIENTOS", "V_MA_MANTENIMIENTOS", "|DESCRIPCION|CODIGO|", ""},
        {"CUENTAS", "MA_CUENTAS", "|DESCRIPCION|CODIGO|", ""},
        {"TAREAS", "V_TA_Tareas  ", "|Descripcion|IdTarea|", ""},
        {"UnidadNegocio", "V_TA_UnidadNegocio", "|Descripcion|Codigo|", ""},
        {"DEPOSITO", "V_TA_DEPOSITO", "|Descripcion|IdDeposito|", ""},
    };
    for (const RegistroConsulta& r : kDefecto)
        ArchivoConsultas::Agregar(gDialogoConsulta().ArchivoConsultas, r);
}

void PrepararDialogoConsulta() {
    DialogoConsulta& d = gDialogoConsulta();
    d.CadenaConexion = gDB().gConnString;
    d.UsaConexion = true;
    d.ArchivoConsultas = ArchivosDelPrograma::ArchivoDeLectura(QStringLiteral("consultas.qdx"));
    d.EstablecerConsultor(consultar);
    if (!QFileInfo::exists(d.ArchivoConsultas))
        CrearArchivoConsultas();
}
