#include "ReinicioPrueba.h"
#include "DB_Dll.h"
#include "Programa.h"
#include "ReinicioProceso.h"

std::shared_ptr<DialogosGuion> ReiniciarProceso() {
    RestablecerProceso();
    DB_Dll::esperaReconexionMs = 0;
    Programa::TerminarLanzando(true);
    auto guion = std::make_shared<DialogosGuion>();
    EstablecerDialogos(guion);
    return guion;
}
