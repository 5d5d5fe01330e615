#include "ErroresLote.h"

QString MensajeErroresProveedor(const QList<ErrorProveedor>& errores) {
    const qsizetype lineas = errores.size() == 1 ? 1 : errores.size() - 1;
    QString mensaje;
    for (qsizetype i = 0; i < lineas; ++i)
        mensaje += QString::number(errores[i].NativeError) + QStringLiteral(" : ") +
                   errores[i].Description + QStringLiteral("\r\n");
    return mensaje;
}
