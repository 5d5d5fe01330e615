// The lookup table map: columns, filters, rewritten names and availability
// from the table name alone.
#include "ImprimirQt.h"
#include "MapaTablas.h"
#include <gtest/gtest.h>

namespace {
PreparacionTabla preparar(const QString& nombre, bool articulos = false) {
    return MapaTablas::Preparar(nombre, QStringLiteral("ANTES_D"), QStringLiteral("ANTES_C"),
                                articulos);
}
} // namespace

TEST(MapaTablas, ColumnasDeCodigoPorLaReglaDelId) {
    const struct {
        const char* tabla;
        const char* descripcion;
        const char* codigo;
    } casos[] = {
        {"V_TA_Rubros", "DESCRIPCION", "IDRubro"},
        {"V_TA_Bancos", "DESCRIPCION", "IDBanco"},
        {"V_TA_Cajas", "DESCRIPCION", "IDCajas"},
        {"V_TA_Tecnicos", "NOMBRE", "IDTecnico"},
        {"V_TA_CPRA_VTA", "DESCRIPCION", "IDCOND_CPRA_VTA"},
        {"V_TA_MotivoVta", "DESCRIPCION", "IDMotivoVta"},
        {"P_TA_IDIOMAS", "Descripcion", "IDIDIOMA"},
        {"P_TA_Areas", "Descripcion", "IDAreas"},
        {"P_MA_Empresas", "NombreEmpresa", "IDEmpresa"},
        {"P_TA_Funciones", "DESCRIPCION", "IDFunciones"},
        {"TA_TipoArticulo", "DESCRIPCION", "IDTIPO"},
        {"ta_rubros", "DESCRIPCION", "IDrubro"},
        {"V_MA_ARTICULOS", "DESCRIPCION", "IDARTICULO"},
        {"MA_ARTICULOS", "DESCRIPCION", "IDARTICULO"},
        {"V_TA_UNIDADNEGOCIO", "DESCRIPCION", "CODIGO"},
        // The plate alone, so that the search statement can run.
        {"MA_VEHICULOS", "PATENTE", "PATENTE"},
    };
    for (const auto& c : casos) {
        const PreparacionTabla p = preparar(QString::fromLatin1(c.tabla));
        EXPECT_TRUE(p.disponible) << c.tabla;
        EXPECT_EQ(p.campoDescripcion, QString::fromLatin1(c.descripcion)) << c.tabla;
        EXPECT_EQ(p.campoCodigo, QString::fromLatin1(c.codigo)) << c.tabla;
    }
}

TEST(MapaTablas, NombresReescritosYPrefijos) {
    PreparacionTabla p = preparar(QStringLiteral("FIS_TA_PAISES"));
    EXPECT_EQ(p.tabla, QStringLiteral("TA_PAISES"));
    EXPECT_EQ(p.nombreLlamador, QStringLiteral("TA_PAISES"));
    EXPECT_EQ(p.campoDescripcion, QStringLiteral("DESCRIPCION"));
    EXPECT_EQ(p.campoCodigo, QStringLiteral("CODIGO"));
    p = preparar(QStringLiteral("FIS_TA_COMPROBANTES_1"));
    EXPECT_EQ(p.tabla, QStringLiteral("TA_COMPROBANTES"));
    EXPECT_EQ(p.nombreLlamador, QStringLiteral("TA_COMPROBANTES"));
    // Only the caller's variable changes for the voucher types.
    p = preparar(QStringLiteral("TA_COMPROBANTES"));
    EXPECT_EQ(p.tabla, QStringLiteral("TA_COMPROBANTES"));
    EXPECT_EQ(p.nombreLlamador, QStringLiteral("VT_TA_Cpte"));
    p = preparar(QStringLiteral("TC"));
    EXPECT_EQ(p.tabla, QStringLiteral("TA_COMPROBANTES"));
    EXPECT_EQ(p.nombreLlamador, QStringLiteral("TA_COMPROBANTES"));
    p = preparar(QStringLiteral("mpago"));
    EXPECT_EQ(p.tabla, QStringLiteral("VT_MP_PAGOS"));
    EXPECT_EQ(p.nombreLlamador, QStringLiteral("mpago"));
    EXPECT_EQ(p.campoCodigo, QStringLiteral("CodigoOpcional"));
    for (const char* t : {"MA_CLIENTES", "ma_proveedores", "MA_AGENTES"})
        EXPECT_EQ(preparar(QString::fromLatin1(t)).campoDescripcion, QStringLiteral("Razon_Social"))
            << t;
    EXPECT_EQ(preparar(QStringLiteral("MA_BANCOS")).campoDescripcion,
              QStringLiteral("Descripcion"));
    p = preparar(QStringLiteral("MA_CONTACTOS"));
    EXPECT_EQ(p.campoDescripcion, QStringLiteral("Nombre_y_Apellido"));
    EXPECT_EQ(p.campoCodigo, QStringLiteral("IdContacto"));
    EXPECT_EQ(preparar(QStringLiteral("[MA_CAMIONES]")).campoDescripcion, QStringLiteral("nombre"));
    EXPECT_EQ(preparar(QStringLiteral("MV_PROYECTOS")).campoDescripcion, QStringLiteral("ASUNTO"));
    // Rules that leave the columns keep the previous ones.
    for (const char* t : {"[MA_OTRA]", "MV_OTRO", "FECHA"}) {
        p = preparar(QString::fromLatin1(t));
        EXPECT_TRUE(p.disponible) << t;
        EXPECT_EQ(p.campoDescripcion, QStringLiteral("ANTES_D")) << t;
        EXPECT_EQ(p.campoCodigo, QStringLiteral("ANTES_C")) << t;
    }
    EXPECT_TRUE(preparar(QStringLiteral("fecha")).calendario);
    // A name that matches no rule is not available and keeps the columns too.
    p = preparar(QStringLiteral("VT_TA_CPTE"));
    EXPECT_FALSE(p.disponible);
    EXPECT_EQ(p.campoDescripcion, QStringLiteral("ANTES_D"));
    // The rules compare the name as given: blanks after it make another name.
    EXPECT_FALSE(preparar(QStringLiteral("V_TA_Tareas  ")).disponible);
    EXPECT_EQ(preparar(QStringLiteral("V_TA_Tareas")).campoCodigo, QStringLiteral("IDTarea"));
}

TEST(MapaTablas, FiltrosDeLaColaPorTabla) {
    PreparacionTabla p = preparar(QStringLiteral("MA_CUENTAS_CAJAYBANCO"));
    EXPECT_EQ(p.tabla, QStringLiteral("MA_CUENTAS"));
    EXPECT_EQ(p.campoDescripcion, QStringLiteral("Descripcion"));
    EXPECT_EQ(p.campoCodigo, QStringLiteral("Codigo"));
    EXPECT_EQ(p.filtroExtra,
              QStringLiteral(
                  "and (MEDIODEPAGO='' or MEDIODEPAGO IS NULL) and titulo = 0 AND CAJAYBANCO = 1"));
    p = preparar(QStringLiteral("ma_cuentas"));
    EXPECT_TRUE(p.disponible);
    EXPECT_EQ(p.tabla, QStringLiteral("ma_cuentas"));
    EXPECT_EQ(p.filtroExtra, QStringLiteral(" and Dada_De_Baja = 0 "));
    p = preparar(QStringLiteral("MA_CUENTAS/SOLOIMPUTABLES"));
    EXPECT_EQ(p.tabla, QStringLiteral("MA_CUENTAS"));
    EXPECT_TRUE(p.filtroExtra.endsWith(QStringLiteral("AND TITULO = 0 AND Dada_De_Baja = 0 ")));
    EXPECT_EQ(preparar(QStringLiteral("vt_clientes")).filtroExtra,
              QStringLiteral("and Dada_De_Baja = 0"));
    // The article filter makes an unmapped view available, with the old columns.
    p = preparar(QStringLiteral("VT_MA_ARTICULOS"));
    EXPECT_TRUE(p.disponible);
    EXPECT_EQ(p.filtroExtra, QStringLiteral("and SUSPENDIDO = 0"));
    EXPECT_EQ(p.campoDescripcion, QStringLiteral("ANTES_D"));
    EXPECT_EQ(preparar(QStringLiteral("V_TA_FAMILIAS")).campoCodigo, QStringLiteral("IDFAMILIA"));
    EXPECT_EQ(preparar(QStringLiteral("TA_PAISES")).filtroExtra, QString());
}

TEST(MapaTablas, LasBusquedasDeArticulosApagadasCortanLaPreparacion) {
    PreparacionTabla p = preparar(QStringLiteral("V_MA_ARTICULOS"), true);
    EXPECT_FALSE(p.disponible);
    EXPECT_TRUE(p.cortada);
    EXPECT_EQ(p.filtroExtra, QString());
    p = preparar(QStringLiteral("MA_ARTICULOS"), true);
    EXPECT_TRUE(p.disponible);
    EXPECT_FALSE(p.cortada);
}
