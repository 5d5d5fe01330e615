#pragma once
// Why a write to the database did not happen, told to the user in Spanish: the
// provider's error sorted into the causes a user can act on, with the
// driver's own text kept as the detail.
#include "ErrorProveedor.h"
#include "ErrorVB.h"
#include <QList>

enum class CausaFallo {
    SoloLectura, // the database cannot be written
    Ocupada,     // another program holds a lock, or the wait for it ran out
    DiscoLleno,  // no space left for the data or the transaction log
    SinConexion, // the link to the database was lost
    SinPermiso,  // the login may not write there
    Otra,
};

struct FalloEscritura {
    CausaFallo causa = CausaFallo::Otra;
    QString detalle; // the driver's text
};

// Sorts a failed write from the error raised, the provider errors it left on
// the connection and whether the connection is still open afterwards.
FalloEscritura ClasificarFallo(const ErrorVB& error, const QList<ErrorProveedor>& errores,
                               bool conexionAbierta);

// The message: what did not happen, why, and the driver's text as detail.
QString MensajeFallo(const QString& queNoSeHizo, const FalloEscritura& fallo);
