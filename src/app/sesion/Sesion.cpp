#include "Sesion.h"

Sesion& sesion() {
    static Sesion s;
    return s;
}

void ReiniciarSesion() {
    sesion() = Sesion{};
}
