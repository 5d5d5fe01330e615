#include "BaseDePrueba.h"
#include "CargaAsientos.h"
#include "DB_Dll.h"
#include "DialogosGuion.h"
#include "Dll_Display.h"
#include "FrmTarquel.h"
#include "GeneradorDemo.h"
#include "Lbf_CtrlDisplay.h"
#include "ModeloAsientos.h"
#include "Sesion.h"
#include "Totales.h"
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

TEST(CartelDeProgreso, LineasCancelarYCierre) {
    Dll_Display d;
    bool cancelado = true;
    d.CartelMostrar(cancelado, QStringLiteral("uno")); // before any start: hidden, not cancelled
    ASSERT_NE(d.ventana(), nullptr);
    EXPECT_FALSE(cancelado);
    EXPECT_FALSE(d.ventana()->isVisible());
    d.CartelInicio(QStringLiteral("Cargando Asientos"), true);
    EXPECT_TRUE(d.ventana()->isVisible());
    EXPECT_EQ(d.ventana()->windowTitle(), QStringLiteral("Cargando Asientos"));
    d.CartelMostrar(cancelado, QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"));
    d.CartelMostrar(cancelado, QStringLiteral("solo la primera"));
    EXPECT_EQ(d.ventana()->LblCtrol[0]->text(), QStringLiteral("solo la primera"));
    EXPECT_EQ(d.ventana()->LblCtrol[1]->text(), QStringLiteral("b"));
    EXPECT_EQ(d.ventana()->LblCtrol[2]->text(), QStringLiteral("c"));
    EXPECT_FALSE(cancelado);
    d.ventana()->CmdDisplayCancelar->click();
    EXPECT_EQ(d.ventana()->CmdDisplayCancelar->text(), QStringLiteral("Abortado"));
    d.CartelMostrar(cancelado);
    EXPECT_TRUE(cancelado);
    d.CartelCerrar();
    EXPECT_EQ(d.ventana(), nullptr);
    d.CartelInicio(QString(), false); // a fresh sign, not cancelled
    d.CartelMostrar(cancelado);
    EXPECT_FALSE(cancelado);
    EXPECT_FALSE(d.ventana()->CmdDisplayCancelar->isVisible());
    d.CartelCerrar();
}

TEST(CartelDeProgreso, NoQuedaDetrasDeUnaVentanaModal) {
    Dll_Display d;
    d.CartelInicio(QStringLiteral("Conectando Base de Datos"), false);
    ASSERT_TRUE(d.ventana()->isVisible());
    QDialog modal;
    modal.setWindowModality(Qt::ApplicationModal);
    modal.show();
    EXPECT_FALSE(d.ventana()->isVisible());
    modal.hide();
    EXPECT_TRUE(d.ventana()->isVisible());
    // A sign that was not showing is not brought up by a modal window.
    d.CartelCerrar();
    bool cancelado = false;
    d.CartelMostrar(cancelado);
    modal.show();
    modal.hide();
    EXPECT_FALSE(d.ventana()->isVisible());
    d.CartelCerrar();
}

namespace {
// The demo journal, big enough that a load is still running when the sign is
// pressed, with the sign on every row.
class CargaLarga : public ::testing::Test {
protected:
    void SetUp() override {
        guion = ReiniciarProceso();
        QString error;
        ASSERT_TRUE(GenerarDemo(base.carpeta(), base.nombre(), kLineas, &error))
            << error.toStdString();
        base.conectar(gDB());
        sesion().gCantidadDecimales = QStringLiteral("2");
        CargaAsientos::intervaloMs = 0;
        // As start-up shows it: modal, so every window that is not its own is blocked.
        principal = std::make_unique<FrmTarquel>();
        principal->setWindowModality(Qt::ApplicationModal);
        principal->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(principal.get()));
    }
    // Runs the load; accion acts on the real sign each time events run,
    // until it returns true.
    void cargarMientras(const std::function<bool(Lbf_CtrlDisplay&)>& accion) {
        QTimer reloj;
        reloj.setInterval(0);
        QObject::connect(&reloj, &QTimer::timeout, [&] {
            Lbf_CtrlDisplay* v = gDisplay().ventana();
            if (v != nullptr && v->isVisible() && accion(*v))
                reloj.stop();
        });
        reloj.start();
        principal->CmdEjecutar->click();
    }
    QStringList preguntas() const {
        QStringList r;
        for (const PromptRegistrado& p : guion->prompts)
            if (p.texto == QLatin1String("Desea cancelar el proceso?") &&
                p.titulo == QLatin1String("Atencion") && p.estilo == EstilosMensaje::SiNo)
                r << p.texto;
        return r;
    }
    static constexpr int kLineas = 2000;
    std::shared_ptr<DialogosGuion> guion;
    BaseDePrueba base{QStringLiteral("DEMO")};
    std::unique_ptr<FrmTarquel> principal;
};

// What the user does on the sign, through the window system: a blocked
// window would drop it.
void clic(Lbf_CtrlDisplay& v) {
    QTest::mouseClick(v.windowHandle(), Qt::LeftButton, {},
                      v.CmdDisplayCancelar->geometry().center());
}
void tecla(Lbf_CtrlDisplay& v, Qt::Key k) {
    QTest::keyClick(v.windowHandle(), k);
}
} // namespace

TEST_F(CargaLarga, CancelarDelCartelLlegaALaCargaYNoLaDejaSeguir) {
    guion->respuestas.enqueue(Respuestas::No);
    guion->respuestas.enqueue(Respuestas::Si);
    int filasAlPrimero = -1;
    int filasAlSegundo = -1;
    QString tituloDelSegundo;
    cargarMientras([&](Lbf_CtrlDisplay& v) {
        if (v.cancelado())
            return false;
        if (filasAlPrimero < 0) {
            EXPECT_EQ(v.windowTitle(), QStringLiteral("Cargando Asientos"));
            filasAlPrimero = principal->Grilla().FilasGrid();
            clic(v);
            return false;
        }
        // After "No" the load goes on behind a fresh sign; its Cancel has the keyboard.
        if (principal->Grilla().FilasGrid() < filasAlPrimero + 200)
            return false;
        filasAlSegundo = principal->Grilla().FilasGrid();
        tituloDelSegundo = v.windowTitle();
        tecla(v, Qt::Key_Return);
        return true;
    });
    EXPECT_EQ(preguntas().size(), 2);
    EXPECT_EQ(tituloDelSegundo, QString());
    EXPECT_GE(filasAlSegundo, filasAlPrimero + 200);
    // "Sí" leaves at once: the rows loaded so far stay, and the label sums
    // those rows, not the whole filter.
    EXPECT_LT(principal->Grilla().FilasGrid() - 1, kLineas);
    EXPECT_GE(principal->Grilla().FilasGrid(), filasAlSegundo);
    EXPECT_EQ(principal->LblSuma->text(),
              CalculaDiferenciaDH(principal->Grilla())
                  .texto.replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    EXPECT_EQ(gDisplay().ventana(), nullptr);
    EXPECT_FALSE(principal->Cargando());
    // The keyboard is back in the main window, on the grid.
    EXPECT_TRUE(QTest::qWaitForWindowActive(principal.get()));
    EXPECT_EQ(QApplication::focusWidget(), principal->MSFlexGrid1);
}

TEST_F(CargaLarga, ConNoLaCargaTerminaYLasTeclasDelCartelTambienCancelan) {
    // Space and Esc press Cancel as well; each "No" lets the load go on to its end.
    guion->respuestas.enqueue(Respuestas::No);
    guion->respuestas.enqueue(Respuestas::No);
    QList<Qt::Key> teclas = {Qt::Key_Space, Qt::Key_Escape};
    cargarMientras([&](Lbf_CtrlDisplay& v) {
        if (v.cancelado())
            return false;
        EXPECT_EQ(v.focusWidget(), v.CmdDisplayCancelar);
        tecla(v, teclas.takeFirst());
        if (!teclas.isEmpty())
            return false;
        CargaAsientos::intervaloMs = CargaAsientos::kIntervaloMs; // the rest at the usual pace
        return true;
    });
    EXPECT_EQ(preguntas().size(), 2);
    EXPECT_TRUE(principal->LblSuma->text().startsWith(QStringLiteral("Debe : ")));
    int lineas = 0;
    for (int f = 1; f < principal->Grilla().FilasGrid(); ++f)
        lineas += principal->Grilla().EsLinea(f) ? 1 : 0;
    EXPECT_EQ(lineas, kLineas);
}

TEST_F(CargaLarga, UnMensajeDuranteLaCargaOcultaElCartelYLoDevuelve) {
    guion->respuestas.enqueue(Respuestas::Si);
    cargarMientras([&](Lbf_CtrlDisplay& v) {
        QMessageBox aviso;
        aviso.setWindowModality(Qt::ApplicationModal);
        aviso.show();
        EXPECT_FALSE(v.isVisible()); // never left behind the message
        aviso.hide();
        EXPECT_TRUE(v.isVisible());
        clic(v); // and it still takes the mouse
        EXPECT_TRUE(v.cancelado());
        return true;
    });
    EXPECT_EQ(preguntas().size(), 1);
}
