#pragma once
// Reads a demo database through the SQLite C API for the tests: single
// values, rows as "a|b|c" texts, statements, and a dump of every table.
#include <QString>
#include <QStringList>
#include <cstdint>
#include <string>

struct sqlite3;

class ConsultaSqlite {
public:
    explicit ConsultaSqlite(const QString& archivo);
    ~ConsultaSqlite();
    ConsultaSqlite(const ConsultaSqlite&) = delete;
    ConsultaSqlite& operator=(const ConsultaSqlite&) = delete;

    std::int64_t numero(const std::string& sql);
    QString texto(const std::string& sql);
    QStringList filas(const std::string& sql);
    // Runs a statement; on failure returns false with SQLite's message.
    bool ejecutar(const std::string& sql, QString* error = nullptr);
    // Every table's rows, table by table in name order, rows in rowid order.
    QStringList volcado();

private:
    sqlite3* db_ = nullptr;
};
