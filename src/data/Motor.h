#pragma once
// What differs per database engine: how an ADO-style connection string becomes
// a Qt SQL connection, how statements are rewritten before they reach the
// driver, how driver errors map onto the provider codes the routines test, and
// how the schema is read.
#include "CadenaConexion.h"
#include "ErrorProveedor.h"
#include "FlujoFilas.h"
#include "UtilGeneral.h"
#include <QHash>
#include <QSqlDatabase>
#include <QSqlError>
#include <QStringList>
#include <memory>

class Motor {
public:
    virtual ~Motor() = default;

    virtual MotorBD tipo() const = 0;
    // The Qt SQL driver name ("QSQLITE", "QODBC", "QOCI").
    virtual QString driver() const = 0;
    // Prepares db from the connection string; an error when it cannot be used.
    virtual std::optional<ErrorProveedor> configurar(QSqlDatabase& db, const CadenaConexion& cadena,
                                                     int segundosConexion) = 0;
    // Runs as soon as the connection is open: why the database cannot be
    // used, if it cannot (the open then fails).
    virtual std::optional<ErrorProveedor> comprobarAlAbrir(QSqlDatabase&) { return std::nullopt; }
    // Runs once the connection is open and usable (session settings).
    virtual void alAbrir(QSqlDatabase&) {}
    // The text that reaches the driver for a statement of the program.
    virtual QString traducir(const QString& sql) const { return sql; }
    // The same for a statement whose values come apart ("?" marks): its
    // text repeats, so the translation is kept.
    const QString& traducirFija(const QString& sql);
    // Runs before the connection closes (statements kept for it go).
    virtual void antesDeCerrar() {}
    // The single statements of a batch, in order.
    virtual QStringList dividirLote(const QString& sql) const { return {sql}; }
    // A reader of the rows of one statement on db.
    virtual std::unique_ptr<FlujoFilas> flujo(const QSqlDatabase& db) const;
    // True when the connection allows one active result at a time, so a
    // result still being read must be fetched whole before another statement.
    virtual bool unResultadoActivo() const { return false; }
    // The provider error for a driver error; sentencia is the driver's
    // handle of the failed statement, when there is one.
    virtual ErrorProveedor mapearError(const QSqlError& error, const QVariant& sentencia) const = 0;
    // True when a failure on the open connection db lost the link to the
    // server, whatever the provider error says: the connection cannot be used
    // until it is opened again. Qt's connection-error type by default.
    virtual bool enlacePerdido(QSqlDatabase& db, const QSqlError& error, const ErrorProveedor& e);
    // Switches the connection's default database; false when not possible.
    virtual bool cambiarBase(QSqlDatabase& db, const QString& base, QString& nombreConexion) = 0;
    // The statement that sets the isolation level to read uncommitted.
    virtual QString leerSinConfirmar() const { return {}; }
    // Names of the tables and views.
    virtual QStringList tablas(QSqlDatabase& db) const;
    // Names of the columns of a table.
    virtual QStringList columnas(QSqlDatabase& db, const QString& tabla) const;

    // The engine a connection string names.
    static std::unique_ptr<Motor> Para(const CadenaConexion& cadena);

private:
    QHash<QString, QString> fijas_;
};

// The provider error of an error text whose engine is SQLite (directly or
// through its ODBC driver), and of SQLite's result code: constraint, schema
// and syntax errors keep the native codes of SQL Server; a busy, read-only,
// full or damaged database gets the codes of CodigosNativos.
ErrorProveedor ErrorDeTextoSqlite(const QString& texto, int codigoSqlite);
