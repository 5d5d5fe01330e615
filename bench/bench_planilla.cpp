// bench_planilla N: the control sheet "pcc2.xls" of a grid of N lines (the
// whole fiscal year of the demo database of N lines, loaded without the
// principal-account data). It prints the seconds and the peak memory of
// writing the sheet, the bytes written, and the seconds of writing the same
// bytes in one plain pass (from memory, in 1 MB writes). Both are measured
// into a folder where the file is not (it is removed before each run, out of
// the time) and again over the file of an earlier run, whose pages the kernel
// frees while the new one is written or put in its place. The last line is
// "ratio_planilla <sheet / plain pass>", without an earlier file.
#include "CargaAsientos.h"
#include "ComunBench.h"
#include "ModeloAsientos.h"
#include "PlanillaControl.h"
#include "Programa.h"
#include "Sesion.h"
#include <QApplication>
#include <QDir>
#include <QFile>
#include <cstdio>
#include <cstdlib>
#include <malloc.h>
#include <unistd.h>

namespace {

constexpr double kObjetivoRatio = 2.0;
constexpr double kObjetivoMegas = 64;

// The sheet with its progress sign where the writer takes one.
template <typename G>
bool EscribirPlanilla(const QString& archivo, const G& grilla, AvanceCarga& avance) {
    QString titulo;
    if constexpr (requires { GeneraHTML(archivo, titulo, grilla, &avance); })
        return GeneraHTML(archivo, titulo, grilla, &avance);
    else
        return GeneraHTML(archivo, titulo, grilla);
}

struct Medida {
    double segundos = 0;
    long long crecimiento = 0;
    bool ok = false;
};

Medida Planilla(const QString& archivo, const ModeloAsientos& grilla) {
    Medida m;
    AvanceConEventos avance;
    const Memoria antes = EmpezarMedidaMemoria();
    const double t0 = Ahora();
    m.ok = EscribirPlanilla(archivo, grilla, avance);
    m.segundos = Ahora() - t0;
    m.crecimiento = CrecimientoPico(antes);
    return m;
}

Medida PasadaSimple(const QString& archivo, const QByteArray& datos) {
    Medida m;
    const double t0 = Ahora();
    QFile f(archivo);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return m;
    constexpr qsizetype kTrozo = 1 << 20;
    m.ok = true;
    for (qsizetype i = 0; i < datos.size() && m.ok; i += kTrozo)
        m.ok = f.write(datos.constData() + i, std::min(kTrozo, datos.size() - i)) >= 0;
    f.close();
    m.segundos = Ahora() - t0;
    return m;
}

// The best of some runs, each started with nothing left to write back;
// without an earlier file, the file is removed before each run.
template <typename F> Medida MejorDe(int veces, const QString& archivo, bool sobre, F&& medir) {
    return ::MejorDe<Medida>(veces, [&] {
        if (!sobre)
            QFile::remove(archivo);
        // Earlier runs' bytes on disk first: their write-back would take the
        // processors from the run measured.
        ::sync();
        return medir();
    });
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int n = LineasPedidas(argc, argv, "bench_planilla");
    if (n == 0)
        return 2;
    const int veces = 5;
    bool generada = false;
    const QString carpeta = PrepararDatos(n, &generada);
    if (carpeta.isEmpty() || !Conectar(carpeta)) {
        std::fprintf(stderr, "no se conecta a la base de %d lineas\n", n);
        return 1;
    }
    const QString salida = carpeta + QStringLiteral("/planilla");
    QDir().mkpath(salida);
    Programa::EstablecerCarpeta(salida);
    sesion().gCantidadDecimales = QStringLiteral("2");

    ParametrosConsulta p;
    p.fechaDesde = QStringLiteral("01/01/2024");
    p.fechaHasta = QStringLiteral("31/12/2024");
    ModeloAsientos grilla;
    AvanceMudo mudo;
    CargaAsientos carga(grilla, mudo);
    const Memoria antesCarga = EmpezarMedidaMemoria();
    const ResultadoCarga r = carga.CargarAsientos(p, [] { return false; });
    malloc_trim(0);
    const long long megasGrilla = LeerMemoria().rss - antesCarga.rss;
    if (!r.completa) {
        std::fprintf(stderr, "la carga no termino\n");
        return 1;
    }

    const QString archivo = salida + QStringLiteral("/pcc2.xls");
    const QString copia = salida + QStringLiteral("/copia.xls");
    // The sheet first over the file of an earlier run, which the sheet
    // before it leaves.
    Planilla(archivo, grilla);
    const Medida planillaSobre =
        MejorDe(veces, archivo, true, [&] { return Planilla(archivo, grilla); });
    const Medida planilla =
        MejorDe(veces, archivo, false, [&] { return Planilla(archivo, grilla); });
    QByteArray datos;
    {
        QFile f(archivo);
        if (f.open(QIODevice::ReadOnly))
            datos = f.readAll();
    }
    PasadaSimple(copia, datos);
    const Medida simpleSobre =
        MejorDe(veces, copia, true, [&] { return PasadaSimple(copia, datos); });
    const Medida simple = MejorDe(veces, copia, false, [&] { return PasadaSimple(copia, datos); });
    QFile::remove(copia);

    const double ratio = planilla.segundos / std::max(1e-9, simple.segundos);
    const double ratioSobre = planillaSobre.segundos / std::max(1e-9, simpleSobre.segundos);
    const double megas = std::max(planilla.crecimiento, planillaSobre.crecimiento) / 1048576.0;
    std::printf("bench_planilla: %d lineas (%ld cargadas, %d filas de grilla), base %s%s, "
                "%d corrida(s) por medida\n",
                n, r.lineas, grilla.FilasGrid() - 1, qPrintable(carpeta),
                generada ? " (recien generada)" : " (reutilizada)", veces);
    std::printf("grilla retenida: +%.1f MB\n\n", megasGrilla / 1048576.0);
    std::printf("%-22s %9s %12s %13s %9s\n", "medida", "segundos", "bytes", "pico MB", "/simple");
    auto fila = [&](const char* nombre, const Medida& m, double r, bool objetivo) {
        std::printf("%-22s %9.3f %12lld", nombre, m.segundos, static_cast<long long>(datos.size()));
        if (objetivo)
            std::printf(" %10.1f %-2s %6.2f %-2s", megas, Marca(megas <= kObjetivoMegas), r,
                        Marca(r <= kObjetivoRatio));
        else
            std::printf(" %13s %9.2f", "", r);
        std::printf("%s\n", m.ok ? "" : "  (fallo)");
    };
    fila("planilla", planilla, ratio, true);
    fila("pasada_simple", simple, 1.0, false);
    fila("planilla_sobre_otra", planillaSobre, ratioSobre, false);
    fila("pasada_sobre_otra", simpleSobre, 1.0, false);
    std::printf("\nobjetivos (a 1.000.000 lineas): planilla <= %.1f x pasada simple; pico <= %.0f "
                "MB mas que la grilla\n",
                kObjetivoRatio, kObjetivoMegas);
    std::printf("ratio_planilla %.2f\n", ratio);
    return 0;
}
