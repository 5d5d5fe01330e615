#pragma once
// The query parameters turned into the conditions of the entry query, and the
// entry query itself.
#include "UtilGeneral.h"
#include <QString>

struct ParametrosConsulta {
    QString fechaDesde;
    QString fechaHasta;
    QString cuentaDesde;
    QString cuentaHasta;
    QString contieneCuenta;
    QString usuario;
    QString tc;
    QString sucursal;
    QString numero;
    QString letra;
    QString unegocio;
};

// The filter text: conditions each beginning with " And ", never WHERE.
// Every typed value placed between apostrophes has its apostrophes doubled.
QString ArmarFiltro(const ParametrosConsulta& p, MotorBD motor);
// The entry query for a filter.
QString ConsultaAsientos(const QString& filtro);
// About the count of the rows the entry query returns, for the progress bar.
QString ConteoAsientos(const QString& filtro);
