#pragma once
// The suite's stored procedures that the embedded engine answers itself. A
// call "EXEC name @Parametro = value" (the value a literal or a "?" mark)
// becomes a statement over the engine's own tables, so callers run the same
// text on every engine.
#include <QString>

namespace ProcedimientosSqlite {

// The statement that answers the call in sql, in the program's SQL Server
// dialect; empty when sql calls no procedure known here.
//   sp1_getCfg @Campo = value: the row of TA_CONFIGURACION whose key is the
//   trimmed value, as the columns Valor and ValorAux.
QString Sentencia(const QString& sql);

} // namespace ProcedimientosSqlite
