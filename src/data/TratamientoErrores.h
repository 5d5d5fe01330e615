#pragma once
// The module-level copy of the error treatment, used by the start-up, the
// configuration and the windows: the same dialog and log line as the
// data-access class's copy, with its log in the temporary folder.
#include "ErrorVB.h"
#include <QDateTime>
#include <QString>

int TratamientoErroresGlobal(const ErrorVB& CodErr, int Botones = 18, const QString& Rutina = {});

namespace TratamientoErroresDetalle {
// The answer word written in the log line.
QString PalabraRespuesta(int respuesta);
// The text, title and log line both copies build.
QString Mensaje(const ErrorVB& e);
QString Titulo(const ErrorVB& e, const QString& rutina, const QString& sufijo);
QString LineaLog(const QDateTime& cuando, const QString& rutina, const QString& mensaje,
                 int respuesta);
void AgregarLinea(const QString& ruta, const QString& linea);
// The folder of the module-level copy's log: the "tmp" variable when "temp" is
// set, else the workstation's fallback folder.
QString CarpetaRespaldo();
} // namespace TratamientoErroresDetalle
