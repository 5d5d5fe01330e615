#include "MotorSqlServer.h"
#include "DiagnosticoOdbc.h"
#include "ErrorVB.h"
#include <QSqlQuery>
#include <QSqlResult>
#include <algorithm>

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

namespace {
bool esEstado(const QString& t) {
    if (t.size() != 5)
        return false;
    for (const QChar c : t)
        if (!((c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'Z')))
            return false;
    return true;
}

// The SQL states Qt (from 6.5 on) writes after the last ", " of the driver's
// text, one per diagnostic record joined by ";"; empty when the text has no
// such ending.
QStringList estadosAlFinal(const QString& texto) {
    const qsizetype coma = texto.lastIndexOf(QStringLiteral(", "));
    if (coma < 0)
        return {};
    const QStringList partes = texto.mid(coma + 2).trimmed().split(u';');
    for (const QString& p : partes)
        if (!esEstado(p))
            return {};
    return partes;
}

// True for a SQL state the server itself gave: the statement reached it.
// The driver's own classes (HY, S1, IM), the connection's (08) and an empty
// state say nothing of the kind.
bool delServidor(const QString& estado) {
    if (!esEstado(estado))
        return false;
    for (const char* clase : {"HY", "S1", "IM", "08"})
        if (estado.startsWith(QLatin1String(clase)))
            return false;
    return true;
}

bool claseConexion(const QStringList& estados) {
    return std::any_of(estados.begin(), estados.end(),
                       [](const QString& s) { return s.startsWith(QStringLiteral("08")); });
}
} // namespace

ErrorProveedor MotorSqlServer::mapearError(const QSqlError& error,
                                           const QVariant& sentencia) const {
    const QString texto =
        error.databaseText().isEmpty() ? error.driverText() : error.databaseText();
    // The SQL states come from the driver's diagnostic records; the text is
    // only read where Qt writes them at its end.
    QStringList estados = DiagnosticoOdbc::EstadosSentencia(sentencia);
    if (estados.isEmpty())
        estados = estadosAlFinal(error.databaseText());
    // Qt joins the native codes of the records with ";".
    const QString nativo = error.nativeErrorCode().section(u';', 0, 0).trimmed();
    ErrorProveedor e;
    e.Description = texto;
    e.Number = CodigosError::ErrorComando;
    bool esNumero = false;
    e.NativeError = nativo.toLong(&esNumero);
    if (!esNumero) {
        // Some drivers give the SQL state as the code.
        e.NativeError = 0;
        if (estados.isEmpty() && esEstado(nativo))
            estados << nativo;
    }
    e.SQLState = estados.value(0);
    // SQLite's own ODBC driver: its messages name the constraint, not a code.
    if (texto.contains(QStringLiteral("constraint failed"), Qt::CaseInsensitive) ||
        texto.contains(QStringLiteral("no such table"), Qt::CaseInsensitive)) {
        ErrorProveedor s = ErrorDeTextoSqlite(texto, static_cast<int>(e.NativeError));
        return s;
    }
    if (claseConexion(estados) || e.NativeError == 10054 || e.NativeError == 20004 ||
        e.NativeError == 20006) {
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

bool MotorSqlServer::enlacePerdido(QSqlDatabase& db, const QSqlError& error,
                                   const ErrorProveedor& e) {
    if (Motor::enlacePerdido(db, error, e) || DiagnosticoOdbc::ConexionMuerta(db))
        return true;
    if (delServidor(e.SQLState))
        return false; // the server answered
    // The driver could not tell: a statement that costs nothing, on the same
    // connection. It fails for a lost link with a connection error, a state
    // of class 08, a connection the driver now holds for dead, or no state
    // at all; any other failure of it (a connection still busy with the
    // failed statement) leaves the connection as it is.
    QSqlQuery sonda(db);
    if (sonda.exec(QStringLiteral("SELECT 1")))
        return false;
    const QStringList estados = DiagnosticoOdbc::EstadosSentencia(
        sonda.result() != nullptr ? sonda.result()->handle() : QVariant());
    return sonda.lastError().type() == QSqlError::ConnectionError || estados.isEmpty() ||
           claseConexion(estados) || DiagnosticoOdbc::ConexionMuerta(db);
}

bool MotorSqlServer::cambiarBase(QSqlDatabase& db, const QString& base, QString&) {
    QSqlQuery q(db);
    return q.exec(QStringLiteral("USE [") + QString(base).replace(u']', QStringLiteral("]]")) +
                  QStringLiteral("]"));
}
