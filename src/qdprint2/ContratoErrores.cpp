#include "ContratoErrores.h"

ContratoErrores::Decision ContratoErrores::decidir(const ErrorVB& e) {
    ultimo_ = e;
    Decision d = recuperar_ ? recuperar_(e) : Decision::Tratar;
    if (d == Decision::Tratar) {
        const int respuesta = tratar_ ? tratar_(e) : Respuestas::Abortar;
        d = respuesta == Respuestas::Reintentar ? Decision::Repetir
            : respuesta == Respuestas::Ignorar  ? Decision::Siguiente
                                                : Decision::Salir;
    }
    if (d == Decision::Salir)
        salio_ = true;
    return d;
}

void IgnorandoErrores(const std::function<void()>& accion) {
    try {
        accion();
    } catch (const ErrorVB&) {
    }
}
