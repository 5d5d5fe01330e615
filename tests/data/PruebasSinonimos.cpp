#include "ImprimirQt.h"
#include "Sinonimos.h"
#include <gtest/gtest.h>

using Sinonimos::Aplicar;

TEST(Sinonimos, ReescrituraParaQuienNoEsAdministrador) {
    const struct {
        const char* entrada;
        bool admin;
        bool confidencial;
        const char* salida;
    } casos[] = {
        {"SELECT * FROM @Admin_MA_CUENTAS WHERE X", true, true, "SELECT * FROM MA_CUENTAS WHERE X"},
        {"SELECT * FROM MA_CUENTAS WHERE A=(SELECT 1 FROM V_TA_CAJAS )", false, false,
         "SELECT * FROM SS_MA_CUENTAS WHERE A=(SELECT 1 FROM SS_V_TA_CAJAS )"},
        // Confidentiality off: statements about journal lines are not rewritten at all.
        {"SELECT * FROM MV_ASIENTOS INNER JOIN MA_CUENTAS ON MV_ASIENTOS.CUENTA = "
         "MA_CUENTAS.CODIGO ",
         false, false,
         "SELECT * FROM MV_ASIENTOS INNER JOIN MA_CUENTAS ON MV_ASIENTOS.CUENTA = "
         "MA_CUENTAS.CODIGO "},
        {"SELECT * FROM MV_ASIENTOS INNER JOIN MA_CUENTAS ON MV_ASIENTOS.CUENTA = "
         "MA_CUENTAS.CODIGO ",
         false, true,
         "SELECT * FROM SS_MV_ASIENTOS INNER JOIN SS_MA_CUENTAS ON SS_MV_ASIENTOS.CUENTA = "
         "SS_MA_CUENTAS.CODIGO "},
        // A name at the very end has no context after it.
        {"SELECT * FROM MA_CUENTAS", false, false, "SELECT * FROM MA_CUENTAS"},
        {"SELECT {MA_CUENTAS.X},(MA_CUENTAS.Y) FROM T", false, false,
         "SELECT {SS_MA_CUENTAS.X},(SS_MA_CUENTAS.Y) FROM T"},
        // The braces context is the account table's only.
        {"SELECT {V_TA_CAJAS.X} FROM T", false, false, "SELECT {V_TA_CAJAS.X} FROM T"},
        {"SELECT * FROM AC_CUENTASDIARIO_CCOSTO , AC_CUENTASDIARIO ", false, false,
         "SELECT * FROM SS_AC_CUENTAS_DIARIO_CCOSTO , SS_AC_CUENTASDIARIO "},
        // The marker anywhere keeps the account table real everywhere.
        {"SELECT * FROM @Admin_MA_CUENTAS  JOIN MA_CUENTAS ON 1=1 JOIN V_TA_DEPOSITO ON 1=1", false,
         false, "SELECT * FROM MA_CUENTAS  JOIN MA_CUENTAS ON 1=1 JOIN SS_V_TA_DEPOSITO ON 1=1"},
        {"select * from ma_cuentas where 1=1", false, false,
         "select * from SS_MA_CUENTAS where 1=1"},
    };
    for (const auto& c : casos)
        EXPECT_EQ(Aplicar(QString::fromUtf8(c.entrada), c.admin, c.confidencial),
                  QString::fromUtf8(c.salida))
            << c.entrada;
}
