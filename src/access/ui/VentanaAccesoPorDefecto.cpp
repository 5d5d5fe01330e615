// Compiled into every program that links the access window: the Qt side of
// the dialog seam shows it for the access exchange.
#include "DialogosQt.h"
#include "frmAcceso.h"

namespace {
const bool registrada = [] {
    EstablecerVentanaAcceso([](DatosAcceso& datos) { return frmAcceso::Mostrar(datos); });
    return true;
}();
} // namespace
