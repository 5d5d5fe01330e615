#pragma once
// Oracle through Qt's OCI driver where it is installed. The statements are
// translated by the data-access class itself before they get here.
#include "Motor.h"

class MotorOracle : public Motor {
public:
    MotorBD tipo() const override { return MotorBD::Oracle; }
    QString driver() const override { return QStringLiteral("QOCI"); }
    std::optional<ErrorProveedor> configurar(QSqlDatabase& db, const CadenaConexion& cadena,
                                             int segundosConexion) override;
    ErrorProveedor mapearError(const QSqlError& error, const QVariant& sentencia) const override;
    bool cambiarBase(QSqlDatabase&, const QString&, QString&) override { return true; }

    // True when a connection string or a provider name names Oracle: "ORACLE"
    // in any letter case, found at position desde or later. Result sets ask
    // past the first character of their connection string; every other
    // routine asks anywhere.
    static bool Nombrado(const QString& texto, qsizetype desde = 0) {
        return texto.indexOf(QLatin1String("ORACLE"), desde, Qt::CaseInsensitive) >= 0;
    }
};
