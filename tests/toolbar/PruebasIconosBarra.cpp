// Icon files: the folder they come from, their names, the file for each item
// state and how a picture is fitted into its box.
#include "CarpetaTemporal.h"
#include "IconosBarra.h"
#include <QDir>
#include <gtest/gtest.h>

namespace {

TEST(IconosBarra, RectanguloDelIcono) {
    struct Caso {
        const char* nombre;
        QSize imagen, objetivo, caja;
        QRect esperado;
    } casos[] = {
        {"100 reducido a 42 en 56x48", {100, 100}, {42, 42}, {56, 48}, {7, 3, 42, 42}},
        {"16 nunca se agranda", {16, 16}, {42, 42}, {56, 48}, {20, 16, 16, 16}},
        {"apaisado limita el ancho", {84, 42}, {42, 42}, {56, 48}, {7, 13, 42, 21}},
        {"alto limita el alto", {20, 80}, {42, 42}, {56, 48}, {22, 3, 11, 42}},
        {"objetivo 0 toma la caja", {100, 100}, {0, 0}, {56, 48}, {4, 0, 48, 48}},
        {"caja mas baja que el objetivo", {48, 48}, {42, 42}, {56, 34}, {11, 0, 34, 34}},
        {"imagen vacia", {0, 10}, {42, 42}, {56, 48}, {}},
    };
    for (const Caso& c : casos)
        EXPECT_EQ(RectanguloIcono(c.imagen, c.objetivo, c.caja), c.esperado) << c.nombre;
}

TEST(IconosBarra, ArchivoSegunEstado) {
    ItemBarra it;
    it.IconFile = "N.png";
    it.IconFileOver = "N_over.png";
    struct Caso {
        bool conDis, usable, enFoco;
        const char* esperado;
    } casos[] = {
        {false, true, false, "N.png"},    {false, true, true, "N_over.png"},
        {false, false, true, "N.png"},    {true, false, false, "N_dis.png"},
        {true, true, true, "N_over.png"}, {true, true, false, "N.png"},
    };
    for (const Caso& c : casos) {
        it.IconFileDis = c.conDis ? "N_dis.png" : "";
        EXPECT_EQ(ArchivoIconoActual(it, c.usable, c.enFoco), c.esperado)
            << c.conDis << c.usable << c.enFoco;
    }
}

TEST(IconosBarra, NombresDeArchivoEnMayusculasConSufijoEnMinusculas) {
    CarpetaTemporal t;
    t.escribir("NUEVO.png", "x");
    t.escribir("NUEVO_over.png", "x");
    t.escribir("nuevo_dis.png", "x"); // wrong case: not found
    const ArchivosIcono a = BuscarArchivosIcono(t.ruta(), " nuevo ");
    EXPECT_EQ(a.normal, t.ruta("NUEVO.png"));
    EXPECT_EQ(a.over, t.ruta("NUEVO_over.png"));
    EXPECT_EQ(a.dis, "");
}

TEST(IconosBarra, OrdenDeLasCarpetasDeIconos) {
    CarpetaTemporal ejecutable;
    CarpetaTemporal aplicacion;
    const QString exe = ejecutable.ruta();
    const QString app = aplicacion.ruta();
    const QString inexistente = exe + "no_existe";

    // Without icon sub-folders the executable's own folder is used.
    EXPECT_EQ(ResolverCarpetaImagenes(inexistente, exe, app), exe);
    QDir(exe).mkpath("images/img_menu");
    EXPECT_EQ(ResolverCarpetaImagenes(inexistente, exe, app), exe + "images/img_menu/");
    QDir(exe).mkpath("imagenes/img_menu");
    EXPECT_EQ(ResolverCarpetaImagenes(inexistente, exe, app), exe + "imagenes/img_menu/");
    QDir(exe).mkpath("img_menu");
    EXPECT_EQ(ResolverCarpetaImagenes(inexistente, exe, app), exe + "img_menu/");
    // A folder that exists wins, with or without its separator.
    EXPECT_EQ(ResolverCarpetaImagenes(app.chopped(1), exe, app), app);
    // Without an executable folder the application folder is searched.
    EXPECT_EQ(ResolverCarpetaImagenes("", "", app), app);
    QDir(app).mkpath("images/img_menu");
    EXPECT_EQ(ResolverCarpetaImagenes("", "", app), app + "images/img_menu/");
    EXPECT_EQ(ResolverCarpetaImagenes("", "", inexistente), inexistente + "/img_menu/");
}

} // namespace
