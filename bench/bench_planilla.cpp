// bench_planilla N: the control sheet "pcc2.xls" of a grid of N lines (the
// whole fiscal year of the demo database of N lines, loaded without the
// principal-account data). It prints the seconds and the peak memory of
// writing the sheet, the bytes written, and the seconds of writing the same
// bytes in one plain pass (from memory, in 1 MB writes). The last line is
// "ratio_planilla <sheet / plain pass>".
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

template <typename F> Medida MejorDe(int veces, F&& medir) {
    Medida mejor = medir();
    for (int i = 1; i < veces; ++i) {
        const Medida otra = medir();
        const long long crecimiento = std::max(mejor.crecimiento, otra.crecimiento);
        if (otra.segundos < mejor.segundos)
            mejor = otra;
        mejor.crecimiento = crecimiento;
    }
    return mejor;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int n = argc > 1 ? std::atoi(argv[1]) : 100000;
    if (n < 2) {
        std::fprintf(stderr, "uso: bench_planilla N   (N lineas, al menos 2)\n");
        return 2;
    }
    const int veces = n <= 200000 ? 3 : 2;
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
    const Medida planilla = MejorDe(veces, [&] { return Planilla(archivo, grilla); });
    QByteArray datos;
    {
        QFile f(archivo);
        if (f.open(QIODevice::ReadOnly))
            datos = f.readAll();
    }
    const Medida simple = MejorDe(veces, [&] { return PasadaSimple(copia, datos); });
    QFile::remove(copia);

    const double ratio = planilla.segundos / std::max(1e-9, simple.segundos);
    const double megas = planilla.crecimiento / 1048576.0;
    std::printf("bench_planilla: %d lineas (%ld cargadas, %d filas de grilla), base %s%s, "
                "%d corrida(s) por medida\n",
                n, r.lineas, grilla.FilasGrid() - 1, qPrintable(carpeta),
                generada ? " (recien generada)" : " (reutilizada)", veces);
    std::printf("grilla retenida: +%.1f MB\n\n", megasGrilla / 1048576.0);
    std::printf("%-14s %9s %12s %13s %9s\n", "medida", "segundos", "bytes", "pico MB", "/simple");
    std::printf("%-14s %9.3f %12lld %10.1f %-2s %6.2f %-2s%s\n", "planilla", planilla.segundos,
                static_cast<long long>(datos.size()), megas,
                qPrintable(QString::fromLatin1(megas <= kObjetivoMegas ? "ok" : "NO")), ratio,
                qPrintable(QString::fromLatin1(ratio <= kObjetivoRatio ? "ok" : "NO")),
                planilla.ok ? "" : "  (fallo)");
    std::printf("%-14s %9.3f %12lld %13s %9s%s\n", "pasada_simple", simple.segundos,
                static_cast<long long>(datos.size()), "", "1.00", simple.ok ? "" : "  (fallo)");
    std::printf("\nobjetivos (a 1.000.000 lineas): planilla <= %.1f x pasada simple; pico <= %.0f "
                "MB mas que la grilla\n",
                kObjetivoRatio, kObjetivoMegas);
    std::printf("ratio_planilla %.2f\n", ratio);
    return 0;
}
