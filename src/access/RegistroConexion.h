#pragma once
// "Registrar" of the access window: the typed connection is tested on a
// connection of its own and, when it opens, appended to the registered
// connections. The program's own data-access object and its connection are
// never touched: whether the session reconnects is its callers' decision.
#include "BasesRegistradas.h"
#include <QString>

// The test of a connection: opens a connection of its own with the provider,
// server, database, user and password, closes it and tells whether it opened.
bool ExisteBaseDeDatos(const QString& servidor, const QString& base, const QString& usuario,
                       const QString& clave, const QString& proveedor);

// What the window holds when "Registrar" is pressed.
struct ConexionTipeada {
    QString servidor;
    QString base;
    QString usuario;
    QString clave;
    QString puerto;
    int plataforma = 0;
};

enum class ResultadoRegistro {
    Registrada,   // appended
    YaExiste,     // "La conexion que intenta registrar ya existe "
    NoSeConecta,  // "NO SE PUDO CONECTAR AL SERVIDOR ..."
    NoSeEscribio, // the connection opened but the line could not be written (reported)
};

// Registers the typed connection in bases; the messages go through the dialog
// seam. puertoSesion receives the port the registration used (1433 when the
// box holds no number). The helper "ODBC.exe" (or an executable "ODBC") of
// the application folder is started after a registration.
ResultadoRegistro RegistrarConexion(const ConexionTipeada& datos, const BasesRegistradas& bases,
                                    QString& puertoSesion);

// Starts the helper of carpeta, if any, with "Server=...;DB=...;" and does not
// wait for it; true when one was started.
bool IniciarAyudanteOdbc(const QString& carpeta, const QString& servidor, const QString& base);
