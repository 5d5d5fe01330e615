#pragma once
// Who changed a journal line, told from the audit rows of its voucher: when a
// correction finds the line no longer as the grid loaded it, the user learns
// who moved it and when.
#include <QString>

struct DatosComprobante;

// The latest modification row of the voucher that took one of its lines
// away from the account cargada or onto the account actual, in a sentence
// ("La cambió ANA desde el equipo PC-2 el 05/03/2024 10:15:00 (Imputación:
// 4.1.01 -> 2.1.05)."); empty when no audit row tells it.
QString AutorDelCambio(const DatosComprobante& comprobante, const QString& cargada,
                       const QString& actual);
