#pragma once
// The configurable entity search: the columns and the extra condition of a
// table come from its record in the search-definitions file (read afresh on
// every call), the caller adds its own condition and the configured row limit
// caps the rows. The statement is shown in the search dialog and the chosen
// value comes back.
#include <QString>
#include <functional>

// Reads a configuration key of group "DATOS" (" " when it is missing).
using LectorConfiguracion = std::function<QString(const QString& clave)>;

// columnas = the comma-separated column list of the table's search
// definition, or "*" when there is none.
void LeerColumnasConsulta(const QString& entidad, QString& columnas);

// Shows the search over entidad with condicion (an SQL condition without
// WHERE, possibly empty) and puts the trimmed chosen value in resultado,
// which is left as it was when no search is shown. The row limit is read
// from "TopConsArt" with leerCfg on every call.
void ArmarConsultaEntidad(const QString& entidad, const QString& condicion, QString& resultado,
                          const LectorConfiguracion& leerCfg);

// The row limit for a value of "TopConsArt": its leading number (blanks
// skipped) rounded half to even, 1000 when that number is 0.
long long TopeFilasConsulta(const QString& valor);
