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
    ErrorProveedor mapearError(const QSqlError& error) const override;
    bool cambiarBase(QSqlDatabase&, const QString&, QString&) override { return true; }
};
