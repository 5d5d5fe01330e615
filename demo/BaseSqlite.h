#pragma once
// A thin owner of one SQLite connection and its prepared statements, used by
// the demo generator. The first failure is kept: callers go on and check
// error() once at the end of a step.
#include <QString>
#include <cstdint>
#include <string>

struct sqlite3;
struct sqlite3_stmt;

class BaseSqlite {
public:
    // Opens the file, creating it when missing.
    explicit BaseSqlite(const QString& archivo);
    ~BaseSqlite();
    BaseSqlite(const BaseSqlite&) = delete;
    BaseSqlite& operator=(const BaseSqlite&) = delete;

    bool correcta() const { return error_.isEmpty(); }
    QString error() const { return error_; }
    void anotarError(const QString& contexto);

    // Runs one or more statements.
    bool ejecutar(const std::string& sql);
    // Runs the statements of sql in order, except index creations, whose
    // texts are appended to indices to be run once the tables are filled.
    bool ejecutarSinIndices(const std::string& sql, std::string* indices);

    sqlite3* conexion() const { return db_; }

private:
    sqlite3* db_ = nullptr;
    QString error_;
};

// A prepared statement whose parameters are bound in order, one call each,
// and which is run, reset and ready for the next row by insertar().
class Sentencia {
public:
    Sentencia(BaseSqlite& base, const char* sql);
    ~Sentencia();
    Sentencia(const Sentencia&) = delete;
    Sentencia& operator=(const Sentencia&) = delete;

    Sentencia& texto(const std::string& valor);
    // An empty text is bound as null.
    Sentencia& textoONulo(const std::string& valor);
    Sentencia& entero(std::int64_t valor);
    Sentencia& real(double valor);
    Sentencia& nulo();
    void insertar();

private:
    BaseSqlite& base_;
    sqlite3_stmt* st_ = nullptr;
    int indice_ = 0;
};
