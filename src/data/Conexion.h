#pragma once
// The database connection as the program's routines use it: opened from an
// ADO-style connection string, with its state, time-outs, cursor location,
// default database, transactions, schema reading and the provider-error
// collection. Each engine's differences live in its Motor.
#include "ErrorProveedor.h"
#include "FalloInyectado.h"
#include "Motor.h"
#include <QList>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <memory>
#include <vector>

class Recordset;

namespace Ubicaciones {
constexpr int Servidor = 2;
constexpr int Cliente = 3;
} // namespace Ubicaciones

class Conexion {
public:
    Conexion();
    ~Conexion();
    Conexion(const Conexion&) = delete;
    Conexion& operator=(const Conexion&) = delete;

    QString ConnectionString;
    int ConnectionTimeout = 15;
    int CommandTimeout = 30;
    int CursorLocation = Ubicaciones::Servidor;
    long IsolationLevel = 4096;

    // 0 closed, 1 open.
    int State() const;
    // Opens with cadena (or ConnectionString when empty). Raises 3705 when
    // already open, -2147467259 with a provider error when it cannot open.
    void Open(const QString& cadena = {});
    void Close();
    void SetDefaultDatabase(const QString& base);
    QString DefaultDatabase() const { return base_; }
    void SetIsolationLevel(long nivel);

    // Runs a statement (or a batch); the rows of a SELECT come back as a
    // result set when conResultado is true.
    std::unique_ptr<Recordset> Execute(const QString& sql, long* afectados = nullptr,
                                       bool conResultado = false);
    void BeginTrans();
    void CommitTrans();
    void RollbackTrans();

    // Provider errors of the last failing operation.
    QList<ErrorProveedor> Errors;

    QStringList Tablas();
    QStringList Columnas(const QString& tabla);

    // The engine in use (SQL Server before the first open).
    MotorBD motor() const;

    void InyectarFallo(const FalloInyectado& fallo);
    void QuitarFallos() { fallos_.clear(); }

    // Used by result sets.
    QSqlDatabase& db() { return db_; }
    Motor* motorActivo() const { return motor_.get(); }
    void registrar(Recordset* rs);
    void quitar(Recordset* rs);
    // Before another statement goes out: results still being read are
    // fetched whole when the engine allows one active result at a time.
    void antesDeSentencia(const Recordset* excepto);
    // Counts a call and raises the injected failure that matches it.
    void comprobarFallo(FalloInyectado::Operacion op);
    // Records the driver error in Errors and raises it; sentencia is the
    // driver's handle of the failed statement, when there is one. A failure
    // that lost the link to the server closes the connection (its result
    // sets too) and is raised as the network failure, so the recovery opens
    // it again instead of finding it still open.
    [[noreturn]] void fallar(const QSqlError& error, const QVariant& sentencia = {});
    [[noreturn]] void fallar(const QSqlQuery& q);
    [[noreturn]] void fallar(const ErrorProveedor& error);
    void exigirAbierta() const;

private:
    QString nombre_;
    QSqlDatabase db_;
    std::unique_ptr<Motor> motor_;
    QString base_;
    std::vector<Recordset*> abiertos_;
    std::vector<FalloInyectado> fallos_;

    // Closes the result sets and the connection.
    void cerrarTodo();
};
