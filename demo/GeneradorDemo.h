#pragma once
// The demo databases: the schema of every suite table the program reads or
// writes, for the embedded SQLite engine, and a deterministic generator that
// fills it with a realistic chart of accounts, vouchers and settings.
#include <QString>

// The schema texts of the main database and of the statistics database
// "QD_ESTADISTICAS", as plain SQL.
QString EsquemaPrincipal();
QString EsquemaEstadisticas();

// Creates <carpeta>/<base>.db and <carpeta>/QD_ESTADISTICAS.db, replacing
// existing files, with about `lineas` journal lines (exactly that many; 0 gives
// the master data alone, 1 is refused). The same arguments always produce the
// same content. On failure returns false and describes it in *error.
bool GenerarDemo(const QString& carpeta, const QString& base, int lineas, QString* error);

// Runs the statements of sql on the database file archivoDb, creating the file
// when it is missing; fixtures use it with the schema texts above.
bool EjecutarEsquema(const QString& archivoDb, const QString& sql, QString* error);
