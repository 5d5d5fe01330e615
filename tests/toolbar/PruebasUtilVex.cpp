// The bar as a widget: clicks, hover and icons, function keys, properties and
// a stored instance, driven through real events on a headless screen.
#include "EntornoBarra.h"
#include "ImprimirVariante.h"
#include "UtilVex.h"
#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {

void Enviar(QWidget& w, QEvent::Type tipo, QPoint p) {
    QMouseEvent e(tipo, QPointF(p), w.mapToGlobal(QPointF(p)), Qt::LeftButton,
                  tipo == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
                  Qt::NoModifier);
    QApplication::sendEvent(&w, &e);
}

void Clic(QWidget& w, QPoint p) {
    Enviar(w, QEvent::MouseButtonPress, p);
    Enviar(w, QEvent::MouseButtonRelease, p);
}

void Mover(QWidget& w, QPoint p) {
    QMouseEvent e(QEvent::MouseMove, QPointF(p), w.mapToGlobal(QPointF(p)), Qt::NoButton,
                  Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&w, &e);
}

QPoint CentroDe(const UtilVex& b, const QString& clave) {
    return b.RectanguloCelda(b.Modelo().BuscarItem(clave)).center();
}

QString PngDe(const CarpetaTemporal& c, const QString& nombre, int lado) {
    QImage img(lado, lado, QImage::Format_ARGB32);
    img.fill(Qt::white);
    img.save(c.ruta(nombre));
    return c.ruta(nombre);
}

class BarraPrueba : public ::testing::Test {
protected:
    EntornoBarra entorno;
    UtilVex barra;
    QSignalSpy clicks{&barra, &UtilVex::click};
    QSignalSpy checks{&barra, &UtilVex::CheckClick};

    BarraPrueba() { barra.resize(489, 65); } // 7335 × 975 twips

    QStringList TextosClick() const {
        QStringList r;
        for (const QList<QVariant>& a : clicks)
            r << a.at(0).toString();
        return r;
    }
};

TEST_F(BarraPrueba, UnaInstanciaNuevaTraeLosItemsYElEstiloDelContexto) {
    EXPECT_EQ(barra.Modelo().count(), 19);
    EXPECT_EQ(barra.Estilo(), 5);
    EXPECT_EQ(barra.NormalBackColor(), RGB(122, 122, 122));
    EXPECT_TRUE(barra.EsHorizontal()); // 7335 × 975 with AutoOrientacion
    EXPECT_EQ(barra.RectanguloCelda(0), QRect(8, -3, 56, 34));
    EXPECT_EQ(barra.RectanguloCelda(1).left(), 72); // 1080 twips: 960 further
    EXPECT_TRUE(barra.RectanguloCelda(4).isNull()); // PLANILLA is hidden
}

TEST_F(BarraPrueba, ClicEnUnItemDaSuTitulo) {
    Clic(barra, CentroDe(barra, "GRABAR"));
    EXPECT_EQ(TextosClick(), QStringList{"Grabar"});
    EXPECT_EQ(barra.Modelo().active(), 6);
    EXPECT_EQ(checks.count(), 0);
    // The caption under the cell is part of the item too.
    Clic(barra, barra.RectanguloCaption(7).center());
    EXPECT_EQ(TextosClick().last(), "Cerrar");
}

TEST_F(BarraPrueba, ClicEnUnItemDeshabilitadoNoHaceNada) {
    barra.SetActive("NUEVO");
    barra.SetItemEnabled("GRABAR", false);
    Clic(barra, CentroDe(barra, "GRABAR"));
    EXPECT_EQ(clicks.count(), 0);
    EXPECT_EQ(barra.Modelo().active(), 0);
    // The disabled item is greyed.
    EXPECT_EQ(barra.ColorCaptionItem(6), RGB(138, 138, 138));
    EXPECT_EQ(barra.ColorFondoItem(6), RGB(116, 116, 116));

    barra.SetEnabled(false); // the whole bar
    Clic(barra, CentroDe(barra, "CERRAR"));
    EXPECT_EQ(clicks.count(), 0);
}

TEST_F(BarraPrueba, ClicEnLaImpresoraAlternaElCheckAntesDelClick) {
    barra.SetItemVisible("IMPRESORA", true);
    QStringList orden;
    QObject::connect(&barra, &UtilVex::CheckClick, [&](bool c, const QString& t) {
        orden << QString("check %1 %2").arg(c).arg(t);
    });
    QObject::connect(&barra, &UtilVex::click, [&](const QString& t) { orden << "click " + t; });
    Clic(barra, CentroDe(barra, "IMPRESORA"));
    EXPECT_TRUE(barra.ImpresoraChecked());
    Clic(barra, CentroDe(barra, "IMPRESORA"));
    EXPECT_FALSE(barra.ImpresoraChecked());
    EXPECT_EQ(orden, (QStringList{"check 1 Impresora", "click Impresora", "check 0 Impresora",
                                  "click Impresora"}));
}

TEST_F(BarraPrueba, UnReceptorQueFallaNoDetieneLaBarra) {
    QObject::connect(&barra, &UtilVex::click, [](const QString&) { throw 1; });
    Clic(barra, CentroDe(barra, "NUEVO"));
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_EQ(barra.Modelo().active(), 0);
}

TEST_F(BarraPrueba, TeclasDeFuncion) {
    struct Caso {
        const char* nombre;
        std::function<void(UtilVex&)> preparar;
        int tecla;
        QStringList esperado;
    } casos[] = {
        {"F5 consulta", [](UtilVex&) {}, 116, {"CONSULTAR"}},
        {"Esc cancela", [](UtilVex&) {}, 27, {"CANCELAR"}},
        {"Esc sin cancelar cierra",
         [](UtilVex& b) { b.SetItemEnabled("CANCELAR", false); },
         27,
         {"CERRAR"}},
        {"Esc sin cancelar ni cerrar",
         [](UtilVex& b) {
             b.SetItemVisible("CANCELAR", false);
             b.SetItemEnabled("CERRAR", false);
         },
         27,
         {}},
        {"F2 con grabar oculto", [](UtilVex& b) { b.SetItemVisible("GRABAR", false); }, 113, {}},
        {"F6 planilla oculta por defecto", [](UtilVex&) {}, 117, {}},
        {"F10 borra", [](UtilVex&) {}, 121, {"BORRAR"}},
        {"F3 nuevo", [](UtilVex&) {}, 114, {"NUEVO"}},
        {"F4 reporte", [](UtilVex&) {}, 115, {"REPORTE"}},
        {"otra tecla", [](UtilVex&) {}, 65, {}},
    };
    for (const Caso& c : casos) {
        UtilVex b;
        QSignalSpy espia(&b, &UtilVex::click);
        c.preparar(b);
        int tecla = c.tecla;
        b.KeyAnalisis(tecla);
        EXPECT_EQ(tecla, c.tecla) << c.nombre;
        QStringList r;
        for (const QList<QVariant>& a : espia)
            r << a.at(0).toString();
        EXPECT_EQ(r, c.esperado) << c.nombre;
        EXPECT_EQ(b.Modelo().active(), -1) << c.nombre;
    }
}

TEST_F(BarraPrueba, LosTitulosLargosTerminanEnPuntos) {
    barra.SetItemVisible("UNIDADNEGOCIO", true);
    barra.SetItemVisible("PROCESARIA", true);
    for (const char* clave : {"UNIDADNEGOCIO", "PROCESARIA"}) {
        const int i = barra.Modelo().BuscarItem(clave);
        const QString t = barra.TextoCaption(i);
        EXPECT_TRUE(t.endsWith("...")) << t.toStdString();
        EXPECT_GT(t.size(), 3) << clave;
        EXPECT_FALSE(t.contains(u' ')) << "blanks become non-breaking spaces";
    }
    EXPECT_EQ(barra.TextoCaption(0), "Nuevo");
    barra.AddItem("VACIO", "   ", "", false);
    EXPECT_EQ(barra.TextoCaption(barra.Modelo().BuscarItem("VACIO")), "");
}

TEST_F(BarraPrueba, BadgeLimitadoA99) {
    const std::pair<int, const char*> casos[] = {
        {100, "99+"}, {99, "99"}, {1, "1"}, {0, ""}, {-5, ""}};
    for (const auto& [n, texto] : casos) {
        barra.SetItemBadge("NUEVO", n);
        EXPECT_EQ(barra.TextoBadge(0), texto) << n;
    }
}

TEST_F(BarraPrueba, IconoNormalSobreYDeshabilitado) {
    CarpetaTemporal iconos;
    const QString normal = PngDe(iconos, "NUEVO.png", 48);
    const QString sobre = PngDe(iconos, "NUEVO_over.png", 48);
    const QString dis = PngDe(iconos, "BORRAR_dis.png", 48);
    PngDe(iconos, "BORRAR.png", 48);
    barra.LoadIconsFromFolder(iconos.ruta().chopped(1));
    EXPECT_EQ(barra.ImageFolder(), iconos.ruta());
    EXPECT_EQ(barra.ArchivoIconoDibujado(0), normal);

    Mover(barra, CentroDe(barra, "NUEVO"));
    EXPECT_EQ(barra.Modelo().hover(), 0);
    EXPECT_EQ(barra.ArchivoIconoDibujado(0), sobre);
    Mover(barra, QPoint(480, 60)); // the bar's own background
    EXPECT_EQ(barra.Modelo().hover(), -1);
    EXPECT_EQ(barra.ArchivoIconoDibujado(0), normal);
    barra.SetActive("NUEVO");
    EXPECT_EQ(barra.ArchivoIconoDibujado(0), sobre);

    barra.SetItemEnabled("BORRAR", false);
    EXPECT_EQ(barra.ArchivoIconoDibujado(1), dis);
    barra.SetItemEnabled("NUEVO", false); // no "_dis" file: the normal one
    EXPECT_EQ(barra.ArchivoIconoDibujado(0), normal);
    EXPECT_EQ(barra.ArchivoIconoDibujado(2), ""); // REPORTE has no file
}

TEST_F(BarraPrueba, ElIconoSeReduceYSeCentraSinAgrandarse) {
    CarpetaTemporal iconos;
    PngDe(iconos, "NUEVO.png", 100);
    PngDe(iconos, "BORRAR.png", 16);
    barra.SetItemHeight(720); // a 56 × 48 pixel box
    barra.SetImageFolder(iconos.ruta());
    EXPECT_EQ(barra.IconPx(), 42);
    EXPECT_EQ(barra.RectanguloIcono(0), QRect(7, 3, 42, 42));
    EXPECT_EQ(barra.RectanguloIcono(1), QRect(20, 16, 16, 16));
}

TEST_F(BarraPrueba, PropiedadesDeOrientacionYEstilo) {
    barra.SetHorizontal(true);
    EXPECT_FALSE(barra.AutoOrientacion());
    barra.SetHorizontal(false);
    EXPECT_FALSE(barra.EsHorizontal()); // a wide bar laid out as a column

    barra.ApplyColorStyle(9);
    EXPECT_EQ(barra.Estilo(), 2);
    entorno.Ini("[OPERADOR1Styles]\nStyles=0\n");
    barra.SetTheme(3); // the settings file decides, not the value
    EXPECT_EQ(barra.Theme(), 1);
    EXPECT_EQ(barra.NormalBackColor(), RGB(96, 138, 204));
    entorno.Ini("[OTRO_EMPRESA1Styles]\nStyles=3\n");
    barra.SetContextUserName(" otro ");
    barra.SetContextDbName("empresa1");
    EXPECT_EQ(barra.ContextUserName(), "otro");
    EXPECT_EQ(barra.Estilo(), 4);

    barra.AplicarEstiloVSCode(false, 64);
    EXPECT_EQ(barra.ItemHeight(), 600);
    EXPECT_EQ(barra.IconPx(), 42);
    EXPECT_EQ(barra.IconSize(), 630);
    EXPECT_EQ(barra.NormalBackColor(), RGB(52, 52, 52));
    EXPECT_FALSE(barra.ShowCaptions());
}

TEST_F(BarraPrueba, PropiedadesPorNombre) {
    QSignalSpy cambios(&barra, &UtilVex::PropiedadCambiada);
    barra.FijarPropiedad("SeparacionBotones", -1000);
    EXPECT_EQ(barra.ButtonGap(), -300);
    barra.FijarPropiedad("ItemHeight", 100);
    EXPECT_EQ(barra.ItemHeight(), 480);
    barra.FijarPropiedad("TamanoIcono", 0);
    EXPECT_EQ(barra.IconPx(), 42);
    barra.FijarPropiedad("IconSize", 480);
    EXPECT_EQ(barra.IconPx(), 32);
    barra.FijarPropiedad("GroupBreakTag", " grabar ");
    EXPECT_EQ(barra.GroupBreakAfterTag(), "GRABAR");
    barra.FijarPropiedad("ConsultaEnabled", false);
    EXPECT_FALSE(barra.ItemEnabled("CONSULTAR"));
    EXPECT_EQ(barra.Propiedad("consultarEnabled"), QVariant(false));
    barra.FijarPropiedad("CompartirChecked", true); // not checkable
    EXPECT_FALSE(barra.CompartirChecked());
    barra.FijarPropiedad("ImpresoraChecked", true);
    barra.FijarPropiedad("ImpresoraCheckable", false);
    EXPECT_FALSE(barra.ImpresoraChecked());
    EXPECT_EQ(cambios.count(), 9);
}

TEST_F(BarraPrueba, CadaSetterFijaSuPropiedadYAvisaConSuNombre) {
    using B = UtilVex;
    struct Caso {
        const char* nombre;
        std::function<void(B&)> fijar;
        std::function<QVariant(const B&)> leer; // the typed getter
        QVariant esperado;
        std::function<void(B&)> antes = nullptr;
    } casos[] = {
        {"Enabled", [](B& b) { b.SetEnabled(false); },
         [](const B& b) { return QVariant(b.isEnabled()); }, false},
        {"ShowCaptions", [](B& b) { b.SetShowCaptions(false); },
         [](const B& b) { return QVariant(b.ShowCaptions()); }, false},
        {"Horizontal", [](B& b) { b.SetHorizontal(true); },
         [](const B& b) { return QVariant(b.Horizontal()); }, true},
        {"AutoOrientacion", [](B& b) { b.SetAutoOrientacion(false); },
         [](const B& b) { return QVariant(b.AutoOrientacion()); }, false},
        {"ItemHeight", [](B& b) { b.SetItemHeight(700); },
         [](const B& b) { return QVariant(b.ItemHeight()); }, 700.0},
        {"ButtonGap", [](B& b) { b.SetButtonGap(45); },
         [](const B& b) { return QVariant(b.ButtonGap()); }, 45.0},
        {"TopOffset", [](B& b) { b.SetTopOffset(40); },
         [](const B& b) { return QVariant(b.TopOffset()); }, 40.0},
        {"GroupGap", [](B& b) { b.SetGroupGap(15); },
         [](const B& b) { return QVariant(b.GroupGap()); }, 15.0},
        {"GroupBreakAfterTag", [](B& b) { b.SetGroupBreakAfterTag("grabar"); },
         [](const B& b) { return QVariant(b.GroupBreakAfterTag()); }, "GRABAR"},
        {"IconSize", [](B& b) { b.SetIconSize(480); },
         [](const B& b) { return QVariant(b.IconSize()); }, 480.0},
        {"IconPx", [](B& b) { b.SetIconPx(24); }, [](const B& b) { return QVariant(b.IconPx()); },
         24},
        {"Estilo", [](B& b) { b.SetEstilo(3); }, [](const B& b) { return QVariant(b.Estilo()); },
         3},
        {"Theme", [](B& b) { b.SetTheme(3); }, [](const B& b) { return QVariant(b.Theme()); }, 5,
         [](B& b) { b.SetEstilo(1); }},
        {"NormalBackColor", [](B& b) { b.SetNormalBackColor(RGB(1, 2, 3)); },
         [](const B& b) { return QVariant(b.NormalBackColor()); }, RGB(1, 2, 3)},
        {"ActiveBackColor", [](B& b) { b.SetActiveBackColor(RGB(4, 5, 6)); },
         [](const B& b) { return QVariant(b.ActiveBackColor()); }, RGB(4, 5, 6)},
        {"ActiveBarColor", [](B& b) { b.SetActiveBarColor(RGB(7, 8, 9)); },
         [](const B& b) { return QVariant(b.ActiveBarColor()); }, RGB(7, 8, 9)},
        {"ImageFolder", [](B& b) { b.SetImageFolder("/srv/iconos"); },
         [](const B& b) { return QVariant(b.ImageFolder()); }, "/srv/iconos/"},
        {"ContextUserName", [](B& b) { b.SetContextUserName(" otro "); },
         [](const B& b) { return QVariant(b.ContextUserName()); }, "otro"},
        {"ContextDbName", [](B& b) { b.SetContextDbName("empresa1"); },
         [](const B& b) { return QVariant(b.ContextDbName()); }, "empresa1"},
        {"DebugMode", [](B& b) { b.SetDebugMode(true); },
         [](const B& b) { return QVariant(b.DebugMode()); }, true},
        {"EstiloVSCode", [](B& b) { b.SetEstiloVSCode(true); },
         [](const B& b) { return QVariant(b.EstiloVSCode()); }, true},
        {"ImpresoraCheckable", [](B& b) { b.SetImpresoraCheckable(false); },
         [](const B& b) { return QVariant(b.ImpresoraCheckable()); }, false},
        {"ImpresoraChecked", [](B& b) { b.SetImpresoraChecked(true); },
         [](const B& b) { return QVariant(b.ImpresoraChecked()); }, true},
        {"CompartirCheckable", [](B& b) { b.SetCompartirCheckable(true); },
         [](const B& b) { return QVariant(b.CompartirCheckable()); }, true},
        {"CompartirChecked", [](B& b) { b.SetCompartirChecked(true); },
         [](const B& b) { return QVariant(b.CompartirChecked()); }, true,
         [](B& b) { b.SetCompartirCheckable(true); }},
    };
    EXPECT_EQ(std::size(casos), TablaPropiedades().size()); // one case for every property
    for (const Caso& c : casos) {
        UtilVex b;
        if (c.antes)
            c.antes(b);
        EXPECT_NE(b.Propiedad(c.nombre), c.esperado) << c.nombre; // a change to see
        QSignalSpy cambios(&b, &UtilVex::PropiedadCambiada);
        c.fijar(b);
        EXPECT_EQ(c.leer(b), c.esperado) << c.nombre;
        EXPECT_EQ(b.Propiedad(c.nombre), c.esperado) << c.nombre;
        ASSERT_EQ(cambios.count(), 1) << c.nombre;
        EXPECT_EQ(cambios.at(0).at(0).toString(), QString(c.nombre));
    }
}

TEST_F(BarraPrueba, ActualizacionAgrupadaDisponeAlFinal) {
    barra.IniciarActualizacion();
    barra.SetItemVisible("PLANILLA", true);
    barra.SetButtonGap(30);
    EXPECT_TRUE(barra.RectanguloCelda(4).isNull()); // not laid out yet
    barra.FinalizarActualizacion();
    EXPECT_EQ(barra.RectanguloCelda(4).left(), 8 + 4 * 66); // (960 + 30) twips apart
}

TEST(BarraRestaurada, SinItemsHastaLaPrimeraPropiedadDeItem) {
    EntornoBarra entorno;
    entorno.Ini("[OPERADOR1Styles]\nStyles=3\n");
    BolsaPropiedades b;
    b.Escribir("Estilo", 1);
    b.Escribir("ItemGap", 45);
    b.Escribir("NuevoEnabled", false);
    UtilVex barra(b);
    EXPECT_EQ(barra.Modelo().count(), 0);
    EXPECT_EQ(barra.Estilo(), 4); // from the settings file, not the stored 1
    EXPECT_EQ(barra.ButtonGap(), 45);
    EXPECT_EQ(barra.ItemHeight(), 600);
    EXPECT_EQ(barra.ImageFolder(), entorno.carpeta.ruta() + "img_menu/");
    EXPECT_EQ(barra.Propiedad("NuevoEnabled"), QVariant(true)); // loads the default set
    EXPECT_EQ(barra.Modelo().count(), 19);

    BolsaPropiedades guardada;
    barra.FijarPropiedad("BorrarEnabled", false);
    barra.Guardar(guardada);
    EXPECT_EQ(guardada.Leer("BorrarEnabled", true), QVariant(false));
    EXPECT_EQ(guardada.Leer("ButtonGap", 0).toDouble(), 45);
    EXPECT_EQ(guardada.Leer("Estilo", 0).toInt(), 4);
}

TEST(BarraRestaurada, LaPerdidaDelFocoQuitaElActivo) {
    EntornoBarra entorno;
    UtilVex barra;
    barra.resize(489, 65);
    barra.SetActive("GRABAR");
    QFocusEvent e(QEvent::FocusOut);
    QApplication::sendEvent(&barra, &e);
    EXPECT_EQ(barra.Modelo().active(), -1);
}

} // namespace
