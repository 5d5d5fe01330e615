// Quick add: the next code, the stored description, the motive rows and the
// all-or-nothing write.
#include "AltaRapida.h"
#include "BaseBusqueda.h"
#include "Conexion.h"
#include "ImprimirQt.h"
#include "ReinicioPrueba.h"
#include <gtest/gtest.h>

namespace {
class AltaRapidaPrueba : public ::testing::Test {
protected:
    void SetUp() override { guion = ReiniciarProceso(); }
    void abrir() { cn.Open(base->cadena()); }
    AltaRapida::Pedido pedido(const QString& texto, const QString& tabla, const QString& codigo) {
        AltaRapida::Pedido p;
        p.texto = texto;
        p.tabla = tabla;
        p.campoDescripcion = QStringLiteral("DESCRIPCION");
        p.campoCodigo = codigo;
        p.largoCodigo = AltaRapida::ReglaDe(tabla).largoCodigo;
        return p;
    }
    int filas(const QString& sql) { return base->base().filas(sql); }

    std::shared_ptr<DialogosGuion> guion;
    std::unique_ptr<BaseBusqueda> base = std::make_unique<BaseBusqueda>();
    Conexion cn;
};
} // namespace

TEST_F(AltaRapidaPrueba, ElCodigoSiguienteYLaDescripcionGuardada) {
    abrir();
    // Codes "   1" to "  12"; the full-width "1000" does not count.
    const QString largo = QStringLiteral("Depósito, 'norte' de la ciudad con un nombre larguísimo");
    EXPECT_EQ(AltaRapida::Ejecutar(cn, pedido(largo, QStringLiteral("V_TA_UnidadNegocio"),
                                              QStringLiteral("CODIGO"))),
              QStringLiteral("  13"));
    EXPECT_EQ(base->base().valor(QStringLiteral(
                  "SELECT Descripcion FROM V_TA_UnidadNegocio WHERE Codigo = '  13'")),
              QStringLiteral("Depósito norte de la ciudad con un nombre largu"));
    EXPECT_EQ(AltaRapida::Descripcion(largo).size(), 47); // 50 characters, three removed
    EXPECT_TRUE(guion->prompts.isEmpty());
    // An empty table starts at "   1".
    base->base().ejecutar(QStringLiteral("DELETE FROM TA_PAISES"));
    EXPECT_EQ(AltaRapida::Ejecutar(cn, pedido(QStringLiteral("Chile"), QStringLiteral("TA_PAISES"),
                                              QStringLiteral("CODIGO"))),
              QStringLiteral("   1"));
    EXPECT_EQ(AltaRapida::SiguienteCodigo(QStringLiteral("  12"), true, 25),
              QString(23, u' ') + QStringLiteral("13"));
    EXPECT_EQ(AltaRapida::ReglaDe(QStringLiteral("v_ma_mantenimientos")).largoCodigo, 25);
    EXPECT_FALSE(AltaRapida::ReglaDe(QStringLiteral("MA_CUENTAS")).disponible);
    EXPECT_TRUE(AltaRapida::ReglaDe(QStringLiteral("v_ta_cajas")).disponible);
}

TEST(AltaRapida, LasTablasConColumnasPropias) {
    AltaRapida::Pedido p;
    p.tabla = QStringLiteral("V_TA_Cpra_Vta");
    p.campoDescripcion = QStringLiteral("DESCRIPCION");
    p.campoCodigo = QStringLiteral("IDCOND_CPRA_VTA");
    p.hoy = QDate(2024, 3, 5);
    EXPECT_EQ(AltaRapida::SentenciaInsertar(p, QStringLiteral("   4"), QStringLiteral("30 dias")),
              QStringLiteral("INSERT INTO V_TA_Cpra_Vta(IDCOND_CPRA_VTA,DESCRIPCION,CantidadDias,"
                             "HabilitadoPara,DtoMaximo,FechaHora_Grabacion) VALUES ('   4','30 "
                             "dias',1,'VC',100,'05/03/2024')"));
    p.tabla = QStringLiteral("V_MA_MANTENIMIENTOS");
    p.campoCodigo = QStringLiteral("CODIGO");
    p.cuenta = QStringLiteral(" 5.2'01 ");
    EXPECT_EQ(AltaRapida::SentenciaInsertar(p, QStringLiteral("1"), QStringLiteral("Filtro")),
              QStringLiteral("INSERT INTO V_MA_MANTENIMIENTOS(CODIGO,DESCRIPCION, CUENTA) VALUES "
                             "('1','Filtro','5.2''01')"));
}

TEST_F(AltaRapidaPrueba, UnaDescripcionQueYaExisteNoSeAgrega) {
    abrir();
    base->base().ejecutar(
        QStringLiteral("INSERT INTO V_TA_UnidadNegocio VALUES ('   7', 'Local O''Brien')"));
    EXPECT_EQ(AltaRapida::Ejecutar(cn, pedido(QStringLiteral(" local o'brien "),
                                              QStringLiteral("V_TA_UnidadNegocio"),
                                              QStringLiteral("CODIGO"))),
              QString());
    EXPECT_EQ(guion->mensajes(), QStringList{QStringLiteral(
                                     "El detalle ingresado ya existe, seleccionelo de la lista")});
    EXPECT_EQ(filas(QStringLiteral("SELECT * FROM V_TA_UnidadNegocio")), 5);
}

TEST_F(AltaRapidaPrueba, UnMotivoNuevoLlevaSusOchoFilasDeCuentas) {
    abrir();
    EXPECT_EQ(AltaRapida::Ejecutar(cn, pedido(QStringLiteral("Venta en consignación"),
                                              QStringLiteral("V_TA_MotivoVta"),
                                              QStringLiteral("IDMotivoVta"))),
              QStringLiteral("   2"));
    EXPECT_EQ(filas(QStringLiteral("SELECT * FROM V_TA_Input_Ventas WHERE IdMotivoVta = '   2'")),
              8);
    // Every row copies the first template row (ordered by motive).
    EXPECT_EQ(filas(QStringLiteral("SELECT * FROM V_TA_Input_Ventas WHERE IdMotivoVta = '   2' "
                                   "AND V_DFI_CTAVTA = '4.1.01.001' AND DFI_IVARI = '2.1.03.001' "
                                   "AND Repuestos = ''")),
              8);
    EXPECT_EQ(filas(QStringLiteral("SELECT * FROM V_TA_Input_Ventas WHERE IdMotivoVta = '   2' "
                                   "AND CondIva IN ('   1','   8')")),
              2);
}

TEST_F(AltaRapidaPrueba, UnaFilaDeMotivoQueFallaNoDejaNadaEscrito) {
    // The fifth condition of the new motive is already taken: its insert fails.
    base->base().ejecutar(QStringLiteral(
        "INSERT INTO V_TA_Input_Ventas (IdMotivoVta, CondIva) VALUES ('   2', '   5')"));
    abrir();
    EXPECT_EQ(AltaRapida::Ejecutar(cn, pedido(QStringLiteral("Venta en consignación"),
                                              QStringLiteral("V_TA_MotivoVta"),
                                              QStringLiteral("IDMotivoVta"))),
              QString());
    ASSERT_EQ(guion->mensajes().size(), 1);
    EXPECT_TRUE(guion->mensajes()[0].startsWith(
        QStringLiteral("ERROR EN EL ALTA DIRECTA, UTILICE LA OPCION DEL MENÚ "
                       "CORRESPONDIENTE.\r\nV_TA_MotivoVta\r\n"
                       "INSERT INTO [dbo].[V_TA_Input_Ventas] (IdMotivoVta, CondIva, Repuestos")));
    EXPECT_EQ(filas(QStringLiteral("SELECT * FROM V_TA_MotivoVta")), 1);
    EXPECT_EQ(filas(QStringLiteral("SELECT * FROM V_TA_Input_Ventas")), 3);
    // The connection is usable again afterwards.
    base->base().ejecutar(
        QStringLiteral("DELETE FROM V_TA_Input_Ventas WHERE IdMotivoVta = '   2'"));
    EXPECT_EQ(AltaRapida::Ejecutar(cn, pedido(QStringLiteral("Venta en consignación"),
                                              QStringLiteral("V_TA_MotivoVta"),
                                              QStringLiteral("IDMotivoVta"))),
              QStringLiteral("   2"));
    EXPECT_EQ(filas(QStringLiteral("SELECT * FROM V_TA_Input_Ventas")), 10);
}

TEST_F(AltaRapidaPrueba, UnaSentenciaQueFallaSeInformaConSuTexto) {
    abrir();
    EXPECT_EQ(
        AltaRapida::Ejecutar(cn, pedido(QStringLiteral("Alguna cosa"),
                                        QStringLiteral("TA_NOEXISTE"), QStringLiteral("CODIGO"))),
        QString());
    ASSERT_EQ(guion->mensajes().size(), 1);
    EXPECT_EQ(guion->mensajes()[0],
              QStringLiteral("ERROR EN EL ALTA DIRECTA, UTILICE LA OPCION DEL MENÚ "
                             "CORRESPONDIENTE.\r\nTA_NOEXISTE\r\nSELECT DESCRIPCION FROM "
                             "TA_NOEXISTE where ltrim(rtrim(DESCRIPCION)) = 'Alguna cosa' "));
}
