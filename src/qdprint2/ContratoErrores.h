#pragma once
// The error contract every routine follows: when a step fails, the error is
// handed to a treatment that answers like the error dialog does. Answer 4
// (Retry) runs the failing step again, 5 (Ignore) goes on with the next step,
// any other answer leaves the routine. A routine that can mend some failures
// itself (a lost connection reopened, another file chosen) gives a recovery,
// which sees each error before the treatment and may settle it alone.
#include "ErrorVB.h"
#include <functional>
#include <utility>

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
    // What becomes of a failed step.
    enum class Decision {
        Repetir,   // the same step again
        Siguiente, // on with the next step
        Salir,     // the routine leaves
        Tratar,    // (recovery only) the treatment decides
    };
    using Tratamiento = std::function<int(const ErrorVB&)>;
    using Recuperacion = std::function<Decision(const ErrorVB&)>;

    // Without a treatment every failure leaves the routine.
    explicit ContratoErrores(Tratamiento tratar) : tratar_(std::move(tratar)) {}
    ContratoErrores(Recuperacion recuperar, Tratamiento tratar)
        : recuperar_(std::move(recuperar)), tratar_(std::move(tratar)) {}

    // Runs one step under the contract. Returns false when the routine must
    // leave (the caller returns at once); true when it goes on.
    template <class Accion> bool paso(Accion&& accion) {
        if (salio_)
            return false;
        for (;;) {
            try {
                accion();
                return !salio_;
            } catch (const ErrorVB& e) {
                switch (decidir(e)) {
                case Decision::Repetir:
                    continue;
                case Decision::Siguiente:
                    return true;
                default:
                    return false;
                }
            }
        }
    }

    // Runs the steps in order, each under the contract; false as soon as the
    // routine leaves. The steps are taken as they are: nothing is copied or
    // stored, so routines on hot paths pay nothing for listing them.
    template <class... Acciones> bool pasos(Acciones&&... acciones) {
        return (paso(std::forward<Acciones>(acciones)) && ...);
    }

    // Called by a step that ends the routine without an error (a window
    // cancelled): no further step runs.
    void salir() { salio_ = true; }
    // True once the routine left.
    bool salio() const { return salio_; }
    // The last error seen (number 0 when none).
    const ErrorVB& ultimoError() const { return ultimo_; }

private:
    // The recovery first, then the treatment; marks the routine as left
    // unless the failed step is repeated or passed over.
    Decision decidir(const ErrorVB& e);

    Recuperacion recuperar_;
    Tratamiento tratar_;
    bool salio_ = false;
    ErrorVB ultimo_;
};

// Runs a step and ignores any error it raises ("On Error Resume Next").
void IgnorandoErrores(const std::function<void()>& accion);
