#pragma once
// SQL Server through ODBC. The statements reach the server exactly as the
// program writes them. The ODBC driver is named by the environment variable
// TARQUEL_ODBC_DRIVER ("FreeTDS" when unset; Windows' own "SQL Server" or
// "ODBC Driver 17 for SQL Server" there). A raw ODBC string (PROVIDER=MSDASQL,
// or DSN=/DRIVER=) is passed to the driver as it stands.
#include "Motor.h"

class MotorSqlServer : public Motor {
public:
    MotorBD tipo() const override { return MotorBD::SqlServer; }
    QString driver() const override { return QStringLiteral("QODBC"); }
    std::optional<ErrorProveedor> configurar(QSqlDatabase& db, const CadenaConexion& cadena,
                                             int segundosConexion) override;
    bool unResultadoActivo() const override { return true; }
    // The SQL states of the driver's diagnostic records: a state of class 08
    // (or a driver's link-failure code) is the network failure.
    ErrorProveedor mapearError(const QSqlError& error, const QVariant& sentencia) const override;
    // Besides Qt's connection-error type: the driver holds the connection for
    // dead, or, when the error carries no state of the server, a probe
    // statement fails as a lost link does.
    bool enlacePerdido(QSqlDatabase& db, const QSqlError& error, const ErrorProveedor& e) override;
    bool cambiarBase(QSqlDatabase& db, const QString& base, QString& nombreConexion) override;
    QString leerSinConfirmar() const override {
        return QStringLiteral("SET TRANSACTION ISOLATION LEVEL READ UNCOMMITTED");
    }

    // The ODBC connection string for an ADO SQL Server string.
    static QString CadenaOdbc(const CadenaConexion& cadena, const QString& driverOdbc);
    static QString DriverOdbc();
};
