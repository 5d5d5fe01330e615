#pragma once
// The progress sign, answered by the test: Cancel is pressed at the n-th showing.
#include "CargaAsientos.h"
#include <QStringList>

class AvanceGuion : public AvanceCarga {
public:
    int cancelarEn = -1;
    int mostrados = 0;
    QStringList titulos;
    void Iniciar(const QString& t) override { titulos << t; }
    bool Mostrar(const QString&, const QString&, const QString&) override {
        return ++mostrados == cancelarEn;
    }
    void Cerrar() override {}
    void Porcentaje(int) override {}
    void LimpiarPorcentaje() override {}
};
