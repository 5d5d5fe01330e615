#pragma once
// Every process-wide value of the program back to what a new process starts
// with: the session, both data-access objects (their connections closed), the
// statement counters, the statement builders' pending fields, the dialog
// side, the search dialog object, the progress sign, the program's folder and
// command line, the document launcher, the reconnection pause and the load's
// time slice. Tests start every case here.
void RestablecerProceso();
