#pragma once
// The transactional batch runner: a statement list run as one transaction
// whose failure is rolled back, logged in AUX_ERR and, when asked, shown.
#include <QString>
#include <QStringList>

// What a batch run reports besides its own message.
struct SalidaLote {
    bool hayError = false;
    long nativo = 0;    // native code of the first provider error (0 when none)
    QString script;     // the text sent: BEGIN, the statements, CR-separated
    QString textoError; // the message, or the first error's description
};

// Runs the non-blank entries of sentencias between "BEGIN TRANSACTION" and
// "COMMIT TRANSACTION". On provider errors (of the statements or of the
// commit) it sends "ROLLBACK TRANSACTION", writes the AUX_ERR row and, when
// mostrarMensaje, shows the message with the title "Aviso al Operador!".
// A duplicate key (2627) with ignorarDuplicado, or a constraint conflict
// (547) with ignorarConflicto, is rolled back and logged without a message.
// A list with nothing to run leaves salida untouched except hayError.
void GActualizarDatoScript(const QStringList& sentencias, SalidaLote& salida, bool ignorarDuplicado,
                           bool ignorarConflicto, bool mostrarMensaje);

// Appends one row to AUX_ERR: the executable, the date and time, the native
// code, the first 250 characters of descripcion, the statement, the computer
// and the user. Every failing step is skipped; nothing is ever shown.
void RegistrarErrorSql(const QString& sql, const QString& proceso, long nativo,
                       const QString& descripcion);

// True for the native codes of a write the database refuses as such: a
// read-only database (3906) or a login without the permission (229).
bool EscrituraRechazada(long nativo);
