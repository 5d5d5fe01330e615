#include "MapaTablas.h"
#include <initializer_list>

namespace MapaTablas {
namespace {

bool igual(const QString& a, QStringView b) {
    return QStringView(a).compare(b, Qt::CaseInsensitive) == 0;
}

bool unoDe(const QString& nombre, std::initializer_list<QStringView> nombres) {
    for (const QStringView n : nombres)
        if (igual(nombre, n))
            return true;
    return false;
}

bool empieza(const QString& nombre, QStringView prefijo) {
    return nombre.startsWith(prefijo, Qt::CaseInsensitive);
}

// Rules 1 to 33; false when no rule matches the name.
bool aplicarRegla(const QString& nombre, bool deshabilitarArticulos, PreparacionTabla& p) {
    auto columnas = [&](const QString& descripcion, const QString& codigo) {
        p.campoDescripcion = descripcion;
        p.campoCodigo = codigo;
    };
    if (unoDe(nombre, {u"vt_clientes", u"vt_proveedores"})) {
        columnas(QStringLiteral("Razon_Social"), QStringLiteral("Codigo"));
    } else if (unoDe(nombre, {u"V_TA_Cpte", u"TA_COMPROBANTES"})) {
        columnas(QStringLiteral("Descripcion"), QStringLiteral("Codigo"));
        p.nombreLlamador = QStringLiteral("VT_TA_Cpte");
    } else if (igual(nombre, u"V_TA_PERCEPCION")) {
        columnas(QStringLiteral("DESCRIPCION"), QStringLiteral("IDPERCEPCION"));
    } else if (igual(nombre, u"V_TA_RETENCIONES")) {
        columnas(QStringLiteral("DESCRIPCION"), QStringLiteral("IDRETENCION"));
    } else if (igual(nombre, u"V_TA_UNIDADNEGOCIO")) {
        columnas(QStringLiteral("DESCRIPCION"), QStringLiteral("CODIGO"));
    } else if (igual(nombre, u"V_ta_PoliticaPrecios")) {
        columnas(QStringLiteral("Descripcion"), QStringLiteral("codigo"));
    } else if (igual(nombre, u"V_TA_CATEGORIAARTICULO")) {
        columnas(QStringLiteral("DESCRIPCION"), QStringLiteral("idcategoria"));
    } else if (unoDe(nombre,
                     {u"V_TA_ORIGEN", u"V_TA_DESTINO", u"V_TA_CATEGORIA", u"V_TA_CPRA_VTA",
                      u"V_TA_MotivoStock", u"V_TA_Rubros", u"V_TA_TipoArticulo", u"V_TA_Unidad",
                      u"V_TA_Tareas", u"V_TA_Tecnicos", u"V_TA_Deposito", u"V_TA_MotivoCpra",
                      u"V_TA_MotivoVta", u"V_TA_Bancos", u"V_TA_Cajas"})) {
        QString codigo = ColumnaId(nombre.mid(5));
        if (igual(nombre, u"V_TA_CPRA_VTA"))
            codigo = QStringLiteral("IDCOND_CPRA_VTA");
        else if (igual(nombre, u"V_TA_TipoArticulo"))
            codigo = QStringLiteral("IDTIPO");
        else if (igual(nombre, u"V_TA_Cajas"))
            codigo = QStringLiteral("IDCajas");
        columnas(igual(nombre, u"V_TA_Tecnicos") ? QStringLiteral("NOMBRE")
                                                 : QStringLiteral("DESCRIPCION"),
                 codigo);
    } else if (unoDe(nombre, {u"P_TA_EstadoCivil", u"P_TA_Parentesco", u"P_TA_ESTADOPOSTULANTE",
                              u"P_TA_TITULOs", u"P_TA_IDIOMAS", u"P_TA_Areas",
                              u"P_TA_EstadoBusqueda", u"P_TA_Grupos", u"P_TA_MotivoEgreso",
                              u"P_TA_ObraSocial", u"P_TA_ZONARESIDENCIA", u"P_MA_Empresas",
                              u"P_TA_FormasDePago", u"P_TA_CentroMedico", u"P_TA_Categorizacion",
                              u"P_TA_CONOCIMIENTOS", u"P_TA_NIVELESTUDIO"})) {
        columnas(igual(nombre, u"P_MA_Empresas") ? QStringLiteral("NombreEmpresa")
                                                 : QStringLiteral("Descripcion"),
                 igual(nombre, u"P_TA_Areas") ? QStringLiteral("ID") + nombre.mid(5)
                                              : ColumnaId(nombre.mid(5)));
    } else if (igual(nombre, u"P_SINDICATOS")) {
        columnas(QStringLiteral("Descripcion"), QStringLiteral("IdSindicato"));
    } else if (igual(nombre, u"P_TA_Funciones")) {
        columnas(QStringLiteral("DESCRIPCION"), QStringLiteral("ID") + nombre.mid(5));
    } else if (unoDe(nombre, {u"TA_Rubros", u"TA_TipoArticulo", u"TA_MotivoStock", u"TA_Deposito",
                              u"TA_Categoria"})) {
        columnas(QStringLiteral("DESCRIPCION"), igual(nombre, u"TA_TipoArticulo")
                                                    ? QStringLiteral("IDTIPO")
                                                    : ColumnaId(nombre.mid(3)));
    } else if (igual(nombre, u"P_MA_Clientes")) {
        columnas(QStringLiteral("RAZON_SOCIAL"), QStringLiteral("IDCLIENTE"));
    } else if (igual(nombre, u"TA_Cpte")) {
        columnas(QStringLiteral("DESCRIPCION"), QStringLiteral("CODIGO"));
    } else if (igual(nombre, u"V_MA_MANTENIMIENTOS")) {
        columnas(QStringLiteral("DESCRIPCION"), QStringLiteral("CODIGO"));
    } else if (igual(nombre, u"V_TA_VENDEDORES")) {
        columnas(QStringLiteral("NOMBRE"), QStringLiteral("idvendedor"));
    } else if (igual(nombre, u"V_MA_ARTICULOS")) {
        if (deshabilitarArticulos) {
            p.disponible = false;
            p.cortada = true;
            return true;
        }
        columnas(QStringLiteral("DESCRIPCION"), ColumnaId(nombre.mid(5)));
    } else if (igual(nombre, u"V_MV_COTIZAR")) {
        columnas(QStringLiteral("COT_OBSERVACIONES"), QStringLiteral("IDARTICULO"));
    } else if (igual(nombre, u"MA_ARTICULOS")) {
        columnas(QStringLiteral("DESCRIPCION"), ColumnaId(nombre.mid(3)));
    } else if (igual(nombre, u"MA_MODELOS")) {
        columnas(QStringLiteral("NOMBRE"), QStringLiteral("NOMBRE"));
    } else if (igual(nombre, u"MA_CHOFERES")) {
        columnas(QStringLiteral("APELLIDO"), QStringLiteral("CODIGO"));
    } else if (igual(nombre, u"MA_DESTINATARIOS")) {
        columnas(QStringLiteral("NOMBRE"), QStringLiteral("CODIGO"));
    } else if (igual(nombre, u"MA_VEHICULOS")) {
        // The plate alone: a list of columns in the display column would
        // make the search statement invalid.
        columnas(QStringLiteral("PATENTE"), QStringLiteral("PATENTE"));
    } else if (igual(nombre, u"MV_EJERCICIOS")) {
        columnas(QStringLiteral("DESCRIPCION"), QStringLiteral("PERIODO"));
    } else if (igual(nombre, u"TA_USUARIOS")) {
        columnas(QStringLiteral("NOMBRE"), QStringLiteral("NOMBRE"));
    } else if (empieza(nombre, u"TA_") ||
               QStringView(nombre).mid(4, 3).compare(u"TA_", Qt::CaseInsensitive) == 0) {
        columnas(QStringLiteral("DESCRIPCION"), QStringLiteral("CODIGO"));
        if (empieza(nombre, u"FIS_")) {
            p.nombreLlamador = nombre.mid(4);
            p.tabla = p.nombreLlamador.trimmed();
        }
        if (igual(p.nombreLlamador, u"TA_COMPROBANTES_1"))
            p.nombreLlamador = p.tabla = QStringLiteral("TA_COMPROBANTES");
    } else if (empieza(nombre, u"MA_")) {
        const QString seis = nombre.left(6).toUpper();
        if (unoDe(seis, {u"MA_PRO", u"MA_VEN", u"MA_TRA", u"MA_CON", u"MA_AGE", u"MA_CLI"}))
            columnas(QStringLiteral("Razon_Social"), QStringLiteral("Codigo"));
        else
            columnas(QStringLiteral("Descripcion"), QStringLiteral("Codigo"));
    } else if (empieza(nombre, u"[MA")) {
        if (empieza(nombre, u"[MA_CA"))
            columnas(QStringLiteral("nombre"), QStringLiteral("Codigo"));
    } else if (empieza(nombre, u"MV_")) {
        if (empieza(nombre, u"MV_PRO"))
            columnas(QStringLiteral("ASUNTO"), QStringLiteral("ID"));
    } else if (unoDe(nombre, {u"SERIE", u"MPAGO"})) {
        columnas(QStringLiteral("Descripcion"), QStringLiteral("CodigoOpcional"));
        p.tabla = QStringLiteral("VT_MP_PAGOS");
    } else if (igual(nombre, u"TC")) {
        columnas(QStringLiteral("DESCRIPCION"), QStringLiteral("CODIGO"));
        p.nombreLlamador = p.tabla = QStringLiteral("TA_COMPROBANTES");
    } else if (igual(nombre, u"V_TA_MOTIVOS")) {
        columnas(QStringLiteral("DESCRIPCION"), QStringLiteral("CODIGO"));
    } else if (igual(nombre, u"FECHA")) {
        p.calendario = true;
    } else {
        return false;
    }
    return true;
}

// The tail table, by the resulting table.
void aplicarCola(PreparacionTabla& p) {
    p.filtroExtra.clear();
    const QString& t = p.tabla;
    if (igual(t, u"MA_CUENTAS_CAJAYBANCO")) {
        p.tabla = QStringLiteral("MA_CUENTAS");
        p.filtroExtra = QStringLiteral(
            "and (MEDIODEPAGO='' or MEDIODEPAGO IS NULL) and titulo = 0 AND CAJAYBANCO = 1");
        p.disponible = true;
    } else if (igual(t, u"MA_CUENTAS")) {
        p.filtroExtra = QStringLiteral(" and Dada_De_Baja = 0 ");
        p.disponible = true;
    } else if (igual(t, u"MA_CUENTAS/SOLOIMPUTABLES")) {
        p.tabla = QStringLiteral("MA_CUENTAS");
        p.filtroExtra = QStringLiteral(
            " and (TIPOVISTA IS NULL OR TIPOVISTA = '') AND (MEDIODEPAGO IS NULL OR MEDIODEPAGO = "
            "'' OR MEDIODEPAGO = 'RI' OR MEDIODEPAGO = 'RG' OR MEDIODEPAGO = 'RB')  AND TITULO = 0 "
            "AND Dada_De_Baja = 0 ");
        p.disponible = true;
    } else if (unoDe(t, {u"VT_PROVEEDORES", u"VT_CLIENTES"})) {
        p.filtroExtra = QStringLiteral("and Dada_De_Baja = 0");
    } else if (unoDe(t, {u"V_MA_ARTICULOS", u"VT_MA_ARTICULOS"})) {
        p.filtroExtra = QStringLiteral("and SUSPENDIDO = 0");
        p.disponible = true;
    } else if (igual(t, u"MA_CONTACTOS")) {
        p.campoDescripcion = QStringLiteral("Nombre_y_Apellido");
        p.campoCodigo = QStringLiteral("IdContacto");
        p.disponible = true;
    } else if (igual(t, u"V_TA_FAMILIAS")) {
        p.campoDescripcion = QStringLiteral("DESCRIPCION");
        p.campoCodigo = QStringLiteral("IDFAMILIA");
        p.disponible = true;
    }
}

} // namespace

QString ColumnaId(const QString& resto) {
    QString c = QStringLiteral("ID") + resto;
    if (c.endsWith(u'S', Qt::CaseInsensitive))
        c.chop(1);
    return c;
}

PreparacionTabla Preparar(const QString& nombre, const QString& descripcion, const QString& codigo,
                          bool deshabilitarArticulos) {
    PreparacionTabla p;
    p.tabla = nombre.trimmed();
    p.nombreLlamador = nombre;
    p.campoDescripcion = descripcion;
    p.campoCodigo = codigo;
    if (!aplicarRegla(nombre, deshabilitarArticulos, p))
        p.disponible = false;
    if (!p.cortada)
        aplicarCola(p);
    return p;
}

} // namespace MapaTablas
