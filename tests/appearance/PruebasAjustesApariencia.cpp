// The settings of the look: which sections of "cn000pr.ini" count and how
// their values are read.
#include "AjustesApariencia.h"
#include "EntornoApariencia.h"
#include <gtest/gtest.h>

TEST(AjustesApariencia, SinArchivoValenLosDeFabrica) {
    EntornoApariencia e;
    const AjustesApariencia a = LeerAjustesApariencia();
    EXPECT_EQ(a.fuente, QStringLiteral("Segoe UI"));
    EXPECT_EQ(a.tamano, 9);
    EXPECT_EQ(a.skin, 4);
}

TEST(AjustesApariencia, SoloCuentanLasSeccionesDelUsuarioYLaBase) {
    EntornoApariencia e;
    // Another user, another database and the toolbar's own sections do not count.
    e.Ini("[OPERADOR2_EMPRESA1Styles]\nStyles=1\n"
          "[OPERADOR1_EMPRESA2Font]\nFont=Arial\n"
          "[OPERADOR1Styles]\nStyles=2\n"
          "[operador1_empresa1FontSize]\nFontSize=  11.5pt  \n"
          "[OPERADOR1_EMPRESA1Font]\nFont=  Tahoma  \n"
          "[OPERADOR1_EMPRESA1Styles]\nStyles= 3.9 \n");
    const AjustesApariencia a = LeerAjustesApariencia();
    EXPECT_EQ(a.fuente, QStringLiteral("Tahoma"));
    EXPECT_EQ(a.tamano, 11.5);
    EXPECT_EQ(a.skin, 3);
}

TEST(AjustesApariencia, ValoresQueNoSonNumeros) {
    EntornoApariencia e;
    struct Caso {
        QByteArray valor;
        int skin;
    };
    // The integer part of the leading number, 0 without one; a number beyond
    // any skin is "any other" skin.
    for (const Caso& c : {Caso{"abc", 0}, Caso{"-1.5", -2}, Caso{"7x", 7},
                          Caso{"99999999999999", std::numeric_limits<int>::min()}}) {
        e.Ajustes(c.valor, "", "grande");
        const AjustesApariencia a = LeerAjustesApariencia();
        EXPECT_EQ(a.skin, c.skin) << c.valor.constData();
        EXPECT_EQ(a.fuente, QString());
        EXPECT_EQ(a.tamano, 0);
    }
}
