#pragma once
// Rows read through a Qt SQL forward-only query: every engine's driver.
#include "FlujoFilas.h"
#include <QSqlDatabase>
#include <QSqlQuery>

class FlujoQt : public FlujoFilas {
public:
    explicit FlujoQt(const QSqlDatabase& db);
    bool ejecutar(const QString& texto) override;
    bool ejecutar(const QString& texto, const QList<QVariant>& valores) override;
    QStringList campos() const override;
    bool siguiente() override;
    QSqlError error() const override { return error_; }
    QVariant manejador() const override;
    QVariant valor(int i) const override { return q_.value(i); }

private:
    QSqlQuery q_;
    QSqlError error_;
};
