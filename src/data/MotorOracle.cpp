#include "MotorOracle.h"
#include "ErrorVB.h"

std::optional<ErrorProveedor> MotorOracle::configurar(QSqlDatabase& db,
                                                      const CadenaConexion& cadena, int) {
    if (!QSqlDatabase::isDriverAvailable(driver())) {
        ErrorProveedor e;
        e.Number = CodigosError::FalloProveedor;
        e.SQLState = QStringLiteral("IM002");
        e.Description =
            QStringLiteral("No está instalado el controlador de Oracle (QOCI) en este equipo.");
        return e;
    }
    db.setDatabaseName(cadena.valor(QStringLiteral("Data Source")));
    db.setUserName(cadena.valor(QStringLiteral("User Id")));
    db.setPassword(cadena.valor(QStringLiteral("Password")));
    return std::nullopt;
}

ErrorProveedor MotorOracle::mapearError(const QSqlError& error, const QVariant&) const {
    ErrorProveedor e;
    e.Description = error.databaseText().isEmpty() ? error.driverText() : error.databaseText();
    e.Number = error.type() == QSqlError::ConnectionError ? CodigosError::FalloProveedor
                                                          : CodigosError::ErrorComando;
    const long ora = error.nativeErrorCode().toLong();
    // ORA-00001 unique constraint, ORA-02291/02292 integrity, ORA-00942 no table,
    // ORA-12899 value too large, ORA-03113/03114/12170 lost connection.
    switch (ora) {
    case 1:
        e.NativeError = CodigosNativos::ClaveDuplicada;
        break;
    case 2291:
    case 2292:
        e.NativeError = CodigosNativos::ConflictoRestriccion;
        break;
    case 942:
        e.NativeError = CodigosNativos::ObjetoInvalido;
        break;
    case 12899:
        e.NativeError = CodigosNativos::Truncado;
        break;
    case 3113:
    case 3114:
    case 12170:
        e.NativeError = CodigosNativos::ErrorDeRed;
        break;
    default:
        e.NativeError = ora;
    }
    return e;
}
