// Layout in twips: orientation, the step between items, groups, the parts of
// a cell, caption fitting and the update counter.
#include "DisposicionBarra.h"
#include <gtest/gtest.h>

namespace {

std::vector<SlotDisposicion> Visibles(std::initializer_list<const char*> claves) {
    std::vector<SlotDisposicion> r;
    for (const char* k : claves)
        r.push_back({k, true});
    return r;
}

std::vector<double> Posiciones(const Disposicion& d, bool x) {
    std::vector<double> r;
    for (const CeldaUbicada& c : d.celdas)
        r.push_back(x ? c.celda.left() : c.celda.top());
    return r;
}

EntradaDisposicion Vertical(double alto) {
    EntradaDisposicion e;
    e.anchoControl = 1200;
    e.altoControl = alto;
    e.AutoOrientacion = false;
    e.Horizontal = false;
    e.ItemHeight = 600;
    e.TopOffset = 10;
    e.ButtonGap = 0;
    return e;
}

TEST(DisposicionBarra, PasoVerticalSegunAlturaYTitulos) {
    struct Caso {
        const char* nombre;
        double alto;
        bool titulos;
        double paso;
    } casos[] = {
        {"3000 de alto: no caben, sin hueco", 3000, true, 1000},
        {"9000 de alto: hueco de 20", 9000, true, 1020},
        {"sin titulos: las celdas se tocan", 9000, false, 600},
    };
    for (const Caso& c : casos) {
        EntradaDisposicion e = Vertical(c.alto);
        e.ShowCaptions = c.titulos;
        const Disposicion d = CalcularDisposicion(e, Visibles({"A", "B", "C", "D"}));
        ASSERT_FALSE(d.horizontal) << c.nombre;
        const auto y = Posiciones(d, false);
        ASSERT_EQ(y.size(), 4u) << c.nombre;
        EXPECT_EQ(y[0], 90) << c.nombre;
        for (size_t i = 1; i < y.size(); ++i)
            EXPECT_EQ(y[i] - y[i - 1], c.paso) << c.nombre;
        EXPECT_EQ(d.celdas[0].celda.left(), 120) << c.nombre;
    }
}

TEST(DisposicionBarra, PasoHorizontalYPrimeraCelda) {
    EntradaDisposicion e;
    e.anchoControl = 7335;
    e.altoControl = 975;
    e.AutoOrientacion = false;
    e.Horizontal = true;
    const Disposicion d = CalcularDisposicion(e, Visibles({"A", "B", "C"}));
    ASSERT_TRUE(d.horizontal);
    EXPECT_EQ(Posiciones(d, true), (std::vector<double>{120, 1080, 2040}));
    EXPECT_EQ(d.celdas[0].celda.top(), -50); // TopOffset 10 - 60
    EXPECT_EQ(d.celdas[0].celda.size(), QSizeF(840, 520));
    EXPECT_FALSE(d.banda.has_value());

    e.ButtonGap = -100;
    EXPECT_EQ(Posiciones(CalcularDisposicion(e, Visibles({"A", "B"})), true),
              (std::vector<double>{120, 980}));
}

TEST(DisposicionBarra, SaltoDeGrupoSoloTrasElItemIndicado) {
    EntradaDisposicion e;
    e.anchoControl = 9000;
    e.altoControl = 975;
    e.GroupBreakAfterTag = "grabar";
    e.GroupGap = 300;
    const auto lugares = Visibles({"NUEVO", "Grabar", "CERRAR", "AJUSTES"});
    EXPECT_EQ(Posiciones(CalcularDisposicion(e, lugares), true),
              (std::vector<double>{120, 1080, 2340, 3300}));
    e.GroupGap = 0;
    EXPECT_EQ(Posiciones(CalcularDisposicion(e, lugares), true),
              (std::vector<double>{120, 1080, 2040, 3000}));

    EntradaDisposicion v = Vertical(9000);
    v.ShowCaptions = false;
    v.GroupBreakAfterTag = "GRABAR";
    v.GroupGap = 300;
    EXPECT_EQ(Posiciones(CalcularDisposicion(v, lugares), false),
              (std::vector<double>{90, 690, 1590, 2190}));
}

TEST(DisposicionBarra, OrientacionAutomaticaYBanda) {
    struct Caso {
        double ancho, alto;
        bool autom, horizontalFijo;
        bool horizontal;
        std::optional<QRectF> banda;
    } casos[] = {
        {7335, 975, true, false, true, std::nullopt},
        {7335, 1500, true, false, true, QRectF(0, 975, 7335, 525)},
        {1200, 6000, true, true, false, QRectF(1020, 0, 180, 6000)},
        {7335, 975, false, false, false, QRectF(1020, 0, 6315, 975)},
        {900, 6000, false, true, true, QRectF(0, 975, 900, 5025)},
    };
    for (const Caso& c : casos) {
        EntradaDisposicion e;
        e.anchoControl = c.ancho;
        e.altoControl = c.alto;
        e.AutoOrientacion = c.autom;
        e.Horizontal = c.horizontalFijo;
        const Disposicion d = CalcularDisposicion(e, Visibles({"A"}));
        EXPECT_EQ(d.horizontal, c.horizontal) << c.ancho << "x" << c.alto;
        EXPECT_EQ(d.banda, c.banda) << c.ancho << "x" << c.alto;
    }
}

TEST(DisposicionBarra, LosItemsOcultosNoOcupanLugar) {
    EntradaDisposicion e;
    e.anchoControl = 7335;
    e.altoControl = 975;
    std::vector<SlotDisposicion> lugares = {{"A", true}, {"B", false}, {"C", true}};
    const Disposicion d = CalcularDisposicion(e, lugares);
    ASSERT_EQ(d.celdas.size(), 2u);
    EXPECT_EQ(d.celdas[1].indice, 2);
    EXPECT_EQ(d.celdas[1].celda.left(), 1080);
}

TEST(DisposicionBarra, PartesDeLaCelda) {
    const QRectF celda(120, 90, 840, 600);
    PartesCelda p = UbicarPartes(celda, 200, 0, false, true);
    EXPECT_EQ(p.caption, QRectF(120, 700, 840, 400)); // at least 400 high
    EXPECT_EQ(p.barra, QRectF(40, 90, 60, 1010));
    EXPECT_EQ(p.badge, QRectF(645, 165, 240, 225));
    EXPECT_FALSE(p.badgeVisible);
    EXPECT_EQ(p.cajaIcono, celda);

    p = UbicarPartes(celda, 450, 0, true, false); // attention without a count
    EXPECT_EQ(p.caption.height(), 495);
    EXPECT_EQ(p.badge, QRectF(750, 150, 180, 180));
    EXPECT_FALSE(p.captionVisible);

    p = UbicarPartes(celda, 200, 4, true, true);
    EXPECT_EQ(p.badge, QRectF(645, 165, 240, 225));
    EXPECT_TRUE(p.badgeVisible);
}

TEST(DisposicionBarra, AjusteDelTitulo) {
    const auto medir = [](const QString& t) { return 100.0 * t.size(); }; // 100 per character
    struct Caso {
        const char* texto;
        double ancho;
        const char* esperado;
    } casos[] = {
        {"Nuevo", 820, "Nuevo"},
        {"  Nuevo  ", 500, "Nuevo"},
        {"Unidad de Negocio", 820, "Unida..."},
        {"Linea\r\nDos", 2000, "Linea  Dos"},
        {"   ", 820, ""},
        {"Consultar", 250, "..."},
        {"Consultar", 400, "C..."},
    };
    for (const Caso& c : casos)
        EXPECT_EQ(AjustarTexto(c.texto, c.ancho, medir), c.esperado) << c.texto;
}

TEST(DisposicionBarra, ActualizacionAnidadaDisponeUnaVez) {
    ContadorActualizacion a;
    EXPECT_TRUE(a.Pedir());
    a.Iniciar();
    a.Iniciar();
    EXPECT_FALSE(a.Pedir());
    EXPECT_FALSE(a.Pedir());
    EXPECT_FALSE(a.Finalizar());
    EXPECT_TRUE(a.Finalizar());
    EXPECT_FALSE(a.Finalizar()); // nothing pending any more, counter stays at 0
    a.Iniciar();
    EXPECT_FALSE(a.Finalizar()); // no request in between
}

} // namespace
