#pragma once
// Text typed or pasted into a field, as it may reach a statement.
#include <QString>

// The text without control characters (NUL, tabs, line breaks, escapes...):
// none of them belongs in a code, a date or a name, and some would cut or
// change the statement they are placed in.
QString SinCaracteresDeControl(const QString& texto);
