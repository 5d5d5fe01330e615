#include "FlujoSqlite.h"
#include "UtilGeneral.h"
#include <QSqlDriver>
#include <cstring>
#include <sqlite3.h>

sqlite3* FlujoSqlite::Handle(const QSqlDatabase& db) {
    if (!db.isOpen() || db.driver() == nullptr)
        return nullptr;
    const QVariant h = db.driver()->handle();
    if (!h.isValid() || qstrcmp(h.typeName(), "sqlite3*") != 0)
        return nullptr;
    return *static_cast<sqlite3* const*>(h.constData());
}

FlujoSqlite::~FlujoSqlite() {
    terminar();
}

void FlujoSqlite::terminar() {
    if (deCache_)
        cache_->Devolver(st_);
    else
        sqlite3_finalize(st_);
    st_ = nullptr;
    deCache_ = false;
}

void FlujoSqlite::fallo(const char* queHacia, int codigo) {
    error_ = QSqlError(QString::fromLatin1(queHacia), QString::fromUtf8(sqlite3_errmsg(db_)),
                       QSqlError::StatementError, QString::number(codigo));
}

bool FlujoSqlite::ejecutar(const QString& texto) {
    ultimos_.clear();
    const QByteArray utf8 = texto.toUtf8();
    const char* resto = nullptr;
    const int rc =
        sqlite3_prepare_v2(db_, utf8.constData(), static_cast<int>(utf8.size()), &st_, &resto);
    if (rc != SQLITE_OK) {
        fallo("Unable to execute statement", rc);
        return false;
    }
    if (st_ == nullptr) {
        // Only blanks or comments: nothing to run, as Qt's driver says.
        error_ =
            QSqlError(QStringLiteral("Unable to execute statement"), QStringLiteral("No query"),
                      QSqlError::StatementError, QString::number(SQLITE_MISUSE));
        return false;
    }
    // One statement at a time, as through Qt's driver.
    if (resto != nullptr && !QByteArray(resto).trimmed().isEmpty()) {
        error_ = QSqlError(QStringLiteral("Unable to execute multiple statements at a time"),
                           QString(), QSqlError::StatementError, QString::number(SQLITE_MISUSE));
        return false;
    }
    return true;
}

bool FlujoSqlite::ejecutar(const QString& texto, const QList<QVariant>& valores) {
    ultimos_.clear();
    if (!cache_) {
        if (!ejecutar(texto))
            return false;
    } else {
        int rc = SQLITE_OK;
        st_ = cache_->Tomar(db_, texto.toUtf8(), rc);
        if (st_ == nullptr) {
            if (rc == SQLITE_MISUSE)
                error_ = QSqlError(QStringLiteral("Unable to execute statement"),
                                   QStringLiteral("No query, or more than one statement"),
                                   QSqlError::StatementError, QString::number(rc));
            else
                fallo("Unable to execute statement", rc);
            return false;
        }
        deCache_ = true;
    }
    return enlazar(valores);
}

bool FlujoSqlite::enlazar(const QList<QVariant>& valores) {
    if (valores.size() != sqlite3_bind_parameter_count(st_)) {
        error_ = QSqlError(QStringLiteral("Parameter count mismatch"), QString(),
                           QSqlError::StatementError, QString::number(SQLITE_RANGE));
        terminar();
        return false;
    }
    for (int i = 0; i < valores.size(); ++i) {
        const QVariant& v = valores[i];
        const int n = i + 1;
        auto enlazarTexto = [&](const QString& texto) {
            const QByteArray t = texto.toUtf8();
            return sqlite3_bind_text64(st_, n, t.constData(), static_cast<sqlite3_uint64>(t.size()),
                                       SQLITE_TRANSIENT, SQLITE_UTF8);
        };
        int rc = SQLITE_OK;
        const int tipo = v.typeId();
        if (tipo == QMetaType::QString) {
            rc = enlazarTexto(v.toString());
        } else if (tipo == QMetaType::QByteArray) {
            const QByteArray b = v.toByteArray();
            rc = sqlite3_bind_blob64(st_, n, b.constData(), static_cast<sqlite3_uint64>(b.size()),
                                     SQLITE_TRANSIENT);
        } else if (v.isNull()) {
            rc = sqlite3_bind_null(st_, n);
        } else if (tipo == QMetaType::Int || tipo == QMetaType::UInt ||
                   tipo == QMetaType::LongLong || tipo == QMetaType::Bool) {
            rc = sqlite3_bind_int64(st_, n, v.toLongLong());
        } else if (tipo == QMetaType::Double || tipo == QMetaType::Float) {
            rc = sqlite3_bind_double(st_, n, v.toDouble());
        } else {
            rc = enlazarTexto(v.toString());
        }
        if (rc != SQLITE_OK) {
            fallo("Unable to bind parameters", rc);
            terminar();
            return false;
        }
    }
    return true;
}

QStringList FlujoSqlite::campos() const {
    QStringList r;
    const int n = st_ != nullptr ? sqlite3_column_count(st_) : 0;
    for (int i = 0; i < n; ++i)
        r << QString::fromUtf8(sqlite3_column_name(st_, i)).remove(u'"');
    return r;
}

bool FlujoSqlite::siguiente() {
    if (st_ == nullptr)
        return false;
    const int rc = sqlite3_step(st_);
    if (rc == SQLITE_ROW)
        return true;
    if (rc != SQLITE_DONE)
        fallo("Unable to fetch row", rc);
    terminar();
    return false;
}

QVariant FlujoSqlite::valor(int i) const {
    switch (sqlite3_column_type(st_, i)) {
    case SQLITE_INTEGER:
        return QVariant(static_cast<qint64>(sqlite3_column_int64(st_, i)));
    case SQLITE_FLOAT:
        return QVariant(sqlite3_column_double(st_, i));
    case SQLITE_NULL:
        return QVariant(QMetaType::fromType<QString>());
    case SQLITE_BLOB:
        return QByteArray(static_cast<const char*>(sqlite3_column_blob(st_, i)),
                          sqlite3_column_bytes(st_, i));
    default:
        return texto(i);
    }
}

QString FlujoSqlite::texto(int i) const {
    if (ultimos_.empty())
        ultimos_.resize(static_cast<std::size_t>(std::max(0, sqlite3_column_count(st_))));
    UltimoTexto& u = ultimos_[static_cast<std::size_t>(i)];
    const int tipo = sqlite3_column_type(st_, i);
    switch (tipo) {
    case SQLITE_TEXT: {
        const auto* p = reinterpret_cast<const char*>(sqlite3_column_text(st_, i));
        const auto n = static_cast<std::size_t>(sqlite3_column_bytes(st_, i));
        if (u.tipo != SQLITE_TEXT || u.bytes.size() != n ||
            std::memcmp(u.bytes.data(), p, n) != 0) {
            u.tipo = SQLITE_TEXT;
            u.bytes.assign(p, n);
            u.texto = QString::fromUtf8(p, static_cast<qsizetype>(n));
        }
        return u.texto;
    }
    case SQLITE_INTEGER: {
        const auto v = static_cast<qint64>(sqlite3_column_int64(st_, i));
        if (u.tipo != SQLITE_INTEGER || u.entero != v) {
            u.tipo = SQLITE_INTEGER;
            u.entero = v;
            u.texto = QString::number(v);
        }
        return u.texto;
    }
    case SQLITE_FLOAT: {
        const double v = sqlite3_column_double(st_, i);
        if (u.tipo != SQLITE_FLOAT || u.real != v) {
            u.tipo = SQLITE_FLOAT;
            u.real = v;
            u.texto = UtilGeneral::ValorTexto(QVariant(v));
        }
        return u.texto;
    }
    case SQLITE_NULL:
        return {};
    default:
        return UtilGeneral::ValorTexto(valor(i));
    }
}
