// Reading back and writing the stored properties: the gap and icon-size
// rules, the aliases, the icon folder and the values written; the table of
// properties as a whole: its names, limits, and every value saved and restored.
#include "EntornoBarra.h"
#include "ImprimirVariante.h"
#include "ModeloBarra.h"
#include "PropiedadesBarra.h"
#include <QSet>
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <set>

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

// ---- The table as a whole ----

// The properties of a bar without a window.
struct BarraSinVentana {
    PropiedadesBarra p;
    ModeloBarra m;
    DestinoPropiedades d{p, m, 15, {}};

    QVariant Leer(Propiedad id) const { return FilaDe(id).acceso.leer(p, m); }
    void Fijar(Propiedad id, const QVariant& v) { FijarValor(FilaDe(id), d, v); }
};

TEST(TablaPropiedades, UnaFilaPorPropiedadYCadaNombreLlevaASuFila) {
    const std::vector<FilaPropiedad>& tabla = TablaPropiedades();
    const int primera = static_cast<int>(Propiedad::Enabled);
    const int ultima = static_cast<int>(Propiedad::CompartirChecked);
    EXPECT_EQ(tabla.size(), static_cast<size_t>(ultima - primera + 1));
    for (int i = primera; i <= ultima; ++i) {
        const auto id = static_cast<Propiedad>(i);
        EXPECT_EQ(std::count_if(tabla.begin(), tabla.end(),
                                [&](const FilaPropiedad& f) { return f.id == id; }),
                  1)
            << i;
        EXPECT_EQ(FilaDe(id).id, id) << i;
    }

    QStringList nombres;
    for (const FilaPropiedad& f : tabla) {
        ASSERT_FALSE(f.nombres.isEmpty());
        for (const QString& n : f.nombres) {
            nombres << n;
            for (const QString& escrito : {n, n.toUpper(), " " + n.toLower() + " "}) {
                const NombrePropiedad r = BuscarPropiedad(escrito);
                EXPECT_EQ(r.fila, &f) << escrito.toStdString();
                EXPECT_EQ(r.propiedad, f.id) << escrito.toStdString();
                EXPECT_EQ(r.clave, "") << escrito.toStdString();
            }
        }
    }
    // Every name the window definition knows, each for one property only.
    QStringList esperados = {"Enabled",
                             "ShowCaptions",
                             "MostrarTitulo",
                             "ConTitulo",
                             "Horizontal",
                             "ModoHorizontal",
                             "AutoOrientacion",
                             "ItemHeight",
                             "ButtonGap",
                             "SeparacionBotones",
                             "ItemGap",
                             "TopOffset",
                             "TopBotones",
                             "GroupGap",
                             "GroupBreakAfterTag",
                             "GroupBreakTag",
                             "IconSize",
                             "IconPx",
                             "TamanoIcono",
                             "Estilo",
                             "Theme",
                             "NormalBackColor",
                             "ActiveBackColor",
                             "ActiveBarColor",
                             "ImageFolder",
                             "ContextUserName",
                             "ContextDbName",
                             "DebugMode",
                             "EstiloVSCode",
                             "ImpresoraCheckable",
                             "ImpresoraChecked",
                             "CompartirCheckable",
                             "CompartirChecked"};
    nombres.sort(Qt::CaseInsensitive);
    esperados.sort(Qt::CaseInsensitive);
    EXPECT_EQ(nombres, esperados);
}

// A value of the row's type that differs from its saved default, so that it is written.
QVariant Distinto(const FilaPropiedad& f) {
    const QVariant d = f.guardadoPorDefecto;
    switch (f.tipo) {
    case TipoPropiedad::Bandera:
        return !d.toBool();
    case TipoPropiedad::Twips:
        return d.toDouble() + 135;
    case TipoPropiedad::Pixeles:
        return d.toInt() + 7;
    case TipoPropiedad::Estilo:
        return d.toInt() % 5 + 1;
    case TipoPropiedad::Texto:
        return QStringLiteral("VALOR");
    case TipoPropiedad::Color:
        return RGB(1, 2, 3);
    }
    return {};
}

TEST(TablaPropiedades, CadaValorGuardadoVuelveBajoCualquieraDeSusNombres) {
    EntornoBarra entorno;
    const QString app = entorno.carpeta.ruta();
    // The style and its colours come from the settings file, the icon folder
    // from the system folder: never from the stored values.
    const std::set<Propiedad> noLeidas = {Propiedad::Estilo,          Propiedad::Theme,
                                          Propiedad::NormalBackColor, Propiedad::ActiveBackColor,
                                          Propiedad::ActiveBarColor,  Propiedad::ImageFolder};
    // A check counts only on a checkable item.
    const auto prepararBolsa = [](const FilaPropiedad& f, BolsaPropiedades& b) {
        if (f.id == Propiedad::CompartirChecked)
            b.Escribir("CompartirCheckable", true);
    };
    for (const FilaPropiedad& f : TablaPropiedades()) {
        const std::string nombre = f.nombres.first().toStdString();
        if (noLeidas.count(f.id) != 0) {
            BolsaPropiedades b;
            for (const QString& n : f.nombres)
                b.Escribir(n, Distinto(f));
            BarraSinVentana conValor;
            BarraSinVentana sinValor;
            RestaurarPropiedades(b, conValor.d, app);
            RestaurarPropiedades({}, sinValor.d, app);
            EXPECT_EQ(conValor.Leer(f.id), sinValor.Leer(f.id)) << nombre;
            continue;
        }
        BarraSinVentana origen;
        if (f.id == Propiedad::CompartirChecked)
            origen.Fijar(Propiedad::CompartirCheckable, true);
        const QVariant antes = origen.Leer(f.id);
        origen.Fijar(f.id, Distinto(f));
        const QVariant valor = origen.Leer(f.id);
        ASSERT_NE(valor, f.guardadoPorDefecto) << nombre;
        ASSERT_NE(valor, antes) << nombre;

        BolsaPropiedades guardada;
        GuardarPropiedades(guardada, origen.p, origen.m);
        BarraSinVentana restaurada;
        RestaurarPropiedades(guardada, restaurada.d, app);
        EXPECT_EQ(restaurada.Leer(f.id), valor) << nombre;

        // Each name alone, as definitions saved by older versions hold it.
        for (const QString& n : f.nombres) {
            ASSERT_TRUE(guardada.Contiene(n)) << n.toStdString();
            BolsaPropiedades sola;
            sola.Escribir(n, guardada.Leer(n, {}));
            prepararBolsa(f, sola);
            BarraSinVentana r;
            RestaurarPropiedades(sola, r.d, app);
            EXPECT_EQ(r.Leer(f.id), valor) << n.toStdString();
        }
    }
}

TEST(TablaPropiedades, LimitesEnElBordeYAAmbosLados) {
    EntornoBarra entorno;
    struct Caso {
        const char* nombre;
        QVariant valor;
        Propiedad leida;
        QVariant esperado;
    } casos[] = {
        {"ItemHeight", 479.0, Propiedad::ItemHeight, 480.0},
        {"ItemHeight", 480.0, Propiedad::ItemHeight, 480.0},
        {"ItemHeight", 480.5, Propiedad::ItemHeight, 480.5},
        {"ItemHeight", std::nan(""), Propiedad::ItemHeight, 480.0},
        {"SeparacionBotones", -301, Propiedad::ButtonGap, -300.0},
        {"ItemGap", -300, Propiedad::ButtonGap, -300.0},
        {"ButtonGap", -299.5, Propiedad::ButtonGap, -299.5},
        {"GroupGap", -0.5, Propiedad::GroupGap, 0.0},
        {"GroupGap", 0, Propiedad::GroupGap, 0.0},
        {"GroupGap", 0.5, Propiedad::GroupGap, 0.5},
        {"TamanoIcono", 0, Propiedad::IconPx, 42},
        {"IconPx", -3, Propiedad::IconPx, 42},
        {"IconPx", 1, Propiedad::IconPx, 1},
        {"IconPx", 2, Propiedad::IconSize, 30.0},
        {"IconSize", 14, Propiedad::IconPx, 42},     // less than a pixel
        {"IconSize", 0, Propiedad::IconSize, 630.0}, // ignored
        {"IconSize", -15, Propiedad::IconPx, 42},    // ignored
        {"GroupBreakTag", " grabar ", Propiedad::GroupBreakAfterTag, "GRABAR"},
        {"ContextDbName", "  empresa1 ", Propiedad::ContextDbName, "empresa1"},
        {"ImageFolder", "/srv/iconos", Propiedad::ImageFolder, "/srv/iconos/"},
        {"ImageFolder", "   ", Propiedad::ImageFolder, ""},
        {"Estilo", 6, Propiedad::Estilo, 2},
        {"Theme", 3, Propiedad::Estilo, 5}, // the settings file decides
    };
    for (const Caso& c : casos) {
        BarraSinVentana b;
        const NombrePropiedad n = BuscarPropiedad(c.nombre);
        ASSERT_NE(n.fila, nullptr) << c.nombre;
        FijarValor(*n.fila, b.d, c.valor);
        EXPECT_EQ(b.Leer(c.leida), c.esperado)
            << c.nombre << " " << c.valor.toString().toStdString();
    }
}

TEST(TablaPropiedades, OrdenDeRestauracion) {
    EntornoBarra entorno;
    entorno.Ini("[OPERADOR1Styles]\nStyles=3\n");
    BolsaPropiedades b;
    b.Escribir("Horizontal", true);
    BarraSinVentana r;
    RestaurarPropiedades(b, r.d, entorno.carpeta.ruta());
    EXPECT_TRUE(r.p.Horizontal);
    EXPECT_TRUE(r.p.AutoOrientacion); // read after Horizontal, which turns it off
    EXPECT_EQ(r.p.Estilo, 4);

    // The dark preset comes after the style of the context.
    b.Escribir("EstiloVSCode", true);
    b.Escribir("ShowCaptions", false);
    BarraSinVentana v;
    RestaurarPropiedades(b, v.d, entorno.carpeta.ruta());
    EXPECT_EQ(v.p.Estilo, 4);
    EXPECT_EQ(v.p.NormalBackColor, ColoresVSCode.NormalBackColor);
    EXPECT_EQ(v.p.ItemHeight, 600);
    EXPECT_FALSE(v.p.Horizontal);
}

} // namespace
