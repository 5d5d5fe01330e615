#pragma once
// Rewrites the program's SQL Server statements for the embedded SQLite engine:
// table hints, TOP, the server's functions, Jet date literals and the dbo
// owner. Text inside string literals is never touched.
#include <QString>
#include <QStringList>

namespace TraduccionSqlite {

QString Traducir(const QString& sql);
// Splits a batch into single statements: at ";" and at line breaks that start
// a new statement, never inside a literal. Empty statements are dropped.
QStringList DividirLote(const QString& sql);

} // namespace TraduccionSqlite
