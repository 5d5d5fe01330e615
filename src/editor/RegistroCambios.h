#pragma once
// The records that let the session undo and redo its account changes. The
// program's own table AUX_CAMBIOSCUENTA, created when missing, holds the key
// of every row a change altered in MV_ASIENTOS, V_MV_CPTE and C_MV_CPTE with
// the account before and after, and for a corrected line its card data
// before the correction. Each change is a batch with its own id, which its
// audit rows carry in ProcesoLote. A row stays "live" while it holds what the
// change (or its last undo or redo) left; a row someone else changed is set
// apart and never touched again.
//
// The functions return statement texts: the caller runs them in the
// transaction of the change, so the records, the audit rows and the change
// are written together or not at all.
#include "UtilGeneral.h"
#include <QString>
#include <QStringList>

class QDateTime;
struct ModificacionesEnLote;

namespace RegistroCambios {

inline constexpr const char* kTabla = "AUX_CAMBIOSCUENTA";

// The tables a change reaches.
enum class Tabla { Asientos, Ventas, Compras };
inline constexpr Tabla kTablas[] = {Tabla::Asientos, Tabla::Ventas, Tabla::Compras};
QString Nombre(Tabla t);

// The statements that create the table and its index on an engine.
QStringList Creacion(MotorBD motor);
// Removes the records older than a week before ahora: those of sessions
// that ended without removing theirs.
QString Purgar(const QDateTime& ahora);

// A new batch id, unique across sessions and workstations, of 25 characters
// at most.
QString NuevoLote();

// The audit rows of a change of account from desde to hacia: described as
// "<que>: desde -> hacia" (que: "Imputación", "Deshace imputación", ...),
// dated by the server's clock now.
ModificacionesEnLote Modificacion(const QString& que, const QString& desde, const QString& hacia,
                                  const QString& lote);
// What every such description holds for a change from desde, to find it.
QString CambioDesde(const QString& desde);

// Records the rows of tabla that the condition donde (the text after WHERE)
// reaches and that are about to take the account despues. With tarjeta the
// card data of the lines is kept too.
QString Registrar(Tabla t, const QString& lote, const QDateTime& fecha, const QString& despues,
                  const QString& donde, bool tarjeta, MotorBD motor);

// The audit rows of the batch's live rows of tabla.
QString Auditar(Tabla t, const ModificacionesEnLote& m, MotorBD motor);

// The live rows of tabla that no longer hold the account actual, as rows of
// (table code, type, branch, number, letter, entry, line, account now,
// period, month, record type).
QString Cambiadas(Tabla t, const QString& lote, const QString& actual, MotorBD motor);
// Sets those rows apart.
QString Apartar(Tabla t, const QString& lote, const QString& actual, MotorBD motor);
// Moves the live rows of tabla from desde to hacia; asignaciones is appended
// to the SET list (the card data of a corrected line).
QString Volver(Tabla t, const QString& lote, const QString& desde, const QString& hacia,
               const QString& asignaciones, MotorBD motor);
// The SET list part that gives a corrected line back its recorded card data.
QString TarjetaRegistrada(const QString& lote, MotorBD motor);
// The identities of the batch's live journal lines, columns in the order of
// ModeloAsientos::IdentidadLinea.
QString Identidades(const QString& lote);
// Removes the records of the batches.
QString Borrar(const QStringList& lotes);

} // namespace RegistroCambios
