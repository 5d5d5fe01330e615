// The statements the lookup helpers send, character for character, run on a
// real fixture database.
#include "BaseDePrueba.h"
#include "Contadores.h"
#include "DB_Dll.h"
#include "EsquemasMinimos.h"
#include <gtest/gtest.h>

namespace {
class Plantillas : public ::testing::Test {
protected:
    void SetUp() override {
        guion = ReiniciarProceso();
        base = std::make_unique<BaseDePrueba>(
            QStringLiteral("PRUEBA"),
            kTablaCuentas +
                QStringLiteral(
                    "INSERT INTO MA_CUENTAS VALUES ('1.1.01','11101','Caja',0,'2024-01-31');"
                    "INSERT INTO MA_CUENTAS VALUES ('D''ANGELO','','Cliente D''Angelo',0,NULL);"
                    "INSERT INTO MA_CUENTAS VALUES ('2','','Dos',1,NULL)"));
        base->conectar(gDB());
        gDB().gEsAdmin = true;
        contadores().registrar = true;
        contadores().registro.clear();
    }
    QString ultima() const {
        return contadores().registro.isEmpty() ? QString() : contadores().registro.last();
    }

    std::shared_ptr<DialogosGuion> guion;
    std::unique_ptr<BaseDePrueba> base;
};
} // namespace

TEST_F(Plantillas, ExisteEnTablaPorTipo) {
    EXPECT_TRUE(gDB().ExisteEnTabla(QStringLiteral("MA_CUENTAS"), QStringLiteral(" 1.1.01 ")));
    EXPECT_EQ(
        ultima(),
        QStringLiteral(
            "SELECT TOP 1  * FROM MA_CUENTAS with(nolock)  WHERE LTRIM(RTRIM(Codigo)) ='1.1.01'"));
    EXPECT_TRUE(gDB().ExisteEnTabla(QStringLiteral("MA_CUENTAS"), QStringLiteral("1abc"),
                                    QStringLiteral("Titulo"), nullptr, 3));
    EXPECT_EQ(ultima(),
              QStringLiteral("SELECT TOP 1 * FROM MA_CUENTAS with(nolock)  WHERE Titulo = 1"));
    EXPECT_TRUE(gDB().ExisteEnTabla(QStringLiteral("MA_CUENTAS"), QString(),
                                    QStringLiteral("Titulo"), nullptr, 5));
    EXPECT_EQ(ultima(),
              QStringLiteral("SELECT TOP 1 * FROM MA_CUENTAS with(nolock)  WHERE Titulo = 0"));
    EXPECT_TRUE(gDB().ExisteEnTabla(QStringLiteral("MA_CUENTAS"), QStringLiteral("'2024-01-31'"),
                                    QStringLiteral("FechaAlta"), nullptr, 7));
    EXPECT_EQ(ultima(),
              QStringLiteral(
                  "SELECT TOP 1 * FROM MA_CUENTAS with(nolock)  WHERE FechaAlta = '2024-01-31' "));
    // A condition that starts with WHERE without a blank before it gets the keyword again.
    gDB().ExisteEnTabla(QStringLiteral("MA_CUENTAS"), QString(), QString(), nullptr, 8,
                        QStringLiteral("WHERE Titulo = 1"));
    EXPECT_EQ(ultima(), QStringLiteral(
                            "SELECT TOP 1 * FROM MA_CUENTAS with(nolock)  WHERE WHERE Titulo = 1"));
    EXPECT_EQ(guion->mensajes().size(), 1); // the statement fails and is reported once
    guion->prompts.clear();
    // A condition holding " WHERE " with its blanks is used unchanged.
    EXPECT_TRUE(gDB().ExisteEnTabla(QStringLiteral("MA_CUENTAS"), QString(), QString(), nullptr, 8,
                                    QStringLiteral(" WHERE Titulo = 1")));
    EXPECT_EQ(ultima(),
              QStringLiteral("SELECT TOP 1 * FROM MA_CUENTAS with(nolock)   WHERE Titulo = 1"));
    EXPECT_TRUE(gDB().ExisteEnTabla(QStringLiteral("MA_CUENTAS"), QString(), QString(), nullptr, 8,
                                    QStringLiteral("Titulo = 1")));
    EXPECT_EQ(ultima(),
              QStringLiteral("SELECT TOP 1 * FROM MA_CUENTAS with(nolock)  WHERE Titulo = 1"));
}

TEST_F(Plantillas, ExisteEnTablaSTNoTraduceNiRecorta) {
    EXPECT_TRUE(gDB().ExisteEnTablaST(QStringLiteral("MA_CUENTAS"), QStringLiteral("1.1.01")));
    EXPECT_EQ(ultima(),
              QStringLiteral("SELECT * FROM MA_CUENTAS with(nolock)   WHERE Codigo ='1.1.01'"));
    EXPECT_FALSE(gDB().ExisteEnTablaST(QStringLiteral("MA_CUENTAS"), QStringLiteral(" 1.1.01")));
    gDB().ExisteEnTablaST(QStringLiteral("MA_CUENTAS"), QString(), QString(), nullptr, 8,
                          QStringLiteral("Titulo = 1"));
    EXPECT_EQ(ultima(), QStringLiteral("SELECT * FROM MA_CUENTAS with(nolock)   WHERE Titulo = 1"));
}

TEST_F(Plantillas, DatosTablaPorTipoYApostrofosDuplicados) {
    EXPECT_EQ(gDB().DatosTabla(QStringLiteral("MA_CUENTAS"), QStringLiteral("1.1.01"),
                               QStringLiteral("Descripcion")),
              QStringLiteral("Caja"));
    EXPECT_EQ(
        ultima(),
        QStringLiteral(
            "SELECT TOP 1 * FROM MA_CUENTAS with(nolock)  WHERE LTRIM(RTRIM(Codigo)) ='1.1.01' "));
    // "'" as the type behaves as text; the condition is joined with AND.
    EXPECT_EQ(gDB().DatosTabla(QStringLiteral("MA_CUENTAS"), QStringLiteral("1.1.01"),
                               QStringLiteral("descripcion"), QStringLiteral("Codigo"),
                               QStringLiteral("'"), QStringLiteral("Titulo = 0"), false),
              QStringLiteral("Caja"));
    EXPECT_EQ(
        ultima(),
        QStringLiteral(
            "SELECT TOP 1 * FROM MA_CUENTAS with(nolock)  WHERE Codigo ='1.1.01'  AND Titulo = 0"));
    EXPECT_EQ(gDB().DatosTabla(QStringLiteral("MA_CUENTAS"), QStringLiteral("31/01/2024"),
                               QStringLiteral("Codigo"), QStringLiteral("FechaAlta"), 7),
              QStringLiteral("1.1.01"));
    EXPECT_EQ(ultima(),
              QStringLiteral(
                  "SELECT TOP 1 * FROM MA_CUENTAS with(nolock)  WHERE FechaAlta = #31/01/2024# "));
    // A value holding apostrophes is found and cannot end the literal.
    EXPECT_EQ(gDB().DatosTabla(QStringLiteral("MA_CUENTAS"), QStringLiteral("D'ANGELO"),
                               QStringLiteral("Descripcion")),
              QStringLiteral("Cliente D'Angelo"));
    EXPECT_TRUE(gDB().ExisteEnTabla(QStringLiteral("MA_CUENTAS"), QStringLiteral("d'angelo")));
    EXPECT_TRUE(gDB().ExisteEnTablaST(QStringLiteral("MA_CUENTAS"), QStringLiteral("D'ANGELO")));
    EXPECT_FALSE(gDB().ExisteEnTabla(QStringLiteral("MA_CUENTAS"), QStringLiteral("x' OR '1'='1")));
    EXPECT_TRUE(guion->mensajes().isEmpty());
}

TEST_F(Plantillas, ExtremosYUltimoCodigo) {
    EXPECT_EQ(gDB().BuscaMaximo(QStringLiteral("MA_CUENTAS"), QStringLiteral("Titulo")).toDouble(),
              1.0);
    EXPECT_EQ(ultima(), QStringLiteral("SELECT MAX(Titulo) AS MAYOR FROM MA_CUENTAS"));
    QString cond = QStringLiteral("Titulo = 0 ");
    EXPECT_EQ(gDB()
                  .BuscaMinimo(QStringLiteral("MA_CUENTAS"), QStringLiteral("Codigo"), 7, &cond)
                  .toString(),
              QStringLiteral("1.1.01"));
    EXPECT_EQ(ultima(),
              QStringLiteral(
                  "SELECT MIN(Codigo) AS MENOR FROM MA_CUENTAS  with(nolock)  WHERE Titulo = 0"));
    EXPECT_EQ(
        gDB().BuscaUltimoCodigo(QStringLiteral("MA_CUENTAS"), QStringLiteral("Titulo")).toDouble(),
        1.0);
    EXPECT_EQ(ultima(), QStringLiteral("SELECT MAX(Titulo) AS MAYOR FROM MA_CUENTAS"));
}

TEST_F(Plantillas, EsquemaTablasYColumnas) {
    EXPECT_TRUE(gDB().ExisteTablaDB(QStringLiteral(" ma_cuentas ")));
    EXPECT_FALSE(gDB().ExisteTablaDB(QStringLiteral("NO_EXISTE")));
    EXPECT_TRUE(
        gDB().ExisteCampoDB(QStringLiteral("MA_CUENTAS"), QStringLiteral("codigoopcional")));
    EXPECT_FALSE(gDB().ExisteCampoDB(QStringLiteral("MA_CUENTAS"), QStringLiteral("Nada")));
    EXPECT_TRUE(gDB().VerCampoDB(QStringLiteral("MA_CUENTAS"), QStringLiteral("Nueva"), true,
                                 QStringLiteral("int"), true, 0));
    EXPECT_EQ(ultima(), QStringLiteral("ALTER TABLE dbo.MA_CUENTAS ADD Nueva int Null  CONSTRAINT "
                                       "DF_MA_CUENTAS_Nueva DEFAULT (0)"));
    EXPECT_TRUE(gDB().ExisteCampoDB(QStringLiteral("MA_CUENTAS"), QStringLiteral("Nueva")));
    gDB().gProveedor = QStringLiteral("OraOLEDB.Oracle.1");
    EXPECT_TRUE(gDB().ExisteCampoDB(QStringLiteral("MA_CUENTAS"), QStringLiteral("Nada")));
}

TEST_F(Plantillas, EjecutaConsultaConMarcaAdminYBorrados) {
    gDB().gEsAdmin = false;
    QString s = QStringLiteral("UPDATE @Admin_MA_CUENTAS SET Titulo = 0 WHERE Codigo = '2'");
    long n = 0;
    gDB().EjecutaConsultaSQL(s, &n);
    EXPECT_EQ(s, QStringLiteral("UPDATE MA_CUENTAS SET Titulo = 0 WHERE Codigo = '2'"));
    EXPECT_EQ(n, 1);
    s = QStringLiteral("DELETE FROM MA_CUENTAS WHERE Codigo = '2' ");
    gDB().EjecutaConsultaSQL(s, &n);
    EXPECT_EQ(s, QStringLiteral(
                     "DELETE FROM MA_CUENTAS WHERE Codigo = '2' ")); // never switched to synonyms
    EXPECT_EQ(n, 1);
    EXPECT_TRUE(gDB().gCnn->Errors.isEmpty());
}
