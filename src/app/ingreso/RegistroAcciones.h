#pragma once
// The action audit log: rows of V_MV_CPTEACCIONES stamped with the server's
// clock. This program writes two kinds: a failed login attempt, and the
// modifications of accounts (corrections, replacements, their undo and redo),
// written in the same transaction as the change they record.
#include <QDateTime>
#include <QString>

// Inserts one audit row; every failing step is skipped and nothing is shown.
// An empty idComplemento becomes "0", in the caller's text too.
void RegistrarAccion(const QString& tc, const QString& idComprobante, QString& idComplemento,
                     bool esAlta, bool esModificacion, const QString& descripcion,
                     const QString& cuenta, bool esError);

// The modification rows of a change, one per row of a query: the voucher
// type and id come from the query's rows, the rest is the same for all.
struct ModificacionesEnLote {
    QString descripcion; // SYSTEMUSER: its first 255 characters, trimmed
    QString cuenta;      // the account the rows now hold: first 15 characters
    QString lote;        // ProcesoLote, shared by the rows: first 25 characters
    QDateTime fecha;     // FECHAHORA: FechaServidor(), read before the transaction
};

// "INSERT INTO V_MV_CPTEACCIONES (the eleven columns) SELECT ... " + desde:
// Tipo_accion 'M', TC the SQL expression tc (already right-aligned in four
// characters), IdComprobante the expression idComprobante, IdComplemento 0,
// and the user, computer and process of the session. Unlike RegistrarAccion
// it runs nothing: the caller runs it in its own transaction and treats a
// failure as the failure of the change. Apostrophes in the values are
// doubled, not removed, so an account such as O'Brien is recorded as it is.
QString SentenciaModificaciones(const ModificacionesEnLote& m, const QString& tc,
                                const QString& idComprobante, const QString& desde);

// The server's date and time to the second. Without an answer from the
// server: the configured "FECHAOPERHASTA" when the session uses the
// operation date and it is a valid date; otherwise the workstation's clock.
QDateTime FechaServidor();

// The date and time written in the audit row's FECHAHORA.
QString TextoFechaHora(const QDateTime& fecha);
