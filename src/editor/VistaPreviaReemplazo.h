#pragma once
// What a replacement will change, computed before anything is written with
// counting and summing queries over the same filter as its updates.
#include "Dialogos.h"
#include <QString>
#include <optional>

struct VistaPrevia {
    long lineas = 0;       // journal lines that hold the origin
    long comprobantes = 0; // distinct vouchers of those lines
    long ventas = 0;       // sales voucher headers
    long compras = 0;      // purchase voucher headers
    double debe = 0;       // the amounts of those lines, by side
    double haber = 0;
};

// The condition on the origin account that the preview and the updates
// share, before the replacement's filter: "(CUENTA = 'origen') ".
QString CondicionOrigen(const QString& origen);

// The rows of the three tables that hold origen under the replacement's
// filter, counted and summed. nullopt when a query failed (the data layer
// has told the user).
std::optional<VistaPrevia> CalcularVistaPrevia(const QString& origen, const QString& filtro);

// The journal lines themselves, in voucher order, as the confirmation's list
// shows them: voucher, date, entry, line, debit and credit; at most maximo.
ResultadoConsulta LineasAfectadas(const QString& origen, const QString& filtro, int maximo);
// The most lines the list shows.
inline constexpr int kMaximoLineasLista = 10000;

// The text added to the confirmation, after its question.
QString TextoVistaPrevia(const VistaPrevia& v, const QString& origen, const QString& destino);
