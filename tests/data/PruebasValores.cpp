#include "DB_Dll.h"
#include "ImprimirQt.h"
#include <gtest/gtest.h>

TEST(ValoresSql, ClasificadoresYComillas) {
    EXPECT_EQ(DB_Dll::ADOComilla(135), QStringLiteral("'"));
    EXPECT_EQ(DB_Dll::ADOComilla(202), QStringLiteral("'"));
    EXPECT_EQ(DB_Dll::ADOComilla(3), QString());
    EXPECT_EQ(DB_Dll::ADOComilla(QStringLiteral("7")), QStringLiteral("'"));
    EXPECT_TRUE(DB_Dll::ADONumeric(131));
    EXPECT_FALSE(DB_Dll::ADONumeric(6));
    EXPECT_TRUE(DB_Dll::ADOCurrency(6));
    EXPECT_TRUE(DB_Dll::ADOBoolean(11));
    EXPECT_FALSE(DB_Dll::adodate(QStringLiteral("fecha")));
}

TEST(ValoresSql, SQLValuePorTipo) {
    EXPECT_EQ(DB_Dll::SQLValue(QVariant()), QStringLiteral("NULL"));
    // The quoted form doubles apostrophes: a value cannot end its literal.
    EXPECT_EQ(DB_Dll::SQLValue(QStringLiteral("D'Angelo")), QStringLiteral("'D''Angelo'"));
    EXPECT_EQ(DB_Dll::SQLValue(QStringLiteral("x' OR '1'='1")),
              QStringLiteral("'x'' OR ''1''=''1'"));
    EXPECT_EQ(DB_Dll::SQLValue2(QStringLiteral("''")), QStringLiteral("''''''"));
    EXPECT_EQ(DB_Dll::SQLValue(QVariant(), QStringLiteral("@")), QStringLiteral("0"));
    EXPECT_EQ(DB_Dll::SQLValue(QStringLiteral("1234,5"), QStringLiteral("@")),
              QStringLiteral("1234.5"));
    EXPECT_EQ(DB_Dll::SQLValue(QStringLiteral("12,34567"), QStringLiteral("@")),
              QStringLiteral("12.3457"));
    EXPECT_EQ(DB_Dll::SQLValue(QStringLiteral("-0,00001"), QStringLiteral("@")),
              QStringLiteral("0"));
    EXPECT_EQ(DB_Dll::SQLValue(42, QString()), QStringLiteral("42"));
    EXPECT_EQ(DB_Dll::SQLValue2(QVariant(), QString()), QStringLiteral("NULL"));
}

TEST(ValoresSql, AyudantesDeNombres) {
    QString dosPartes = QStringLiteral("dbo.MA_CUENTAS");
    EXPECT_EQ(DB_Dll::stSTF(dosPartes, 0), QStringLiteral("dbo"));
    EXPECT_EQ(DB_Dll::stSTF(dosPartes, 1), QStringLiteral("MA_CUENTAS"));
    QString tresPartes = QStringLiteral("base.dbo.T");
    EXPECT_EQ(DB_Dll::stSTF(tresPartes, 1), QStringLiteral("dbo.T"));
    EXPECT_EQ(tresPartes, QStringLiteral("dbo.T"));
    EXPECT_EQ(DB_Dll::AddBrackets(QStringLiteral("NUMERO ASIENTO")),
              QStringLiteral("[NUMERO ASIENTO]"));
    EXPECT_EQ(DB_Dll::AddBrackets(QStringLiteral("[YA TIENE]")), QStringLiteral("[YA TIENE]"));
    EXPECT_EQ(DB_Dll::AddBrackets(QStringLiteral("SIN")), QStringLiteral("SIN"));
    EXPECT_EQ(DB_Dll::StripBrackets(QStringLiteral("[X Y]")), QStringLiteral("X Y"));
    EXPECT_EQ(DB_Dll::StripConnect(QStringLiteral("TABLA ->origen")), QStringLiteral("TABLA"));
    EXPECT_EQ(DB_Dll::StripConnect(QStringLiteral("TABLA")), QStringLiteral("TABLA"));
    EXPECT_EQ(DB_Dll::StripFileName(QStringLiteral("C:\\datos\\base.mdb")),
              QStringLiteral("C:\\datos"));
    EXPECT_EQ(DB_Dll::StripFileName(QStringLiteral("base.mdb")), QString());
}
