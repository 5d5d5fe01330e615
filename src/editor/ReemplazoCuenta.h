#pragma once
// The replacement of one account by another over a date range, in the journal
// lines and in the sales and purchase voucher headers: its confirmation shows
// first what it will change; it runs as one transaction with its change
// records and audit rows, and joins the session's changes that can be undone.
#include "FiltroAsientos.h"
#include <QSet>
#include <functional>

class HistorialCambios;
class ModeloAsientos;

// The filter of the replacement: the query filter from the dates, the account
// range, the voucher type and the business unit only.
QString FiltroReemplazo(const ParametrosConsulta& p, MotorBD motor);

// An account of a replacement, as the chart of accounts has it.
struct CuentaReemplazo {
    QString codigo; // the main code
    QString descripcion;
    bool titulo = false;
};

struct ResultadoReemplazo {
    bool hecho = false; // the three updates were committed together
    // Rows that changed, counted on the base tables.
    long asientos = 0, ventas = 0, compras = 0;
    QString lote; // the batch id of its change records and audit rows
};

// The replacement proper, both accounts checked: in one transaction each
// table's rows are recorded, updated and audited (one statement each); all
// or nothing, and a failure is told to the user. With lineas, the
// identities (ModeloAsientos::IdentidadLinea) of the journal lines that
// changed. A replacement done joins the session's history.
ResultadoReemplazo AplicarReemplazo(const CuentaReemplazo& origen, const CuentaReemplazo& destino,
                                    const QString& filtro, HistorialCambios& historial,
                                    QSet<QString>* lineas,
                                    const std::function<void(const QString&)>& dibujar);

// Asks for confirmation, with what will change when the fields allow it to
// be computed; checks the fields in order and applies the replacement. The
// user is told how many rows of each table changed, or why none did. The
// grid is not reloaded, but its lines that changed show the destination
// account and their keys follow it. dibujar shows a caption in the progress
// picture.
ResultadoReemplazo ReemplazarCuenta(const ParametrosConsulta& p, const QString& origen,
                                    const QString& destino, ModeloAsientos& grilla,
                                    HistorialCambios& historial,
                                    const std::function<void(const QString&)>& dibujar);
