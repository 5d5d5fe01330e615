#pragma once
// The grid load: runs the entry query and fills the grid with one header row
// per voucher followed by its lines, behind a cancellable progress sign, then
// computes the totals of the selection.
#include "CuentaPrincipal.h"
#include "FiltroAsientos.h"
#include "Totales.h"
#include <functional>

class ModeloAsientos;

// What the load shows while it runs: the progress sign and the percentage bar.
class AvanceCarga {
public:
    virtual ~AvanceCarga() = default;
    virtual void Iniciar(const QString& titulo) = 0;
    // Shows the three lines, lets pending events run; true when Cancel was pressed.
    virtual bool Mostrar(const QString& l1, const QString& l2, const QString& l3) = 0;
    virtual void Cerrar() = 0;
    virtual void Porcentaje(int porcentaje) = 0;
    virtual void LimpiarPorcentaje() = 0;
};

// A progress nobody sees: it shows nothing and never asks to cancel.
class AvanceMudo : public AvanceCarga {
public:
    void Iniciar(const QString&) override {}
    bool Mostrar(const QString&, const QString&, const QString&) override { return false; }
    void Cerrar() override {}
    void Porcentaje(int) override {}
    void LimpiarPorcentaje() override {}
};

struct ResultadoCarga {
    bool completa = false; // false when the user cancelled or an error ended it
    bool conTotales = false;
    TotalesDH totales;
    long lineas = 0;
};

class CargaAsientos {
public:
    CargaAsientos(ModeloAsientos& grilla, AvanceCarga& avance) : grilla_(grilla), avance_(avance) {}

    // Loads the lines matching the parameters. datosCabecera tells, at every
    // line, whether the principal-account data is wanted; lectura, how its
    // voucher data is read. The totals are those of the filter, or those of the
    // grid when it shows only part of the filter ("Contiene Cuenta", a cancelled
    // or interrupted load).
    ResultadoCarga
    CargarAsientos(const ParametrosConsulta& parametros, const std::function<bool()>& datosCabecera,
                   CuentaPrincipal::Lectura lectura = CuentaPrincipal::Lectura::EnConjuntos);

    // How often the load publishes rows and lets window events run.
    static constexpr int kIntervaloMs = 30;
    static int intervaloMs;

private:
    ResultadoCarga cargar(const ParametrosConsulta& parametros,
                          const std::function<bool()>& datosCabecera,
                          CuentaPrincipal::Lectura lectura);

    ModeloAsientos& grilla_;
    AvanceCarga& avance_;
};
