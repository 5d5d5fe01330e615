#pragma once
// Compiled statements of one SQLite connection kept by their text, so a
// lookup repeated with new values (one per voucher during a load) is parsed
// once. A statement in use is never handed out twice; texts beyond the limit
// are prepared and finalized each time.
#include <QByteArray>
#include <QHash>

struct sqlite3;
struct sqlite3_stmt;

class CacheSentenciasSqlite {
public:
    static constexpr int kLimite = 64;

    CacheSentenciasSqlite() = default;
    ~CacheSentenciasSqlite() { Vaciar(); }
    CacheSentenciasSqlite(const CacheSentenciasSqlite&) = delete;
    CacheSentenciasSqlite& operator=(const CacheSentenciasSqlite&) = delete;

    // The statement of texto on db, ready for its values; nullptr with the
    // SQLite code in rc when it does not compile or holds more than one
    // statement.
    sqlite3_stmt* Tomar(sqlite3* db, const QByteArray& texto, int& rc);
    // Gives a statement back once its rows are read.
    void Devolver(sqlite3_stmt* st);
    // Finalizes the kept statements: before their connection closes.
    void Vaciar();
    int Guardadas() const { return static_cast<int>(entradas_.size()); }

private:
    struct Entrada {
        sqlite3_stmt* st = nullptr;
        bool enUso = false;
    };
    sqlite3* db_ = nullptr;
    QHash<QByteArray, Entrada> entradas_;
};
