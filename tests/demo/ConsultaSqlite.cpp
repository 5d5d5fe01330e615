#include "ConsultaSqlite.h"

#include <sqlite3.h>

ConsultaSqlite::ConsultaSqlite(const QString& archivo) {
    sqlite3_open_v2(archivo.toUtf8().constData(), &db_, SQLITE_OPEN_READWRITE, nullptr);
}

ConsultaSqlite::~ConsultaSqlite() {
    sqlite3_close_v2(db_);
}

QStringList ConsultaSqlite::filas(const std::string& sql) {
    QStringList resultado;
    sqlite3_stmt* st = nullptr;
    if (sqlite3_prepare_v2(db_, sql.c_str(), -1, &st, nullptr) != SQLITE_OK)
        return {QStringLiteral("ERROR: ") + QString::fromUtf8(sqlite3_errmsg(db_))};
    while (sqlite3_step(st) == SQLITE_ROW) {
        QStringList columnas;
        for (int i = 0; i < sqlite3_column_count(st); ++i)
            columnas << QString::fromUtf8(
                reinterpret_cast<const char*>(sqlite3_column_text(st, i)));
        resultado << columnas.join(QLatin1Char('|'));
    }
    sqlite3_finalize(st);
    return resultado;
}

QString ConsultaSqlite::texto(const std::string& sql) {
    const QStringList f = filas(sql);
    return f.isEmpty() ? QString() : f.first();
}

std::int64_t ConsultaSqlite::numero(const std::string& sql) {
    return texto(sql).toLongLong();
}

bool ConsultaSqlite::ejecutar(const std::string& sql, QString* error) {
    char* mensaje = nullptr;
    const bool bien = sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, &mensaje) == SQLITE_OK;
    if (!bien && error)
        *error = QString::fromUtf8(mensaje);
    sqlite3_free(mensaje);
    return bien;
}

QStringList ConsultaSqlite::volcado() {
    QStringList resultado;
    for (const QString& tabla :
         filas("SELECT name FROM sqlite_master WHERE type = 'table' ORDER BY name")) {
        resultado << QStringLiteral("== ") + tabla;
        resultado << filas("SELECT * FROM \"" + tabla.toStdString() + "\" ORDER BY rowid");
    }
    return resultado;
}
