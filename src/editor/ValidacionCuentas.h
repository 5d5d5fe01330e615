#pragma once
// The checks of a confirmed field: accounts looked up by their main or
// alternative code, ranges completed, branch and number padded.
#include <QString>
#include <functional>

class Recordset;

// Looks an account up by its main code, or by its alternative code when
// alternativaPrimero is on; the other code is tried when the first finds
// nothing. Control characters are dropped from the code first. codigo becomes the main code of the
// account found; the set stays open on the last query.
bool ExisteCuenta(QString& codigo, Recordset& rs, bool soloLectura, bool& alternativaPrimero);

// The parameter fields of the window, by data-field name.
struct CamposConsulta {
    std::function<QString(const QString&)> texto;
    std::function<void(const QString&, const QString&)> fijar;
};

// Checks the parameter field nombre; returns the refusal text, empty when the
// value is accepted (possibly completed or normalised in the fields). A date
// field refuses what is not a date.
QString ValidarCampoConsulta(const QString& nombre, CamposConsulta& campos);
