#include "Dll_Display.h"
#include "Lbf_CtrlDisplay.h"
#include <QDialog>
#include <QLabel>
#include <QPushButton>
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
