#pragma once
// The lookup control's own database connection: a data-access object of its
// own, opened from the connection string the container supplies, never the
// program's main one. It reads the configuration through the stored procedure
// "sp1_getCfg", runs the searches and reports its run-time errors in the
// control's own copy of the error dialog.
#include "DB_Dll.h"
#include "SentenciasBusqueda.h"
#include <QList>
#include <QString>

class ConexionBusqueda {
public:
    ConexionBusqueda() = default;
    ConexionBusqueda(const ConexionBusqueda&) = delete;
    ConexionBusqueda& operator=(const ConexionBusqueda&) = delete;

    QString ConnString;
    // Set once AbrirConexion has run to its end.
    bool Conectado = false;
    // From the configuration at connection time.
    bool DeshabilitarBCArticulos = false;
    bool DeshabilitarBCTodos = false;

    // Opens the connection from ConnString, makes the database it names the
    // default one and reads the two switches of the lookups.
    void AbrirConexion();
    // The value of a configuration key, " " when it is missing; ValorAux gets
    // its auxiliary value.
    QString sp_Cfg(const QString& Campo, QString& ValorAux);
    // The rows of a search statement, in the returned order; a failure ends
    // the rows silently.
    QList<FilaBusqueda> Filas(const QString& sentencia, const QString& campoDescripcion,
                              const QString& campoCodigo);

    // The connection (created on first use), for the quick add.
    Conexion& conexion() { return db_.conexion(); }

    // The control's error dialog: the program's error text with the title
    // suffix " Aviso al operador!!! ", no log. Returns the answer.
    static int TratamientoErrores(const ErrorVB& CodErr, int Botones = 18,
                                  const QString& Rutina = {});
    // The database a connection string names: the value of its "database"
    // key. Raises the invalid-argument error when there is none.
    static QString BaseDeCadena(const QString& cadena);

private:
    DB_Dll db_;
};
