#pragma once
// A failure made to happen on purpose at a chosen call of a connection, so the
// recovery paths can be exercised without a real outage.
#include "ErrorVB.h"
#include <QString>

struct FalloInyectado {
    enum class Operacion { Abrir, Ejecutar, Consultar, Cualquiera };
    Operacion operacion = Operacion::Cualquiera;
    int saltar = 0; // matching calls that still pass before it fires
    int veces = 1;  // how many calls it fails (-1: every one from then on)
    long numero = CodigosError::FalloProveedor;
    long nativo = 0; // native code of the provider error added; 0 adds none
    QString descripcion = QStringLiteral("Fallo de prueba");
    bool cierraConexion = false; // the connection is found closed afterwards
};
