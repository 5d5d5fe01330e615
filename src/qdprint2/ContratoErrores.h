#pragma once
// The error contract every routine follows: when a step fails, the error is
// handed to a treatment that answers like the error dialog does. Answer 4
// (Retry) runs the failing step again, 5 (Ignore) goes on with the next step,
// any other answer leaves the routine.
#include "ErrorVB.h"
#include <functional>

namespace Respuestas {
constexpr int Aceptar = 1;
constexpr int Cancelar = 2;
constexpr int Abortar = 3;
constexpr int Reintentar = 4;
constexpr int Ignorar = 5;
constexpr int Si = 6;
constexpr int No = 7;
} // namespace Respuestas

class ContratoErrores {
public:
    using Tratamiento = std::function<int(const ErrorVB&)>;

    explicit ContratoErrores(Tratamiento tratar) : tratar_(std::move(tratar)) {}

    // Runs one step under the contract. Returns false when the routine must
    // leave (the caller returns at once); true when it goes on.
    template <class Accion> bool paso(Accion&& accion) {
        if (salio_)
            return false;
        for (;;) {
            try {
                accion();
                return true;
            } catch (const ErrorVB& e) {
                const int r = tratar(e);
                if (r == Respuestas::Reintentar)
                    continue;
                return r == Respuestas::Ignorar;
            }
        }
    }

    // True once an answer asked the routine to leave.
    bool salio() const { return salio_; }
    // The last error seen (number 0 when none).
    const ErrorVB& ultimoError() const { return ultimo_; }

private:
    // Hands the error to the treatment; marks the routine as left unless the
    // answer repeats or ignores the step.
    int tratar(const ErrorVB& e);

    Tratamiento tratar_;
    bool salio_ = false;
    ErrorVB ultimo_;
};

// Runs a step and ignores any error it raises ("On Error Resume Next").
void IgnorandoErrores(const std::function<void()>& accion);
