#include "ContratoErrores.h"

int ContratoErrores::tratar(const ErrorVB& e) {
    ultimo_ = e;
    const int respuesta = tratar_(e);
    if (respuesta != Respuestas::Reintentar && respuesta != Respuestas::Ignorar)
        salio_ = true;
    return respuesta;
}

void IgnorandoErrores(const std::function<void()>& accion) {
    try {
        accion();
    } catch (const ErrorVB&) {
    }
}
