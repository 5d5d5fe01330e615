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
// Every typed value placed between apostrophes has its apostrophes doubled
// and no control characters.
QString ArmarFiltro(const ParametrosConsulta& p, MotorBD motor);

// True when the text, blanks aside, is a real calendar date in a form a date
// field takes: d/m/yy or d/m/yyyy (also with "-" or "."), or yyyy-mm-dd.
bool EsFecha(const QString& texto);
// The data-field name of the first date field holding something that is not
// a date ("FechaDesde" or "FechaHasta"); empty when each is a date or empty.
QString CampoConFechaInvalida(const ParametrosConsulta& p);
// The refusal of such a field.
inline constexpr const char* kFechaInvalida =
    "La fecha ingresada no es válida: escríbala como día/mes/año (por ejemplo 31/12/2024)";
// The entry query for a filter.
QString ConsultaAsientos(const QString& filtro);
// About the count of the rows the entry query returns, for the progress bar.
QString ConteoAsientos(const QString& filtro);
