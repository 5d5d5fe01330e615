#pragma once
// Starts the program on a fixture's folder with the suite's parameter string,
// as user ANA whose password is the database's name.
#include "BaseDePrueba.h"
#include "CarpetaTemporal.h"
#include "Inicio.h"
#include "ParametrosLinea.h"
#include "Programa.h"

inline void IniciarComoAna(const BaseDePrueba& base, const CarpetaTemporal& programa) {
    Programa::EstablecerCarpeta(programa.ruta());
    Programa::EstablecerLineaComando(CadenaLanzador(
        QStringLiteral("sqlite/") + base.carpeta(), base.nombre(), QStringLiteral("ANA"),
        base.nombre(), QString(), QStringLiteral("ANA"), QStringLiteral("2")));
    IniciarAplicacion();
}
