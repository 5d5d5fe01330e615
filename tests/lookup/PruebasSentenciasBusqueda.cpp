// The search statement of every keystroke, the row of the result list and
// the code formats.
#include "ImprimirQt.h"
#include "SentenciasBusqueda.h"
#include <gtest/gtest.h>

using SentenciasBusqueda::Busqueda;
using SentenciasBusqueda::FmtLeerCodigo;
using SentenciasBusqueda::Sentencia;

TEST(SentenciasBusqueda, DosPalabrasBuscanConComodinYLosApostrofesSeDuplican) {
    Busqueda b{QStringLiteral("caja cen"),
               QStringLiteral("MA_CUENTAS"),
               QStringLiteral("Descripcion"),
               QStringLiteral("Codigo"),
               QStringLiteral(" and Dada_De_Baja = 0 "),
               QString()};
    EXPECT_EQ(Sentencia(b),
              QStringLiteral("select top 100 Descripcion,Codigo from MA_CUENTAS where (Descripcion "
                             "like '%caja%cen%' or Codigo like '%caja%cen%' )   and Dada_De_Baja "
                             "= 0  order by Descripcion"));
    b.buscar = QStringLiteral("o'hig");
    EXPECT_TRUE(Sentencia(b).contains(QStringLiteral("like '%o''hig%' or Codigo like '%o''hig%'")));
    b.tabla = QStringLiteral("ma_modelos");
    b.buscar = QStringLiteral("fiat 1");
    EXPECT_EQ(Sentencia(b), QStringLiteral("select top 100 NOMBRE from MA_MODELOS where NOMBRE "
                                           "like '%fiat%1%'  GROUP BY NOMBRE "));
    // A price list lists the articles priced in it, its code padded to four.
    b.idLista = QStringLiteral("7");
    b.filtroExtra = QStringLiteral("and SUSPENDIDO = 0");
    b.buscar = QStringLiteral("tuerca");
    EXPECT_EQ(Sentencia(b),
              QStringLiteral("select top 100 DESCRIPCION, v_ma_articulos.IDarticulo from "
                             "v_ma_articulos inner join v_ma_precios on v_ma_articulos.idarticulo "
                             "= v_ma_precios.idarticulo and idlista = '   7'   where "
                             "(v_ma_articulos.idarticulo like '%tuerca%' or Descripcion like "
                             "'%tuerca%')  and SUSPENDIDO = 0 order by DESCRIPCION "));
}

TEST(SentenciasBusqueda, FilaYFormatosDeCodigo) {
    const FilaBusqueda f{QStringLiteral("Caja casa central "),
                         QStringLiteral(" AR-CODIGO-LARGO-0020")};
    EXPECT_EQ(f.Texto(), QStringLiteral("Caja casa central ") + QString(50, u' ') +
                             QStringLiteral(" AR-CODIGO-LARGO-0020"));
    EXPECT_EQ(f.Codigo(), QStringLiteral("AR-CODIGO-LARGO-0020"));
    EXPECT_EQ(f.Descripcion(), QStringLiteral("Caja casa central"));
    EXPECT_EQ(FmtLeerCodigo(QStringLiteral("7"), 4), QStringLiteral("   7"));
    EXPECT_EQ(FmtLeerCodigo(QStringLiteral("A7"), 4), QStringLiteral("A7"));
    EXPECT_EQ(FmtLeerCodigo(QStringLiteral(" 12345 "), 4), QStringLiteral("1234"));
    EXPECT_EQ(FmtLeerCodigo(QStringLiteral(" 7"), 0), QStringLiteral(" 7"));
    EXPECT_EQ(SentenciasBusqueda::ValorParametroCampo(QStringLiteral("Theme")).size(), 50);
}
