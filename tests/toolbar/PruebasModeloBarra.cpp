// The item table: adding, finding, growing, the check routing of the printer
// and share items, and the default and report sets.
#include "CarpetaTemporal.h"
#include "ModeloBarra.h"
#include "VocabularioBarra.h"
#include <gtest/gtest.h>

namespace {

struct ModeloContado {
    ModeloBarra m;
    int reorganizaciones = 0;
    std::vector<int> repintados;
    ModeloContado() {
        m.EstablecerAvisos({[this] { ++reorganizaciones; },
                            [this](int i) { repintados.push_back(i); }, [] { return QString(); }});
    }
};

TEST(ModeloBarra, AddItemConClaveExistenteActualizaEnSuSitio) {
    ModeloContado c;
    ModeloBarra& m = c.m;
    m.LoadDefaultItems();
    m.SetItemEnabled("GRABAR", false);
    m.SetItemBadge("GRABAR", 3);
    m.SetItemCheckable("GRABAR", true);
    m.SetItemChecked("GRABAR", true);
    const int antes = m.count();

    EXPECT_TRUE(m.AddItem("  grabar ", "Guardar", "  ", true));

    EXPECT_EQ(m.count(), antes);
    const ItemBarra& it = m.item(m.BuscarItem("GRABAR"));
    EXPECT_EQ(it.Tag, "grabar");
    EXPECT_EQ(it.Caption, "Guardar");
    EXPECT_EQ(it.ToolTip, "Guardar"); // a blank tooltip takes the caption
    EXPECT_TRUE(it.Visible);
    EXPECT_FALSE(it.Enabled);
    EXPECT_EQ(it.BadgeCount, 3);
    EXPECT_TRUE(m.ItemChecked("GRABAR"));
}

TEST(ModeloBarra, AddItemConClaveEnBlancoNoCambiaNada) {
    ModeloContado c;
    c.m.LoadDefaultItems();
    const int reorg = c.reorganizaciones;
    EXPECT_FALSE(c.m.AddItem("   ", "X", "Y", false));
    EXPECT_EQ(c.m.count(), 19);
    EXPECT_EQ(c.reorganizaciones, reorg);
}

TEST(ModeloBarra, ElItemVeinteDuplicaLosSlotsYConservaLosAnteriores) {
    ModeloContado c;
    ModeloBarra& m = c.m;
    m.LoadDefaultItems();
    EXPECT_EQ(m.capacidad(), 19);
    m.SetItemBadge("AJUSTES", 7);
    ASSERT_TRUE(m.AddItem("EXTRA", "Extra", "", false));
    EXPECT_EQ(m.count(), 20);
    EXPECT_EQ(m.capacidad(), 38);
    EXPECT_EQ(m.BuscarItem("EXTRA"), 19);
    EXPECT_EQ(m.item(18).BadgeCount, 7);
    EXPECT_EQ(m.item(0).Caption, "Nuevo");
    EXPECT_FALSE(m.item(37).Visible); // new slots are empty
    EXPECT_EQ(m.item(37).AttentionColor, RGB(220, 64, 64));
}

TEST(ModeloBarra, LaCapacidadCreceHastaCubrirElIndice) {
    ModeloBarra m;
    EXPECT_TRUE(m.AsegurarCapacidad(100)); // 18 → 37 → 75 → 151
    EXPECT_EQ(m.capacidad(), 152);
    EXPECT_TRUE(m.AsegurarCapacidad(32766));
    EXPECT_EQ(m.capacidad(), 32767);
    EXPECT_FALSE(m.AsegurarCapacidad(32767));
}

TEST(ModeloBarra, BadgeYAtencion) {
    ModeloContado c;
    ModeloBarra& m = c.m;
    m.LoadDefaultItems();
    m.SetItemBadge("NUEVO", -5);
    EXPECT_EQ(m.item(0).BadgeCount, 0);
    m.SetItemAttention("NUEVO", true, -1);
    EXPECT_TRUE(m.ItemAttention("NUEVO"));
    EXPECT_EQ(m.item(0).AttentionColor, RGB(220, 64, 64));
    m.SetItemAviso("NUEVO", true, static_cast<int>(RGB(1, 2, 3)));
    m.SetItemAttention("NUEVO", false, -1);
    EXPECT_EQ(m.item(0).AttentionColor, RGB(1, 2, 3));
    EXPECT_FALSE(m.ItemAviso("NUEVO"));
    EXPECT_FALSE(m.ItemAttention("NOEXISTE"));
}

TEST(ModeloBarra, CheckDeItemsComunes) {
    ModeloContado c;
    ModeloBarra& m = c.m;
    m.LoadDefaultItems();
    m.SetItemChecked("NUEVO", true); // not checkable: nothing changes
    EXPECT_FALSE(m.ItemChecked("NUEVO"));
    m.SetItemCheckable("NUEVO", true);
    m.SetItemChecked("NUEVO", true);
    EXPECT_TRUE(m.ItemChecked("NUEVO"));
    m.SetItemCheckable("NUEVO", false);
    EXPECT_FALSE(m.ItemChecked("NUEVO"));
    EXPECT_FALSE(m.ItemCheckable("NUEVO"));
}

TEST(ModeloBarra, ElCheckDeImpresoraYCompartirViveEnElControl) {
    ModeloContado c;
    ModeloBarra& m = c.m;
    m.LoadDefaultItems();
    EXPECT_TRUE(m.ItemCheckable("IMPRESORA")); // the control flag starts on
    EXPECT_FALSE(m.ItemCheckable("COMPARTIR"));
    m.SetItemChecked("IMPRESORA", true);
    EXPECT_TRUE(m.ImpresoraChecked());
    EXPECT_FALSE(m.item(m.BuscarItem("IMPRESORA")).Checked);

    m.ClearItems();
    EXPECT_FALSE(m.ItemChecked("IMPRESORA")); // no item
    m.AddItem("IMPRESORA", "Impresora", "", true);
    EXPECT_TRUE(m.ItemChecked("IMPRESORA"));

    m.SetItemCheckable("impresora", false);
    EXPECT_FALSE(m.ImpresoraCheckable());
    EXPECT_FALSE(m.ImpresoraChecked());

    m.SetCompartirChecked(true); // ignored while not checkable
    EXPECT_FALSE(m.CompartirChecked());
    m.AddItem("COMPARTIR", "Compartir", "", true);
    m.SetItemChecked("COMPARTIR", true);
    EXPECT_TRUE(m.CompartirChecked());
}

TEST(ModeloBarra, LasClavesSeComparanSinMayusculasNiBlancos) {
    ModeloContado c;
    c.m.LoadDefaultItems();
    EXPECT_TRUE(c.m.ItemVisible("  consultar  "));
    EXPECT_EQ(c.m.BuscarItem(" cerrar"), 7);
    EXPECT_EQ(c.m.BuscarItem(""), -1);
    EXPECT_FALSE(c.m.EsUsable("PLANILLA")); // hidden in the default set
    EXPECT_TRUE(c.m.EsUsable("grabar"));
}

TEST(ModeloBarra, ElConjuntoPredeterminado) {
    ModeloContado c;
    c.m.LoadDefaultItems();
    ASSERT_EQ(c.m.count(), 19);
    const char* visibles[] = {"NUEVO",    "BORRAR", "REPORTE", "CONSULTAR",
                              "CANCELAR", "GRABAR", "CERRAR"};
    int n = 0;
    for (int i = 0; i < c.m.count(); ++i) {
        const ItemBarra& it = c.m.item(i);
        EXPECT_EQ(it.Visible, EsItemBase(it.Tag)) << it.Tag.toStdString();
        EXPECT_EQ(IndiceIconoBase(it.Tag), i) << it.Tag.toStdString();
        n += it.Visible;
    }
    EXPECT_EQ(n, 7);
    for (const char* k : visibles)
        EXPECT_TRUE(c.m.ItemVisible(k)) << k;
    EXPECT_EQ(c.m.item(11).Tag, "CAJERO");
    EXPECT_EQ(c.m.item(11).Caption, "Caja");
}

TEST(ModeloBarra, ReportesYLuegoPredeterminadosConservanLosTextosDeLasCeldas) {
    ModeloContado c;
    ModeloBarra& m = c.m;
    m.LoadDefaultItemsReportes();
    ASSERT_EQ(m.count(), 5);
    EXPECT_EQ(m.item(1).Tag, "IMPRESORA");
    EXPECT_TRUE(m.item(3).Visible);
    EXPECT_FALSE(m.item(5).Visible);

    m.LoadDefaultItems();
    const char* captions[] = {"Pantalla", "Impresora", "Consultar", "Compartir", "Cerrar"};
    const char* claves[] = {"NUEVO", "BORRAR", "REPORTE", "CONSULTAR", "PLANILLA"};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(m.item(i).Caption, captions[i]);
        EXPECT_EQ(m.item(i).Tag, claves[i]);
    }
    EXPECT_EQ(m.item(5).Caption, "Cancelar");
    m.LoadDefaultItems(); // the cells now keep the default captions
    EXPECT_EQ(m.item(0).Caption, "Nuevo");
}

TEST(ModeloBarra, OcultarODeshabilitarElActivoLoDesactiva) {
    ModeloContado c;
    ModeloBarra& m = c.m;
    m.LoadDefaultItems();
    m.SetActive("PLANILLA"); // hidden: not activated
    EXPECT_EQ(m.active(), -1);
    m.SetActive("GRABAR");
    EXPECT_EQ(m.active(), 6);
    m.FijarHover(6);
    m.SetItemEnabled("GRABAR", false);
    EXPECT_EQ(m.active(), -1);
    EXPECT_EQ(m.hover(), -1);
    m.SetItemEnabled("GRABAR", true);
    m.SetActive("GRABAR");
    m.SetItemVisible("GRABAR", false);
    EXPECT_EQ(m.active(), -1);
}

TEST(ModeloBarra, HoverFueraDeRangoODeshabilitadoEsNinguno) {
    ModeloContado c;
    ModeloBarra& m = c.m;
    m.LoadDefaultItems();
    m.FijarHover(2);
    EXPECT_EQ(m.hover(), 2);
    EXPECT_EQ(c.repintados.back(), 2);
    m.FijarHover(19);
    EXPECT_EQ(m.hover(), -1);
    m.FijarHover(3);
    m.SetEnabled(false);
    EXPECT_EQ(m.hover(), -1);
    m.FijarHover(3);
    EXPECT_EQ(m.hover(), -1);
}

TEST(ModeloBarra, IconosDeLaCarpetaYCaidaAlIconoBase) {
    CarpetaTemporal iconos;
    QImage(8, 8, QImage::Format_ARGB32).save(iconos.ruta("NUEVO.png"));
    iconos.escribir("BORRAR.png", "no es una imagen");
    QImage(8, 8, QImage::Format_RGB32).save(iconos.ruta("EXTRA.bmp"));
    ModeloBarra m;
    m.EstablecerAvisos({[] {}, [](int) {}, [&] { return iconos.ruta(); }});
    m.LoadDefaultItems();
    m.RefreshIcons();
    EXPECT_TRUE(m.item(0).HasPng);
    EXPECT_TRUE(m.item(1).HasPng); // accepted by name; drawing it gives nothing
    EXPECT_FALSE(m.item(2).HasPng);
    EXPECT_EQ(m.ultimoDiagnostico(), "Tag=AJUSTES sin PNG. Se usa icono base.");

    // AddItem finds the files of the key as well.
    m.AddItem("nuevo", "Nuevo", "", false);
    EXPECT_EQ(m.item(0).IconFile, iconos.ruta("NUEVO.png"));
    EXPECT_EQ(m.ultimoDiagnostico(), "Tag=nuevo PNG cargado: " + iconos.ruta("NUEVO.png"));
}

TEST(VocabularioBarra, ImagenBaseYNombresDePropiedad) {
    const std::pair<const char*, int> imagenes[] = {
        {"nuevo", 0},
        {"CAJA", 11},
        {"Cajero", 11},
        {"UNIDAD DE NEGOCIO", 12},
        {"CAMBIAR", 12},
        {"CHANGE", 12},
        {"PROCESAR IA", 14},
        {"procesar con i.a.", 14},
        {"PROCESAR CON IA", 14},
        {"CAUS", -1},
        {"FILES", -1},
        {"", -1},
    };
    for (const auto& [clave, indice] : imagenes)
        EXPECT_EQ(IndiceIconoBase(clave), indice) << clave;
    EXPECT_EQ(ClaveDeNombre("Consulta"), "CONSULTAR");
    EXPECT_EQ(ClaveDeNombre("consultar"), "CONSULTAR");
    EXPECT_EQ(ClaveDeNombre("UnidadNegocio"), "UNIDADNEGOCIO");
    EXPECT_EQ(ClaveDeNombre("Caus"), "CAUS");
    EXPECT_EQ(ClaveDeNombre("Otro"), "");
    EXPECT_EQ(ClavesConocidas().size(), 23u);
    EXPECT_EQ(ItemsPredeterminados().size(), 19u);
}

} // namespace
