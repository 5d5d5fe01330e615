#include "MotorSqlServer.h"
#include "ErrorVB.h"
#include <QRegularExpression>
#include <QSqlQuery>

QString MotorSqlServer::DriverOdbc() {
    const QString d = qEnvironmentVariable("TARQUEL_ODBC_DRIVER").trimmed();
    return d.isEmpty() ? QStringLiteral("FreeTDS") : d;
}

QString MotorSqlServer::CadenaOdbc(const CadenaConexion& cadena, const QString& driverOdbc) {
    if (cadena.esOdbcDirecto())
        return cadena.sinProveedor();
    QString servidor = cadena.valorDe({"Server", "Data Source", "Address"});
    QString puerto;
    // "host,port" names the port the way SQL Server clients write it.
    const int coma = servidor.indexOf(u',');
    if (coma >= 0) {
        puerto = servidor.mid(coma + 1).trimmed();
        servidor = servidor.left(coma).trimmed();
    }
    QString r =
        QStringLiteral("DRIVER={") + driverOdbc + QStringLiteral("};SERVER=") + servidor + u';';
    if (!puerto.isEmpty())
        r += QStringLiteral("PORT=") + puerto + u';';
    r += QStringLiteral("DATABASE=") + cadena.valorDe({"Database", "Initial Catalog"}) + u';';
    r += QStringLiteral("UID=") + cadena.valorDe({"UId", "User Id", "User ID"}) + u';';
    r += QStringLiteral("PWD={") + cadena.valorDe({"Pwd", "Password"}) + QStringLiteral("};");
    if (driverOdbc.contains(QStringLiteral("FreeTDS"), Qt::CaseInsensitive))
        r += QStringLiteral("TDS_Version=7.4;ClientCharset=UTF-8;");
    return r;
}

std::optional<ErrorProveedor>
MotorSqlServer::configurar(QSqlDatabase& db, const CadenaConexion& cadena, int segundosConexion) {
    db.setDatabaseName(CadenaOdbc(cadena, DriverOdbc()));
    db.setConnectOptions(QStringLiteral("SQL_ATTR_LOGIN_TIMEOUT=") +
                         QString::number(std::max(1, segundosConexion)) +
                         QStringLiteral(";SQL_ATTR_CONNECTION_TIMEOUT=") +
                         QString::number(std::max(1, segundosConexion)));
    return std::nullopt;
}

ErrorProveedor MotorSqlServer::mapearError(const QSqlError& error) const {
    const QString texto =
        error.databaseText().isEmpty() ? error.driverText() : error.databaseText();
    // The ODBC driver reports the SQL state and the native code of the first
    // diagnostic record; Qt joins the native codes with ";".
    const QString nativo = error.nativeErrorCode().section(u';', 0, 0).trimmed();
    static const QRegularExpression estado(QStringLiteral("\\b([0-9A-Z]{5})\\b"));
    ErrorProveedor e;
    e.Description = texto;
    e.Number = CodigosError::ErrorComando;
    bool esNumero = false;
    e.NativeError = nativo.toLong(&esNumero);
    if (!esNumero) {
        // Some drivers give the SQL state as the code.
        e.SQLState = nativo;
        e.NativeError = 0;
    }
    if (e.SQLState.isEmpty()) {
        const auto m = estado.match(texto);
        if (m.hasMatch())
            e.SQLState = m.captured(1);
    }
    // SQLite's own ODBC driver: its messages name the constraint, not a code.
    if (texto.contains(QStringLiteral("constraint failed"), Qt::CaseInsensitive) ||
        texto.contains(QStringLiteral("no such table"), Qt::CaseInsensitive)) {
        ErrorProveedor s = ErrorDeTextoSqlite(texto, static_cast<int>(e.NativeError));
        return s;
    }
    if (e.SQLState.startsWith(QStringLiteral("08")) || e.NativeError == 10054 ||
        e.NativeError == 20004 || e.NativeError == 20006) {
        // Communication link failures mean the network dropped.
        e.NativeError = CodigosNativos::ErrorDeRed;
        e.Number = CodigosError::FalloProveedor;
    } else if (e.NativeError == CodigosNativos::ClaveDuplicada ||
               e.NativeError == CodigosNativos::ConflictoRestriccion || e.NativeError == 2601) {
        e.Number = CodigosError::ViolacionIntegridad;
    } else if (e.NativeError == CodigosNativos::ObjetoInvalido) {
        e.Number = CodigosError::ObjetoInexistente;
    }
    if (error.type() == QSqlError::ConnectionError)
        e.Number = CodigosError::FalloProveedor;
    return e;
}

bool MotorSqlServer::cambiarBase(QSqlDatabase& db, const QString& base, QString&) {
    QSqlQuery q(db);
    return q.exec(QStringLiteral("USE [") + QString(base).replace(u']', QStringLiteral("]]")) +
                  QStringLiteral("]"));
}
