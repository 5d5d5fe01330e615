#pragma once
// The action audit log: rows of V_MV_CPTEACCIONES stamped with the server's
// clock. This program writes one kind: a failed login attempt.
#include <QDateTime>
#include <QString>

// Inserts one audit row; every failing step is skipped and nothing is shown.
// An empty idComplemento becomes "0", in the caller's text too.
void RegistrarAccion(const QString& tc, const QString& idComprobante, QString& idComplemento,
                     bool esAlta, bool esModificacion, const QString& descripcion,
                     const QString& cuenta, bool esError);

// The server's date and time to the second. Without an answer from the
// server: the configured "FECHAOPERHASTA" when the session uses the
// operation date and it is a valid date; otherwise the workstation's clock.
QDateTime FechaServidor();

// The date and time written in the audit row's FECHAHORA.
QString TextoFechaHora(const QDateTime& fecha);
