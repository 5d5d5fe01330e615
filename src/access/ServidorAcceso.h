#pragma once
// How the access window reads a server: the suite writes a port after a colon
// ("srv01:1433"), SQL Server itself after a comma ("srv01,1433"), and a local
// folder is the embedded engine's server, never split.
#include <QString>

namespace ServidorAcceso {

constexpr int kPuertoSqlServer = 1433;

// True when the server is a local folder (the embedded engine).
bool EsCarpeta(const QString& servidor);
// The server part of a registration's name: trimmed, upper-cased, cut before
// the first ":" (a folder is only trimmed and upper-cased).
QString NombreServidor(const QString& servidor);

// A registered server split for the window: the server upper-cased and
// trimmed up to the first ":", and the port after it. Without a colon (or for
// a folder) the server as it is and no port.
struct ServidorYPuerto {
    QString servidor;
    QString puerto;
};
ServidorYPuerto SepararPuerto(const QString& servidor);

// The server to connect to for what the window shows: a server in SQL
// Server's own form ("host,port"), a folder, an Oracle server or an empty one
// as it is (trimmed); "host:port" in SQL Server's form; a plain host with the
// port box's number when that is not SQL Server's default.
QString ServidorConexion(const QString& servidor, const QString& puerto, int plataforma);
// The server written in a registration: as typed (trimmed), with the port box's
// number after a colon when the server names no port and the number is not
// SQL Server's default, so that choosing it later gives the same port.
QString ServidorRegistro(const QString& servidor, const QString& puerto, int plataforma);

} // namespace ServidorAcceso
