#pragma once
// The main window over the editor's journal, shown, for tests that drive it.
#include "BaseEditor.h"
#include "FrmTarquel.h"
#include "ReinicioPrueba.h"
#include "Sesion.h"
#include <gtest/gtest.h>
#include <memory>

class VentanaEditor : public ::testing::Test {
protected:
    void SetUp() override {
        guion = ReiniciarProceso();
        base = std::make_unique<BaseEditor>();
        sesion().gCantidadDecimales = QStringLiteral("2");
        ventana = std::make_unique<FrmTarquel>();
        ventana->show();
    }
    std::shared_ptr<DialogosGuion> guion;
    std::unique_ptr<BaseEditor> base;
    std::unique_ptr<FrmTarquel> ventana;
};
