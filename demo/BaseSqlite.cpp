#include "BaseSqlite.h"

#include <cctype>
#include <sqlite3.h>

namespace {

// The statement text without leading blanks and "--" comment lines.
std::string SinComentariosIniciales(const char* texto) {
    std::string t(texto);
    std::size_t i = 0;
    while (i < t.size()) {
        if (isspace(static_cast<unsigned char>(t[i]))) {
            ++i;
        } else if (t.compare(i, 2, "--") == 0) {
            const std::size_t fin = t.find('\n', i);
            i = fin == std::string::npos ? t.size() : fin + 1;
        } else {
            break;
        }
    }
    return t.substr(i);
}

bool CreaIndice(const std::string& sentencia) {
    std::string inicio = sentencia.substr(0, 20);
    for (char& c : inicio)
        c = static_cast<char>(toupper(static_cast<unsigned char>(c)));
    return inicio.rfind("CREATE INDEX", 0) == 0 || inicio.rfind("CREATE UNIQUE INDEX", 0) == 0;
}

} // namespace

BaseSqlite::BaseSqlite(const QString& archivo) {
    const QByteArray ruta = archivo.toUtf8();
    if (sqlite3_open_v2(ruta.constData(), &db_,
                        SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX,
                        nullptr) != SQLITE_OK)
        anotarError(QStringLiteral("No se pudo abrir %1").arg(archivo));
}

BaseSqlite::~BaseSqlite() {
    sqlite3_close_v2(db_);
}

void BaseSqlite::anotarError(const QString& contexto) {
    if (error_.isEmpty())
        error_ = contexto + QStringLiteral(": ") + QString::fromUtf8(sqlite3_errmsg(db_));
}

bool BaseSqlite::ejecutar(const std::string& sql) {
    if (sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK) {
        anotarError(QString::fromStdString(sql.substr(0, 80)));
        return false;
    }
    return true;
}

bool BaseSqlite::ejecutarSinIndices(const std::string& sql, std::string* indices) {
    const char* resto = sql.c_str();
    while (*resto) {
        sqlite3_stmt* st = nullptr;
        const char* siguiente = nullptr;
        if (sqlite3_prepare_v2(db_, resto, -1, &st, &siguiente) != SQLITE_OK) {
            anotarError(QString::fromStdString(SinComentariosIniciales(resto).substr(0, 80)));
            return false;
        }
        if (st) {
            const std::string texto = SinComentariosIniciales(sqlite3_sql(st));
            bool bien = true;
            if (CreaIndice(texto))
                indices->append(texto).append(";\n");
            else
                bien = sqlite3_step(st) == SQLITE_DONE;
            sqlite3_finalize(st);
            if (!bien) {
                anotarError(QString::fromStdString(texto.substr(0, 80)));
                return false;
            }
        }
        resto = siguiente;
    }
    return true;
}

Sentencia::Sentencia(BaseSqlite& base, const char* sql) : base_(base) {
    if (sqlite3_prepare_v2(base.conexion(), sql, -1, &st_, nullptr) != SQLITE_OK)
        base_.anotarError(QString::fromUtf8(sql).left(80));
}

Sentencia::~Sentencia() {
    sqlite3_finalize(st_);
}

Sentencia& Sentencia::texto(const std::string& valor) {
    sqlite3_bind_text(st_, ++indice_, valor.data(), static_cast<int>(valor.size()),
                      SQLITE_TRANSIENT);
    return *this;
}

Sentencia& Sentencia::textoONulo(const std::string& valor) {
    return valor.empty() ? nulo() : texto(valor);
}

Sentencia& Sentencia::entero(std::int64_t valor) {
    sqlite3_bind_int64(st_, ++indice_, valor);
    return *this;
}

Sentencia& Sentencia::real(double valor) {
    sqlite3_bind_double(st_, ++indice_, valor);
    return *this;
}

Sentencia& Sentencia::nulo() {
    sqlite3_bind_null(st_, ++indice_);
    return *this;
}

void Sentencia::insertar() {
    if (st_ && sqlite3_step(st_) != SQLITE_DONE)
        base_.anotarError(QString::fromUtf8(sqlite3_sql(st_)).left(80));
    sqlite3_reset(st_);
    sqlite3_clear_bindings(st_);
    indice_ = 0;
}
