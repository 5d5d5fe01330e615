#pragma once
// The process-wide session state: written at start-up, read everywhere.
#include <QString>
#include <cstdint>

struct Sesion {
    QString gUsuarioLogeado;
    QString gClaveUsuario;
    QString gParametroAdicional;
    QString gCaja = QStringLiteral("1");
    std::uint32_t gColorFondo = 0xFFFFFF;
    std::uint32_t gColorLetra = 0;
    std::int16_t gTimeOut = 45;
    QString gTablaConfiguracion;
    // The help file of the program.
    QString gArchivoAyuda;
    // Configuration values of the session load.
    QString gCantidadDecimales;
    bool gConfidencialidad = false;
    bool gUtilizarFechaDia = false;
    // Grid column that holds the voucher type for the entry viewer launch.
    std::int16_t gModoPlanilla = 0;
};

Sesion& sesion();
// Back to the values a new process starts with (for tests).
void ReiniciarSesion();
