// Reading back and writing the stored properties: the gap and icon-size
// rules, the aliases, the icon folder and the values written.
#include "EntornoBarra.h"
#include "ModeloBarra.h"
#include "PropiedadesBarra.h"
#include <gtest/gtest.h>

namespace {

BolsaPropiedades Bolsa(std::initializer_list<std::pair<const char*, QVariant>> valores) {
    BolsaPropiedades b;
    for (const auto& [n, v] : valores)
        b.Escribir(n, v);
    return b;
}

Restauradas Leer(const BolsaPropiedades& b) {
    return LeerPropiedades(b, PropiedadesBarra{}, 15, "/app/");
}

TEST(PropiedadesBarra, ReglaDelHuecoAlRestaurar) {
    struct Caso {
        const char* nombre;
        BolsaPropiedades bolsa;
        double gap;
    } casos[] = {
        {"nada guardado", Bolsa({}), 0},
        {"ItemGap 30 es el viejo valor por defecto", Bolsa({{"ItemGap", 30}}), 0},
        {"ItemGap 45 sin ButtonGap", Bolsa({{"ItemGap", 45}}), 45},
        {"ButtonGap gana", Bolsa({{"ItemGap", 45}, {"ButtonGap", 12}}), 12},
        {"ButtonGap bajo el limite", Bolsa({{"ButtonGap", -500}}), -300},
        {"SeparacionBotones antes que ItemGap", Bolsa({{"ItemGap", 45}, {"SeparacionBotones", 60}}),
         60},
    };
    for (const Caso& c : casos)
        EXPECT_EQ(Leer(c.bolsa).p.ButtonGap, c.gap) << c.nombre;
}

TEST(PropiedadesBarra, ReglaDelTamanoDeIconoAlRestaurar) {
    struct Caso {
        const char* nombre;
        BolsaPropiedades bolsa;
        int px;
        double twips;
    } casos[] = {
        {"nada guardado: 480 twips", Bolsa({}), 32, 480},
        {"IconSize 630 sin IconPx", Bolsa({{"IconSize", 630}}), 42, 630},
        {"IconPx gana a IconSize", Bolsa({{"IconSize", 630}, {"IconPx", 24}}), 24, 360},
        {"TamanoIcono gana a IconPx", Bolsa({{"IconPx", 24}, {"TamanoIcono", 20}}), 20, 300},
        {"menos de 1 da 42", Bolsa({{"IconPx", 0}}), 42, 630},
    };
    for (const Caso& c : casos) {
        const Restauradas r = Leer(c.bolsa);
        EXPECT_EQ(r.p.IconPx, c.px) << c.nombre;
        EXPECT_EQ(r.p.IconSize, c.twips) << c.nombre;
    }
}

TEST(PropiedadesBarra, AliasYValoresPorDefectoAlRestaurar) {
    Restauradas r = Leer(Bolsa({}));
    EXPECT_EQ(r.p.ItemHeight, 600);
    EXPECT_TRUE(r.p.ShowCaptions);
    EXPECT_TRUE(r.p.AutoOrientacion);
    EXPECT_EQ(r.p.TopOffset, 10);
    EXPECT_TRUE(r.ImpresoraCheckable);

    r = Leer(Bolsa({{"ShowCaptions", false},
                    {"ConTitulo", true},
                    {"ModoHorizontal", true},
                    {"TopBotones", 40},
                    {"groupbreaktag", " grabar "},
                    {"Estilo", 4}}));
    EXPECT_TRUE(r.p.ShowCaptions); // the last alias read wins
    EXPECT_TRUE(r.p.Horizontal);
    EXPECT_EQ(r.p.TopOffset, 40);
    EXPECT_EQ(r.p.GroupBreakAfterTag, "GRABAR");
    EXPECT_EQ(r.p.Estilo, PropiedadesBarra{}.Estilo); // never read back

    r = Leer(Bolsa({{"TopBotones", 40}, {"TopOffset", 70}}));
    EXPECT_EQ(r.p.TopOffset, 70);
}

TEST(PropiedadesBarra, CarpetaDeIconosAlRestaurar) {
    EntornoBarra entorno;
    const QString app = entorno.carpeta.ruta();
    EXPECT_EQ(LeerPropiedades({}, {}, 15, app).p.ImageFolder, app + "img_menu/");
    entorno.Ini("[Brevanta]\nPathSistema=/srv/brevanta\n");
    EXPECT_EQ(LeerPropiedades({}, {}, 15, app).p.ImageFolder, "/srv/brevanta/img_menu/");
}

TEST(PropiedadesBarra, GuardarOmiteLosValoresPorDefectoSalvoLosDeItems) {
    ModeloBarra m;
    m.LoadDefaultItems();
    m.SetItemEnabled("NUEVO", false);
    PropiedadesBarra p;
    p.NormalBackColor = RGB(52, 52, 52);
    p.ActiveBackColor = RGB(64, 64, 64);
    p.ActiveBarColor = RGB(255, 255, 255);
    p.Estilo = 2;
    p.IconPx = 32;
    p.IconSize = 480;
    p.ItemHeight = 520;
    p.ButtonGap = 25;
    BolsaPropiedades b;
    GuardarPropiedades(b, p, m);

    for (const char* n : {"Enabled", "ShowCaptions", "ItemHeight", "IconPx", "Estilo",
                          "NormalBackColor", "ImageFolder", "ImpresoraCheckable"})
        EXPECT_FALSE(b.Contiene(n)) << n;
    for (const char* n : {"ItemGap", "ButtonGap", "SeparacionBotones"})
        EXPECT_EQ(b.Leer(n, 0).toDouble(), 25) << n;
    EXPECT_EQ(b.Leer("NuevoEnabled", true).toBool(), false);
    EXPECT_EQ(b.Leer("cerrarvisible", false).toBool(), true);
    EXPECT_TRUE(b.Contiene("CausEnabled")); // always written, even without the item
    EXPECT_EQ(b.Leer("CausEnabled", true).toBool(), false);
}

TEST(PropiedadesBarra, EstadosDeItemsRestauradosSoloEnItemsExistentes) {
    const BolsaPropiedades b = Bolsa({{"NuevoEnabled", false}, {"PlanillaVisible", true}});
    ModeloBarra vacio;
    RestaurarEstadosItems(b, vacio);
    EXPECT_EQ(vacio.count(), 0);

    ModeloBarra m;
    m.LoadDefaultItems();
    RestaurarEstadosItems(b, m);
    EXPECT_FALSE(m.ItemEnabled("NUEVO"));
    EXPECT_TRUE(m.ItemVisible("PLANILLA"));
    EXPECT_TRUE(m.ItemEnabled("BORRAR"));
}

TEST(PropiedadesBarra, NombresYAlias) {
    struct Caso {
        const char* nombre;
        Propiedad propiedad;
        const char* clave;
    } casos[] = {
        {"MostrarTitulo", Propiedad::ShowCaptions, ""},
        {"contitulo", Propiedad::ShowCaptions, ""},
        {"ModoHorizontal", Propiedad::Horizontal, ""},
        {"SeparacionBotones", Propiedad::ButtonGap, ""},
        {"ItemGap", Propiedad::ButtonGap, ""},
        {"TopBotones", Propiedad::TopOffset, ""},
        {"GroupBreakTag", Propiedad::GroupBreakAfterTag, ""},
        {"TamanoIcono", Propiedad::IconPx, ""},
        {"Theme", Propiedad::Theme, ""},
        {"ConsultaEnabled", Propiedad::ItemEnabled, "CONSULTAR"},
        {"consultarVisible", Propiedad::ItemVisible, "CONSULTAR"},
        {"ProcesarIAEnabled", Propiedad::ItemEnabled, "PROCESARIA"},
        {"CajaVisible", Propiedad::ItemVisible, "CAJA"},
        {"CajeroVisible", Propiedad::ItemVisible, "CAJERO"},
        {"OtroEnabled", Propiedad::Ninguna, ""},
        {"Color", Propiedad::Ninguna, ""},
    };
    for (const Caso& c : casos) {
        const NombrePropiedad n = BuscarPropiedad(c.nombre);
        EXPECT_EQ(n.propiedad, c.propiedad) << c.nombre;
        EXPECT_EQ(n.clave, c.clave) << c.nombre;
    }
}

TEST(PropiedadesBarra, LimitesDeLosSetters) {
    EXPECT_EQ(LimitarItemHeight(300), 480);
    EXPECT_EQ(LimitarItemHeight(700), 700);
    EXPECT_EQ(LimitarButtonGap(-400), -300);
    EXPECT_EQ(LimitarGroupGap(-5), 0);
    EXPECT_EQ(LimitarIconPx(0), 42);
    EXPECT_EQ(LimitarIconPx(16), 16);
}

} // namespace
