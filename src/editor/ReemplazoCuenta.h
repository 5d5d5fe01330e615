#pragma once
// The replacement of one account by another over a date range, in the journal
// lines and in the sales and purchase voucher headers, as one transaction.
#include "FiltroAsientos.h"
#include <functional>

class ModeloAsientos;

// The filter of the replacement: the query filter from the dates, the account
// range, the voucher type and the business unit only.
QString FiltroReemplazo(const ParametrosConsulta& p, MotorBD motor);

struct ResultadoReemplazo {
    bool hecho = false; // the three updates were committed together
    // Rows that changed, counted on the base tables.
    long asientos = 0, ventas = 0, compras = 0;
};

// Asks for confirmation, checks the fields in order and runs the three
// updates in one transaction: all or none. The user is told how many rows of
// each table changed, or which table failed. The grid is not reloaded, but
// its lines that changed show the destination account and their keys follow
// it. dibujar shows a caption in the progress picture.
ResultadoReemplazo ReemplazarCuenta(const ParametrosConsulta& p, const QString& origen,
                                    const QString& destino, ModeloAsientos& grilla,
                                    const std::function<void(const QString&)>& dibujar);
