#pragma once
// The message of a failed batch, built from the provider's error collection.
#include "ErrorProveedor.h"
#include <QList>
#include <QString>

// One line "native code : description" CRLF per error: the only one when
// there is one, every one but the last when there are more (the server's
// closing "statement terminated" notice).
QString MensajeErroresProveedor(const QList<ErrorProveedor>& errores);
