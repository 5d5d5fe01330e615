#pragma once
// Rows read with SQLite's own interface on the connection Qt opened: a value
// becomes a QString or a number only when asked for, from the UTF-8 SQLite
// keeps, instead of every column of every row turned into UTF-16 QVariants.
// Values and column names come out as Qt's SQLite driver gives them.
#include "CacheSentenciasSqlite.h"
#include "FlujoFilas.h"
#include <QSqlDatabase>
#include <memory>
#include <string>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

class FlujoSqlite : public FlujoFilas {
public:
    // The SQLite handle of an open QSQLITE connection; nullptr otherwise.
    static sqlite3* Handle(const QSqlDatabase& db);

    // Statements with values are taken from cache when one is given.
    explicit FlujoSqlite(sqlite3* db, std::shared_ptr<CacheSentenciasSqlite> cache = {})
        : db_(db), cache_(std::move(cache)) {}
    ~FlujoSqlite() override;
    FlujoSqlite(const FlujoSqlite&) = delete;
    FlujoSqlite& operator=(const FlujoSqlite&) = delete;

    bool ejecutar(const QString& texto) override;
    bool ejecutar(const QString& texto, const QList<QVariant>& valores) override;
    QStringList campos() const override;
    bool siguiente() override;
    QSqlError error() const override { return error_; }
    QVariant valor(int i) const override;
    QString texto(int i) const override;

private:
    void fallo(const char* queHacia, int codigo);
    void terminar();
    bool enlazar(const QList<QVariant>& valores);

    // The last text of each column and what it was made from: rows that
    // repeat a value (the lines of one voucher) share one string instead of
    // decoding and allocating it again.
    struct UltimoTexto {
        int tipo = 0;
        qint64 entero = 0;
        double real = 0;
        std::string bytes;
        QString texto;
    };
    mutable std::vector<UltimoTexto> ultimos_;

    sqlite3* db_;
    std::shared_ptr<CacheSentenciasSqlite> cache_;
    sqlite3_stmt* st_ = nullptr;
    bool deCache_ = false;
    QSqlError error_;
};
