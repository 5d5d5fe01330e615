#include "CacheSentenciasSqlite.h"
#include <sqlite3.h>

sqlite3_stmt* CacheSentenciasSqlite::Tomar(sqlite3* db, const QByteArray& texto, int& rc) {
    if (db != db_) {
        Vaciar();
        db_ = db;
    }
    const auto it = entradas_.find(texto);
    if (it != entradas_.end() && !it->enUso) {
        it->enUso = true;
        rc = SQLITE_OK;
        return it->st;
    }
    sqlite3_stmt* st = nullptr;
    const char* resto = nullptr;
    rc = sqlite3_prepare_v3(db, texto.constData(), static_cast<int>(texto.size()),
                            SQLITE_PREPARE_PERSISTENT, &st, &resto);
    if (rc != SQLITE_OK)
        return nullptr;
    if (st == nullptr) { // only blanks or comments
        rc = SQLITE_MISUSE;
        return nullptr;
    }
    if (resto != nullptr && !QByteArray(resto).trimmed().isEmpty()) {
        sqlite3_finalize(st);
        rc = SQLITE_MISUSE;
        return nullptr;
    }
    if (it == entradas_.end() && entradas_.size() < kLimite)
        entradas_.insert(texto, Entrada{st, true});
    return st;
}

void CacheSentenciasSqlite::Devolver(sqlite3_stmt* st) {
    if (st == nullptr)
        return;
    for (auto it = entradas_.begin(); it != entradas_.end(); ++it) {
        if (it->st == st) {
            sqlite3_reset(st);
            sqlite3_clear_bindings(st);
            it->enUso = false;
            return;
        }
    }
    sqlite3_finalize(st);
}

void CacheSentenciasSqlite::Vaciar() {
    // A statement still in use is finalized by its reader when given back.
    for (const Entrada& e : std::as_const(entradas_))
        if (!e.enUso)
            sqlite3_finalize(e.st);
    entradas_.clear();
    db_ = nullptr;
}
