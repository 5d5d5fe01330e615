#pragma once
// A PostgreSQL server of the test's own: a new cluster in a temporary folder
// (its socket there too), trust authentication on 127.0.0.1 and a free
// loopback port. The Debian packages keep the server programs in
// /usr/lib/postgresql/<version>/bin, off the PATH. initdb and the server
// refuse to run as root: as root they run as the package's "postgres" user,
// through runuser, in a folder that user owns. The server is stopped when the
// object goes and, should the test process die first, by a watchdog that
// ends with the process.
#include "CarpetaTemporal.h"
#include <QString>
#include <optional>

class ServidorPostgres {
public:
    // Why a server cannot be made on this machine (missing packages); nothing
    // when it can.
    static std::optional<QString> Falta();

    ServidorPostgres();
    ~ServidorPostgres();
    ServidorPostgres(const ServidorPostgres&) = delete;
    ServidorPostgres& operator=(const ServidorPostgres&) = delete;

    // Creates the cluster; false with error() when it fails.
    bool Crear();
    bool Arrancar();
    // Fast: the sessions are ended politely. Otherwise immediate: the server
    // quits at once, as a crash or a pulled cable looks to a client.
    bool Parar(bool rapido);

    int puerto() const { return puerto_; }
    QString error() const { return error_; }

private:
    bool correr(const QString& programa, const QStringList& argumentos);
    void vigilar();

    CarpetaTemporal dir_;
    QString bin_;
    int puerto_ = 0;
    bool enMarcha_ = false;
    bool vigilado_ = false;
    QString error_;
};
