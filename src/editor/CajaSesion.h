#pragma once
// The session's cash box as the status bar shows it: the box of the session
// ("1" when none was given) is registered in the cash-box table when missing.
#include <QString>

class DB_Dll;

// Registers the box when the table lacks it; returns the box number, a blank
// and its description.
QString CajaSesion(DB_Dll& db);
