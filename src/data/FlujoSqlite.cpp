#include "FlujoSqlite.h"
#include "UtilGeneral.h"
#include <QSqlDriver>
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
    sqlite3_finalize(st_);
}

void FlujoSqlite::fallo(const char* queHacia, int codigo) {
    error_ = QSqlError(QString::fromLatin1(queHacia), QString::fromUtf8(sqlite3_errmsg(db_)),
                       QSqlError::StatementError, QString::number(codigo));
}

bool FlujoSqlite::ejecutar(const QString& texto) {
    const QByteArray utf8 = texto.toUtf8();
    const char* resto = nullptr;
    const int rc =
        sqlite3_prepare_v2(db_, utf8.constData(), static_cast<int>(utf8.size()), &st_, &resto);
    if (rc != SQLITE_OK) {
        fallo("Unable to execute statement", rc);
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
    sqlite3_finalize(st_);
    st_ = nullptr;
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
    switch (sqlite3_column_type(st_, i)) {
    case SQLITE_TEXT: {
        const auto* p = reinterpret_cast<const char*>(sqlite3_column_text(st_, i));
        return QString::fromUtf8(p, sqlite3_column_bytes(st_, i));
    }
    case SQLITE_INTEGER:
        return QString::number(static_cast<qint64>(sqlite3_column_int64(st_, i)));
    case SQLITE_NULL:
        return {};
    default:
        return UtilGeneral::ValorTexto(valor(i));
    }
}
