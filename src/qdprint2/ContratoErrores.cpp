#include "ContratoErrores.h"

bool ContratoErrores::paso(const std::function<void()>& accion) {
    if (salio_)
        return false;
    for (;;) {
        try {
            accion();
            return true;
        } catch (const ErrorVB& e) {
            ultimo_ = e;
            const int respuesta = tratar_(e);
            if (respuesta == Respuestas::Reintentar)
                continue;
            if (respuesta == Respuestas::Ignorar)
                return true;
            salio_ = true;
            return false;
        }
    }
}

void IgnorandoErrores(const std::function<void()>& accion) {
    try {
        accion();
    } catch (const ErrorVB&) {
    }
}
