#pragma once
// Fixture databases built by the test itself: SQLite files in a temporary
// folder, reached the way the program reaches a server (the folder is the
// server, each database a file in it).
#include "CarpetaTemporal.h"
#include "ReinicioPrueba.h"
#include <QString>
#include <memory>

class DB_Dll;

class BaseDePrueba {
public:
    // Creates the database nombre in a new folder and runs ddl on it
    // (statements separated by ";").
    explicit BaseDePrueba(const QString& nombre = QStringLiteral("PRUEBA"),
                          const QString& ddl = {});

    QString carpeta() const { return dir_.ruta().chopped(1); }
    QString nombre() const { return nombre_; }
    // The ADO connection string the program builds for this database.
    QString cadena() const;
    // Another database in the same folder.
    void crear(const QString& nombre, const QString& ddl) const;
    // Runs statements on the database outside the program's objects.
    void ejecutar(const QString& sql) const { ejecutarEn(nombre_, sql); }
    void ejecutarEn(const QString& base, const QString& sql) const;
    // The first column of the first row of a query, as text ("" when no row).
    QString valor(const QString& sql) const;
    // Number of rows of a query.
    int filas(const QString& sql) const;

    // Connects the main data-access object to this database as start-up does.
    void conectar(DB_Dll& db) const;

private:
    CarpetaTemporal dir_;
    QString nombre_;
};
