#pragma once
// What an ODBC driver itself says about a failure, read from its handles
// instead of from the text of its message: the SQL states of the diagnostic
// records of a statement, and whether the driver holds its connection for
// dead. Both work on the handles of Qt's ODBC driver (QODBC).
#include <QSqlDatabase>
#include <QStringList>
#include <QVariant>

namespace DiagnosticoOdbc {

// The SQL states of the diagnostic records of a statement, in order; sentencia
// is the handle of a QODBC result (QSqlResult::handle()). Empty when there is
// no such handle or no record.
QStringList EstadosSentencia(const QVariant& sentencia);
// True when the driver reports the connection of db as dead
// (SQL_ATTR_CONNECTION_DEAD); false when db is not a QODBC connection or the
// driver cannot tell.
bool ConexionMuerta(const QSqlDatabase& db);

} // namespace DiagnosticoOdbc
