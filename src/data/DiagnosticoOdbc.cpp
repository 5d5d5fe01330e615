#include "DiagnosticoOdbc.h"
#include <QSqlDriver>
#include <sql.h>
#include <sqlext.h>

namespace DiagnosticoOdbc {
namespace {
// The ODBC handle a QVariant of Qt's ODBC driver carries; nullptr otherwise.
SQLHANDLE manejador(const QVariant& v) {
    if (!v.isValid() || v.metaType() != QMetaType::fromType<void*>())
        return nullptr;
    return *static_cast<const SQLHANDLE*>(v.constData());
}
} // namespace

QStringList EstadosSentencia(const QVariant& sentencia) {
    QStringList estados;
    SQLHANDLE h = manejador(sentencia);
    if (h == nullptr)
        return estados;
    for (SQLSMALLINT i = 1; i <= 16; ++i) {
        SQLCHAR estado[SQL_SQLSTATE_SIZE + 1] = {};
        SQLCHAR texto[256] = {};
        SQLINTEGER nativo = 0;
        SQLSMALLINT largo = 0;
        const SQLRETURN r =
            SQLGetDiagRec(SQL_HANDLE_STMT, h, i, estado, &nativo, texto, sizeof texto, &largo);
        if (!SQL_SUCCEEDED(r))
            break;
        estados << QString::fromLatin1(reinterpret_cast<const char*>(estado), SQL_SQLSTATE_SIZE);
    }
    return estados;
}

bool ConexionMuerta(const QSqlDatabase& db) {
    if (!db.isValid() || db.driverName() != QLatin1String("QODBC") || db.driver() == nullptr)
        return false;
    SQLHANDLE h = manejador(db.driver()->handle());
    if (h == nullptr)
        return false;
    SQLUINTEGER muerta = SQL_CD_FALSE;
    const SQLRETURN r = SQLGetConnectAttr(h, SQL_ATTR_CONNECTION_DEAD, &muerta, 0, nullptr);
    return SQL_SUCCEEDED(r) && muerta == SQL_CD_TRUE;
}

} // namespace DiagnosticoOdbc
