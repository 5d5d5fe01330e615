#pragma once
// The first 100 bytes of a SQLite file, read without opening it as a
// database: enough to tell a file cut short from a whole one, and a file in
// WAL mode.
#include <QString>
#include <optional>

struct CabeceraSqlite {
    qint64 tamanoArchivo = 0;
    bool firma = false; // starts with "SQLite format 3"
    bool wal = false;   // read and write versions 2: the file is in WAL mode
    qint64 paginas = 0; // database size in pages, when the header vouches for it
    qint64 tamanoPagina = 0;

    // The header of archivo; nothing when the file cannot be read. Never on a
    // file this process has open as a database: closing the file drops every
    // lock the process holds on it.
    static std::optional<CabeceraSqlite> Leer(const QString& archivo);
    // The header from the file's first (up to) 100 bytes and its size.
    static CabeceraSqlite Interpretar(const QByteArray& inicio, qint64 tamanoArchivo);
    // True when the file is shorter than the pages its header counts: it was
    // cut short (a copy or a transfer that stopped half-way).
    bool truncado() const { return paginas > 0 && tamanoArchivo < paginas * tamanoPagina; }
};
