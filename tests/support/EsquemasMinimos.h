#pragma once
// The few tables the tests of the data layer, the configuration and the
// start-up need, with the suite's text semantics (codes compare without
// regard to letter case).
#include <QString>

inline const QString kTablaConfiguracion = QStringLiteral(
    "CREATE TABLE TA_CONFIGURACION (CLAVE TEXT COLLATE NOCASE NOT NULL, GRUPO TEXT COLLATE NOCASE "
    "NOT NULL DEFAULT '', VALOR TEXT COLLATE NOCASE, ValorAux TEXT COLLATE NOCASE, PoliticaNegocio "
    "INTEGER, PRIMARY KEY (CLAVE, GRUPO));");

inline const QString kTablaUsuarios = QStringLiteral(
    "CREATE TABLE TA_USUARIOS (Nombre TEXT COLLATE NOCASE NOT NULL, PassWord TEXT, Administrador "
    "INTEGER, SISTEMA TEXT COLLATE NOCASE, PRIMARY KEY (Nombre, SISTEMA));");

inline const QString kTablaCuentas = QStringLiteral(
    "CREATE TABLE MA_CUENTAS (Codigo TEXT COLLATE NOCASE PRIMARY KEY, CodigoOpcional TEXT COLLATE "
    "NOCASE, Descripcion TEXT COLLATE NOCASE, Titulo INTEGER DEFAULT 0, FechaAlta TEXT);"
    "CREATE TABLE AUX_ERR (Proceso TEXT, Fecha TEXT, Error INTEGER, Descripcion TEXT "
    "CONSTRAINT LONGITUD_AUX_ERR_Descripcion CHECK (length(Descripcion) <= 250), sql TEXT, PC "
    "TEXT, Usuario TEXT);"
    "CREATE TABLE MOVIMIENTOS (Id INTEGER PRIMARY KEY, Cuenta TEXT COLLATE NOCASE REFERENCES "
    "MA_CUENTAS (Codigo), Importe REAL);");
