#include "Contadores.h"

Contadores& contadores() {
    static Contadores c;
    return c;
}
