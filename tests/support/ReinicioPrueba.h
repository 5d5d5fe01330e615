#pragma once
// Every test case starts from a fresh process: the program's own reset, then
// what tests need on top of it (no pause between reconnection attempts, the
// end of the program raised as an exception, the scripted dialog side).
#include "DialogosGuion.h"
#include <memory>

// Resets the process and installs a new scripted dialog side, returned.
std::shared_ptr<DialogosGuion> ReiniciarProceso();
