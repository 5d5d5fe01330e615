// Compiled into every program that links the window library: a program that
// installs no dialog side of its own shows real windows.
#include "DialogosQt.h"

namespace {
const bool registrado = [] {
    EstablecerFabricaDialogos([] { return std::make_shared<DialogosQt>(); });
    return true;
}();
} // namespace
