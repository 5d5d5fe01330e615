#pragma once
// The replacement of one account by another over a date range, in the journal
// lines and in the sales and purchase voucher headers.
#include "FiltroAsientos.h"
#include <functional>

// The filter of the replacement: the query filter from the dates, the account
// range, the voucher type and the business unit only.
QString FiltroReemplazo(const ParametrosConsulta& p, MotorBD motor);

// Asks for confirmation, checks the fields in order and runs the three
// updates; dibujar shows a caption in the progress picture.
void ReemplazarCuenta(const ParametrosConsulta& p, const QString& origen, const QString& destino,
                      const std::function<void(const QString&)>& dibujar);
