// The colour style from the settings file per user, workstation and
// database, the command-line parameters and the colour helper.
#include "ColoresBarra.h"
#include "EntornoBarra.h"
#include "ModUtilVexBar.h"
#include <gtest/gtest.h>

using namespace ModUtilVexBar;

namespace {

TEST(EstilosBarra, AjustarColorLimitaCadaCanal) {
    EXPECT_EQ(AjustarColor(RGB(122, 122, 122), -20), RGB(102, 102, 102));
    EXPECT_EQ(AjustarColor(RGB(250, 10, 128), 28), RGB(255, 38, 156));
    EXPECT_EQ(AjustarColor(RGB(250, 10, 128), -45), RGB(205, 0, 83));
    EXPECT_EQ(NormalizarEstilo(9), 2);
    EXPECT_EQ(NormalizarEstilo(0), 2);
    EXPECT_EQ(ColoresEstilo(9).NormalBackColor, RGB(42, 42, 42));
}

TEST(EstilosBarra, MapearEstilo) {
    const std::pair<int, int> casos[] = {{0, 1}, {1, 2}, {2, 3}, {3, 4}, {4, 5}, {7, 2}, {-1, 2}};
    for (const auto& [n, estilo] : casos)
        EXPECT_EQ(MapearEstilo(n), estilo) << n;
}

TEST(EstilosBarra, ParametroLineaYBaseContexto) {
    EntornoBarra entorno;
    struct Caso {
        const char* linea;
        const char* base;
    } casos[] = {
        {"@server=SRV;@dbname=EMPRESA1;@user=x", "EMPRESA1"},
        {"@DBNAME = \"EMPRESA1\" ; otro", "EMPRESA1"},
        {"@dbname EMPRESA1", "DEFAULT"}, // without "=" there is no value
        {"", "DEFAULT"},
    };
    for (const Caso& c : casos) {
        Programa::EstablecerLineaComando(c.linea);
        EXPECT_EQ(BaseContexto(), c.base) << c.linea;
    }
    Programa::EstablecerLineaComando("");
    qputenv("GDBNAME", " BASE2 ");
    EXPECT_EQ(BaseContexto(), "BASE2");
    qputenv("QMR_DBNAME", "BASE1");
    EXPECT_EQ(BaseContexto(), "BASE1");
    EXPECT_EQ(UsuarioContexto(), "operador1");
    qunsetenv("USERNAME");
    EXPECT_EQ(UsuarioContexto(), "DEFAULT");
}

TEST(EstilosBarra, RutasYBarraFinal) {
    EntornoBarra entorno;
    EXPECT_EQ(AgregarBarraFinal(""), "");
    EXPECT_EQ(AgregarBarraFinal("c:\\x\\"), "c:\\x\\");
    EXPECT_EQ(AgregarBarraFinal("/x"), "/x/");
    EXPECT_EQ(RutaIni("cn000pr.ini"), entorno.carpeta.ruta() + "cn000pr.ini");
    EXPECT_EQ(RutaIni("/otra/cn000pr.ini"), "/otra/cn000pr.ini");
    EXPECT_EQ(RutaIni(" "), "");
}

TEST(EstilosBarra, EstiloElegidoDelArchivo) {
    struct Caso {
        const char* nombre;
        const char* ini;
        const char* usuario;
        const char* base;
        int estilo;
    } casos[] = {
        {"sin valores: estilo 5", "", "", "", 5},
        {"seccion del usuario con 0", "[OPERADOR1Styles]\nStyles=0\n", "", "", 1},
        {"7 se acepta y da 2", "[OPERADOR1Styles]\nStyles=7\n", "", "", 2},
        {"por base de datos", "[OPERADOR1_EMPRESA1Styles]\nStyles=3\n", "", "EMPRESA1", 4},
        {"el usuario gana a la base",
         "[OPERADOR1_EMPRESA1Styles]\nStyles=3\n"
         "[OPERADOR1Styles]\nStyles=2\n",
         "", "EMPRESA1", 3},
        {"puesto y usuario", "[PC7|OPERADOR1Styles]\nStyles=0\n", "", "", 1},
        {"solo base", "[EMPRESA1_EMPRESA1Styles]\nStyles=2\n", "otro", "empresa1", 3},
        {"ultimo recurso: primera seccion Styles",
         "[Brevanta]\nX=1\n[ALGUNOSTYLES]\nStyles=0\n[OTROStyles]\nStyles=3\n", "", "", 1},
        {"valor no valido al elegir se salta",
         "[OPERADOR1Styles]\nStyles=abc\n[OPERADOR1_DEFAULTStyles]\nStyles=2\n", "", "", 3},
        {"fuera de rango: el ultimo recurso lo toma y da 2",
         "[OPERADOR1Styles]\nStyles=100\n[UtilVexBar_DEFAULT]\n"
         "Estilo=0\n",
         "", "", 2},
        {"clave Estilo por base", "[UtilVexBar_EMPRESA1]\nEstilo=2\n", "", "EMPRESA1", 3},
    };
    for (const Caso& c : casos) {
        EntornoBarra entorno;
        qputenv("COMPUTERNAME", "pc7");
        entorno.Ini(c.ini);
        EXPECT_EQ(LeerEstiloBarra(c.usuario, c.base), c.estilo) << c.nombre;
    }
}

TEST(EstilosBarra, LecturaDelNumeroDeEstilo) {
    EntornoBarra entorno;
    entorno.Ini("[A]\nStyles= 4 \n[B]\nStyles=-1\n[C]\nStyles=\n[D]\nStyles=99\n");
    EXPECT_EQ(LeerNumeroEstilo("cn000pr.ini", "a"), 4);
    EXPECT_EQ(LeerNumeroEstilo("cn000pr.ini", "B"), -1);
    EXPECT_EQ(LeerNumeroEstilo("cn000pr.ini", "C"), -1);
    EXPECT_EQ(LeerNumeroEstilo("cn000pr.ini", "D"), 99);
    EXPECT_EQ(LeerNumeroEstilo("cn000pr.ini", ""), -1);
    EXPECT_EQ(PrimeraSeccionEstilos("no_existe.ini"), "");
}

TEST(EstilosBarra, FuenteDelArchivo) {
    EntornoBarra entorno;
    EXPECT_EQ(FuenteIni(), "Segoe UI");
    entorno.Ini("[OPERADOR1_DEFAULTFont]\nFont= DejaVu Sans \n");
    EXPECT_EQ(FuenteIni(), "DejaVu Sans");
    entorno.Ini("[OPERADOR1_DEFAULTFont]\nFont=\n");
    EXPECT_EQ(FuenteIni(), "Segoe UI");
}

} // namespace
