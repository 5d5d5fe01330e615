#pragma once
// Rows read with SQLite's own interface on the connection Qt opened: a value
// becomes a QString or a number only when asked for, from the UTF-8 SQLite
// keeps, instead of every column of every row turned into UTF-16 QVariants.
// Values and column names come out as Qt's SQLite driver gives them.
#include "FlujoFilas.h"
#include <QSqlDatabase>

struct sqlite3;
struct sqlite3_stmt;

class FlujoSqlite : public FlujoFilas {
public:
    // The SQLite handle of an open QSQLITE connection; nullptr otherwise.
    static sqlite3* Handle(const QSqlDatabase& db);

    explicit FlujoSqlite(sqlite3* db) : db_(db) {}
    ~FlujoSqlite() override;
    FlujoSqlite(const FlujoSqlite&) = delete;
    FlujoSqlite& operator=(const FlujoSqlite&) = delete;

    bool ejecutar(const QString& texto) override;
    QStringList campos() const override;
    bool siguiente() override;
    QSqlError error() const override { return error_; }
    QVariant valor(int i) const override;
    QString texto(int i) const override;

private:
    void fallo(const char* queHacia, int codigo);

    sqlite3* db_;
    sqlite3_stmt* st_ = nullptr;
    QSqlError error_;
};
