#pragma once
// What the benchmarks share: the clock, the process's memory, the demo
// databases of N lines and the connection to them.
#include "CargaAsientos.h"
#include <QCoreApplication>
#include <QString>
#include <algorithm>

double Ahora();

// The number of lines asked for on the command line (100,000 when none);
// 0 after telling how to call the program when it is under 2.
int LineasPedidas(int argc, char** argv, const char* programa);
// The mark of a goal: "ok" when met, "NO" when not.
const char* Marca(bool cumple);

// Resident and peak resident memory of the process, in bytes.
struct Memoria {
    long long rss = 0;
    long long pico = 0;
};
Memoria LeerMemoria();
// Gives freed memory back to the system and starts the peak over from the
// current resident size, so that each measurement sees only its own growth.
Memoria EmpezarMedidaMemoria();
long long CrecimientoPico(const Memoria& antes);

// A folder of the benchmarks' data: $TARQUEL_BENCH_DATOS/nombre, by default
// bench-datos/nombre next to the executable's folder.
QString CarpetaDatos(const QString& nombre);
// The folder of the demo databases of n lines ($TARQUEL_BENCH_DATOS/n, by
// default bench-datos/n next to the executable's folder), generated when
// missing. A marker file written after a complete generation tells a usable
// folder. Empty when it cannot be made.
QString PrepararDatos(int n, bool* generada);
// Opens the program's connection on the demo database of a folder.
bool Conectar(const QString& carpeta);

// The best time of `veces` runs; the memory figures are the largest seen.
template <typename M, typename F> M MejorDe(int veces, F&& medir) {
    M mejor = medir();
    for (int i = 1; i < veces; ++i) {
        M otra = medir();
        const long long crecimiento = std::max(mejor.crecimiento, otra.crecimiento);
        if (otra.segundos < mejor.segundos)
            mejor = otra;
        mejor.crecimiento = crecimiento;
        if constexpr (requires { mejor.retenido; })
            mejor.retenido = std::max(mejor.retenido, otra.retenido);
    }
    return mejor;
}

// The progress sign as the window runs it: window events run at every slice,
// and it never asks to cancel.
class AvanceConEventos : public AvanceMudo {
public:
    bool Mostrar(const QString&, const QString&, const QString&) override {
        QCoreApplication::processEvents();
        return false;
    }
};
