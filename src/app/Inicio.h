#pragma once
#include "ErrorVB.h"
// The start of the program: the start-up sequence that connects and opens the
// session, then the main window shown modally; closing it ends the program.

// The process entry; returns the exit code.
int Main();
// Progress sign, parameter string, connection, statistics connection,
// configuration, login and entry log, in that order.
void IniciarAplicacion();
// The start-up error trap: the progress sign is closed; the invalid-argument
// error (5) resumes with the next step, any other error ends the process
// silently.
int TrampaInicio(const ErrorVB& e);
// Opens the statistics database and takes the command time-out from it.
void ConectarEstadisticas();
