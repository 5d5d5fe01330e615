// AplicarApariencia on a window with every kind of control: the skin, the
// fonts, the flat marks and the button bar style, and what a missing or
// damaged skin leaves.
#include "AplicarApariencia.h"
#include "BusquedaQt.h"
#include "ColoresBarra.h"
#include "EntornoApariencia.h"
#include "SkinFramework.h"
#include "UtilVex.h"
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <gtest/gtest.h>

namespace {

// A control of its own: what it holds is not the window's.
class Compuesto : public QWidget {
public:
    explicit Compuesto(QWidget* padre) : QWidget(padre) {
        interna = new QLabel(QStringLiteral("interna"), this);
        interna->setFont(QFont(QStringLiteral("Calibri"), 8));
    }
    QLabel* interna;
};

class Ventana : public QDialog {
public:
    explicit Ventana(bool conSkin = true) {
        if (conSkin)
            (new SkinFramework(this))->setObjectName(QStringLiteral("SkinFramework1"));
        barra = new UtilVex(this);
        chica = etiqueta(QStringLiteral("Calibri"), 8);
        doce = etiqueta(QStringLiteral("Calibri"), 12);
        titulo = etiqueta(QStringLiteral("Tahoma"), 14);
        simbolo = etiqueta(QStringLiteral("Marlett"), 8);
        marco = new QGroupBox(QStringLiteral("Marco"), this);
        texto = new QLineEdit(marco);
        texto->setGeometry(10, 20, 120, 22);
        combo = new QComboBox(marco);
        boton = new QPushButton(QStringLiteral("Botón"), this);
        lista = new QListWidget(this);
        pestanas = new QTabWidget(this);
        auto* pagina = new QWidget;
        enPagina = new QCheckBox(QStringLiteral("En la página"), pagina);
        pestanas->addTab(pagina, QStringLiteral("Uno"));
        compuesto = new Compuesto(this);
        for (QWidget* w : std::initializer_list<QWidget*>{texto, combo, boton, lista, enPagina})
            w->setFont(QFont(QStringLiteral("Calibri"), 8));
        resize(400, 300);
    }
    SkinFramework* Skin() const {
        return findChild<SkinFramework*>(QStringLiteral("SkinFramework1"));
    }

    UtilVex* barra;
    QLabel *chica, *doce, *titulo, *simbolo;
    QGroupBox* marco;
    QLineEdit* texto;
    QComboBox* combo;
    QPushButton* boton;
    QListWidget* lista;
    QTabWidget* pestanas;
    QCheckBox* enPagina;
    Compuesto* compuesto;

private:
    QLabel* etiqueta(const QString& familia, int puntos) {
        auto* l = new QLabel(familia, this);
        l->setFont(QFont(familia, puntos));
        return l;
    }
};

bool Fuente(const QWidget* w, const QString& familia, double puntos) {
    return w->font().family() == familia && w->font().pointSizeF() == puntos;
}

QString NombreCargado(const Ventana& v) {
    const SkinFramework* s = v.Skin();
    return s != nullptr && s->SkinCargado() ? s->SkinCargado()->nombre : QString();
}

// The window's look after the step, as the program shows it.
QColor Pixel(QWidget* w, int x, int y) {
    return w->grab().toImage().pixelColor(x, y);
}

} // namespace

TEST(AplicarApariencia, SinAjustesSkinITunesYBarrasEnEstiloCinco) {
    EntornoApariencia e;
    const QPalette antes = QApplication::palette();
    Ventana v;
    AplicarApariencia(&v, true);
    EXPECT_EQ(NombreCargado(v), QStringLiteral("iTunes"));
    const Skin& s = *v.Skin()->SkinCargado();
    EXPECT_EQ(QApplication::palette().color(QPalette::Window),
              s.paleta.color(QPalette::Active, QPalette::Window));
    EXPECT_NE(QApplication::palette().color(QPalette::Window), antes.color(QPalette::Window));
    EXPECT_EQ(qApp->styleSheet(), s.hoja);
    EXPECT_EQ(v.barra->Estilo(), 5);
    EXPECT_EQ(v.barra->NormalBackColor(), RGB(122, 122, 122));
    EXPECT_TRUE(Fuente(v.chica, QStringLiteral("Segoe UI"), 9));
}

TEST(AplicarApariencia, SkinsCeroYSieteSonOffice2007ConSuEstiloDeBarra) {
    EntornoApariencia e;
    struct Caso {
        QByteArray numero;
        int estilo;
    };
    for (const Caso& c : {Caso{"0", 1}, Caso{"7", 2}}) {
        // The bar's own sections ask for another style: the explicit one wins.
        e.Ini("[OPERADOR1Styles]\nStyles=2\n[OPERADOR1_EMPRESA1Styles]\nStyles=" + c.numero + "\n");
        Ventana v;
        AplicarApariencia(&v, true);
        EXPECT_EQ(NombreCargado(v), QStringLiteral("Office 2007")) << c.numero.constData();
        EXPECT_EQ(v.barra->Estilo(), c.estilo) << c.numero.constData();
        RestablecerSkinPrograma();
    }
}

TEST(AplicarApariencia, LasFuentesHastaDocePuntosTomanLaConfigurada) {
    EntornoApariencia e;
    e.Ajustes("1", "Verdana", "10.5");
    Ventana v;
    AplicarApariencia(&v, true);
    EXPECT_TRUE(Fuente(v.chica, QStringLiteral("Verdana"), 10.5));
    EXPECT_TRUE(Fuente(v.doce, QStringLiteral("Verdana"), 10.5));
    EXPECT_TRUE(Fuente(v.titulo, QStringLiteral("Tahoma"), 14));
    EXPECT_TRUE(Fuente(v.simbolo, QStringLiteral("Marlett"), 8));
    // Inside frames and tab pages too; not inside a control of its own.
    for (QWidget* w : std::initializer_list<QWidget*>{v.texto, v.combo, v.boton, v.lista,
                                                      v.enPagina, v.pestanas->tabBar()})
        EXPECT_TRUE(Fuente(w, QStringLiteral("Verdana"), 10.5)) << w->metaObject()->className();
    EXPECT_TRUE(Fuente(v.compuesto->interna, QStringLiteral("Calibri"), 8));
    EXPECT_FALSE(Fuente(v.marco, QStringLiteral("Verdana"), 10.5));

    // A size that is no number changes the name only.
    e.Ajustes("1", "Georgia", "grande");
    AplicarApariencia(&v, true);
    EXPECT_TRUE(Fuente(v.chica, QStringLiteral("Georgia"), 10.5));
}

TEST(AplicarApariencia, SinEstiloPlanoSoloCambianLasFuentes) {
    EntornoApariencia e;
    e.Ajustes("2", "Verdana", "10");
    Ventana plana;
    Ventana conBordes;
    for (Ventana* v : {&plana, &conBordes})
        v->show();
    AplicarApariencia(&conBordes, false);
    AplicarApariencia(&plana, true);

    // Each window keeps its fonts while the other one is styled.
    EXPECT_TRUE(Fuente(conBordes.texto, QStringLiteral("Verdana"), 10));
    EXPECT_TRUE(Fuente(plana.texto, QStringLiteral("Verdana"), 10));
    EXPECT_TRUE(Fuente(plana.boton, QStringLiteral("Verdana"), 10));
    for (QWidget* w :
         std::initializer_list<QWidget*>{conBordes.texto, conBordes.combo, conBordes.boton})
        for (const char* marca : {"BorderStyle", "Appearance", "Style"})
            EXPECT_FALSE(w->property(marca).isValid()) << w->metaObject()->className() << marca;
    EXPECT_EQ(plana.texto->property("BorderStyle"), 1);
    EXPECT_EQ(plana.texto->property("Appearance"), 0);
    EXPECT_EQ(plana.combo->property("Appearance"), 0);
    EXPECT_EQ(plana.boton->property("Style"), 1);
    EXPECT_EQ(plana.boton->property("Appearance"), 0);
    EXPECT_FALSE(plana.lista->property("Appearance").isValid());
    EXPECT_FALSE(plana.marco->property("Appearance").isValid());

    // Luna draws a flat text box with a single blue-grey line, a text box
    // with borders with its sunken edge.
    const int medio = plana.texto->height() / 2;
    EXPECT_EQ(Pixel(plana.texto, 0, medio), QColor(0x7F, 0x9D, 0xB9));
    EXPECT_NE(Pixel(conBordes.texto, 0, medio), QColor(0x7F, 0x9D, 0xB9));

    // Another skin for one window styles every window again: the other one
    // keeps the configured font all the same.
    e.Ajustes("3", "Verdana", "10");
    AplicarApariencia(&plana, true);
    EXPECT_TRUE(Fuente(conBordes.texto, QStringLiteral("Verdana"), 10));
    EXPECT_TRUE(Fuente(conBordes.chica, QStringLiteral("Verdana"), 10));
}

TEST(AplicarApariencia, FrmMdiTomaSkinYEstiloDeBarraPeroNoFuentesNiPlanos) {
    EntornoApariencia e;
    e.Ajustes("3", "Verdana", "10");
    Ventana v;
    v.setObjectName(QStringLiteral("frmMDI"));
    AplicarApariencia(&v, true);
    EXPECT_EQ(NombreCargado(v), QStringLiteral("WinXP Royale"));
    EXPECT_EQ(v.barra->Estilo(), 4);
    EXPECT_TRUE(Fuente(v.chica, QStringLiteral("Calibri"), 8));
    EXPECT_TRUE(Fuente(v.texto, QStringLiteral("Calibri"), 8));
    EXPECT_FALSE(v.texto->property("Appearance").isValid());
    EXPECT_FALSE(v.boton->property("Appearance").isValid());
}

TEST(AplicarApariencia, UnaSegundaLlamadaCargaElSkinYCambiaLasFuentesOtraVez) {
    EntornoApariencia e;
    e.Ajustes("4", "Verdana", "10");
    Ventana v;
    AplicarApariencia(&v, true);
    e.Ajustes("1", "Georgia", "12");
    AplicarApariencia(&v, true);
    EXPECT_EQ(NombreCargado(v), QStringLiteral("Vista"));
    EXPECT_EQ(qApp->styleSheet(), v.Skin()->SkinCargado()->hoja);
    EXPECT_TRUE(Fuente(v.chica, QStringLiteral("Georgia"), 12));
    EXPECT_TRUE(Fuente(v.titulo, QStringLiteral("Tahoma"), 14));
    EXPECT_EQ(v.barra->Estilo(), 2);
    EXPECT_EQ(v.texto->property("Appearance"), 0);
    // The original look comes back in one step.
    RestablecerSkinPrograma();
    EXPECT_TRUE(qApp->styleSheet().isEmpty());
}

TEST(AplicarApariencia, UnSkinFaltanteODanadoDejaLaVentanaComoEstaba) {
    EntornoApariencia e;
    const QPalette original = QApplication::palette();
    QFile::remove(e.carpeta.ruta(QStringLiteral("Styles/Vista.cjstyles")));
    e.Ajustes("1", "Verdana", "10");
    Ventana v;
    AplicarApariencia(&v, true);
    EXPECT_EQ(QApplication::palette(), original);
    EXPECT_TRUE(qApp->styleSheet().isEmpty());
    EXPECT_FALSE(v.Skin()->SkinCargado());
    // The steps that do not need the skin still run.
    EXPECT_TRUE(Fuente(v.chica, QStringLiteral("Verdana"), 10));
    EXPECT_EQ(v.barra->Estilo(), 2);

    // A skin in place, then a damaged one chosen: the first stays.
    e.Ajustes("2");
    AplicarApariencia(&v, true);
    const QString luna = qApp->styleSheet();
    EXPECT_FALSE(luna.isEmpty());
    e.EscribirSkin(QStringLiteral("WinXP.Royale.cjstyles"), "[Skin]\nNombre = Royale\n[Estilo]\n");
    e.Ajustes("3");
    AplicarApariencia(&v, true);
    EXPECT_EQ(NombreCargado(v), QStringLiteral("WinXP Luna"));
    EXPECT_EQ(qApp->styleSheet(), luna);
    EXPECT_EQ(v.barra->Estilo(), 4);
}

TEST(AplicarApariencia, UnaVentanaSinComponenteDeSkinTomaFuentesYBarra) {
    EntornoApariencia e;
    e.Ajustes("2", "Verdana", "10");
    Ventana v(false);
    AplicarApariencia(&v, true);
    EXPECT_TRUE(qApp->styleSheet().isEmpty());
    EXPECT_TRUE(Fuente(v.chica, QStringLiteral("Verdana"), 10));
    EXPECT_EQ(v.barra->Estilo(), 3);
}

TEST(AplicarApariencia, LasDemasVentanasDelProgramaTomanElSkin) {
    EntornoApariencia e;
    e.Ajustes("0");
    Ventana v;
    AplicarApariencia(&v, true);
    const Skin& s = *v.Skin()->SkinCargado();
    // A search window opened afterwards: the skin's colours and sheet, its
    // own fonts.
    BusquedaQt busqueda(PeticionBusqueda{QStringLiteral("SELECT 1"), QString(), {}});
    busqueda.show();
    EXPECT_EQ(busqueda.palette().color(QPalette::WindowText),
              s.paleta.color(QPalette::Active, QPalette::WindowText));
    const QColor arriba = busqueda.grab().toImage().pixelColor(busqueda.width() / 2, 0);
    EXPECT_NEAR(arriba.red(), 0xDC, 3);
    EXPECT_NEAR(arriba.green(), 0xE9, 3);
    EXPECT_NEAR(arriba.blue(), 0xFB, 3);
    EXPECT_FALSE(busqueda.filtro()->property("Appearance").isValid());
}

TEST(SkinFramework, SinLaOpcionDeMetricasSoloLosColores) {
    EntornoApariencia e;
    SkinFramework s;
    ASSERT_TRUE(s.LoadSkin(e.carpeta.ruta(QStringLiteral("Styles/iTunes")),
                           QStringLiteral("Normalitunes.ini")));
    s.ApplyWindow(nullptr);
    EXPECT_EQ(QApplication::palette().color(QPalette::Highlight), QColor(0x2F, 0x64, 0xC0));
    EXPECT_TRUE(qApp->styleSheet().isEmpty());
    s.SetApplyOptions(s.ApplyOptions() | SkinFramework::kAplicarMetricas);
    s.ApplyWindow(nullptr);
    EXPECT_EQ(qApp->styleSheet(), s.SkinCargado()->hoja);
    // A failed load keeps the skin loaded before.
    EXPECT_FALSE(s.LoadSkin(e.carpeta.ruta(QStringLiteral("Styles/iTunes")), QString()));
    EXPECT_EQ(s.SkinCargado()->nombre, QStringLiteral("iTunes"));
}
