// bench_reemplazo N: the replacement of the lines of one account over a
// demo database of N lines, with and without its preview and audit. The
// account is the one whose lines are nearest a tenth of N (about 100,000
// changed lines at N = 1,000,000, where both targets are read); the destination
// is an account of its own, added by the benchmark, so that a replacement
// and its undo give the database back as it was. Printed, best of several
// runs each:
//   consulta_cruda  the entry query of the whole year through SQLite directly
//   vista_previa    the counting and summing queries of the confirmation
//   sin_auditoria   the three updates alone, in one transaction
//   con_auditoria   the replacement as the program makes it: counts, change
//                   records, updates and audit rows in one transaction
//   completo        vista_previa + con_auditoria
//   deshacer        the undo of that replacement, with its audit rows
// and the ratios completo / sin_auditoria (target: at most 2 at 100,000
// changed lines) and vista_previa / consulta_cruda (target: at most 1/4 at
// 1,000,000 lines). The last line is "ratio_completo <completo /
// sin_auditoria>".
//
// The database is generated again on every run, in $TARQUEL_BENCH_DATOS/
// reemplazo-N (by default bench-datos/reemplazo-N next to the executable's
// folder): a run writes audit rows.
#include "ComunBench.h"
#include "DB_Dll.h"
#include "Dialogos.h"
#include "FiltroAsientos.h"
#include "GeneradorDemo.h"
#include "HistorialCambios.h"
#include "ModeloAsientos.h"
#include "ReemplazoCuenta.h"
#include "TextoSql.h"
#include "TraduccionSqlite.h"
#include "Transaccion.h"
#include "VistaPreviaReemplazo.h"
#include <QApplication>
#include <QDir>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <sqlite3.h>

namespace {

constexpr double kObjetivoCompleto = 2.0;     // x the updates alone, at 100,000 changed lines
constexpr double kObjetivoVistaPrevia = 0.25; // x the raw entry query, at 1,000,000 lines
const QString kDestino = QStringLiteral("9.9.99");

// One statement through the SQLite C API on a connection of its own: every
// column of every row read as text. Returns the seconds, negative on error.
double ConsultaCruda(const QString& archivo, const QString& sql, long* filas) {
    sqlite3* db = nullptr;
    double segundos = -1;
    if (sqlite3_open_v2(archivo.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr) ==
        SQLITE_OK) {
        const double t0 = Ahora();
        sqlite3_stmt* st = nullptr;
        if (sqlite3_prepare_v2(db, sql.toUtf8().constData(), -1, &st, nullptr) == SQLITE_OK) {
            const int columnas = sqlite3_column_count(st);
            *filas = 0;
            int rc;
            while ((rc = sqlite3_step(st)) == SQLITE_ROW) {
                for (int i = 0; i < columnas; ++i)
                    sqlite3_column_text(st, i);
                ++*filas;
            }
            sqlite3_finalize(st);
            if (rc == SQLITE_DONE)
                segundos = Ahora() - t0;
        }
    }
    if (segundos < 0)
        std::fprintf(stderr, "consulta cruda: %s\n", sqlite3_errmsg(db));
    sqlite3_close(db);
    return segundos;
}

// A statement on the file outside the program: the destination account.
bool Ejecutar(const QString& archivo, const char* sql) {
    sqlite3* db = nullptr;
    const bool ok = sqlite3_open(archivo.toUtf8().constData(), &db) == SQLITE_OK &&
                    sqlite3_exec(db, sql, nullptr, nullptr, nullptr) == SQLITE_OK;
    if (!ok)
        std::fprintf(stderr, "%s: %s\n", sql, sqlite3_errmsg(db));
    sqlite3_close(db);
    return ok;
}

// The account whose lines come nearest a tenth of the journal, and its lines.
std::pair<QString, long> CuentaDelDecimo(const QString& archivo, int n) {
    std::pair<QString, long> r;
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(archivo.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr) ==
        SQLITE_OK) {
        const QByteArray sql = QStringLiteral("SELECT CUENTA, COUNT(*) AS N FROM MV_ASIENTOS "
                                              "GROUP BY CUENTA ORDER BY ABS(COUNT(*) - %1) LIMIT 1")
                                   .arg(n / 10)
                                   .toUtf8();
        sqlite3_stmt* st = nullptr;
        if (sqlite3_prepare_v2(db, sql.constData(), -1, &st, nullptr) == SQLITE_OK &&
            sqlite3_step(st) == SQLITE_ROW) {
            r.first = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, 0)));
            r.second = static_cast<long>(sqlite3_column_int64(st, 1));
        }
        sqlite3_finalize(st);
    }
    sqlite3_close(db);
    return r;
}

// The three updates of the replacement alone, in one transaction.
long SoloActualizar(const QString& origen, const QString& destino, const QString& filtro) {
    long filas = 0;
    Transaccion t;
    for (const char* tabla : {"MV_ASIENTOS", "V_MV_CPTE", "C_MV_CPTE"})
        filas += t.Ejecutar(QStringLiteral("UPDATE %1 SET CUENTA = '%2' where (CUENTA = '%3') ")
                                    .arg(QLatin1String(tabla), TextoSql::Comillas(destino),
                                         TextoSql::Comillas(origen)) +
                                filtro,
                            true);
    t.Confirmar();
    return filas;
}

struct Medidas {
    double cruda = 1e9, previa = 1e9, desnudo = 1e9, conAuditoria = 1e9, deshacer = 1e9;
    long lineas = 0, ventas = 0, compras = 0;
    bool ok = true;
};

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    EstablecerDialogos(DialogosSinVentanas());

    const int n = LineasPedidas(argc, argv, "bench_reemplazo");
    if (n == 0)
        return 2;
    const int veces = n <= 200000 ? 3 : 2;

    const QString carpeta = CarpetaDatos(QStringLiteral("reemplazo-") + QString::number(n));
    if (!QDir().mkpath(carpeta)) {
        std::fprintf(stderr, "no se crea la carpeta %s\n", qPrintable(carpeta));
        return 1;
    }
    std::printf("generando %d lineas en %s...\n", n, qPrintable(carpeta));
    std::fflush(stdout);
    QString error;
    if (!GenerarDemo(carpeta, QStringLiteral("DEMO"), n, &error)) {
        std::fprintf(stderr, "no se genera la base: %s\n", qPrintable(error));
        return 1;
    }
    const QString archivo = carpeta + QStringLiteral("/DEMO.db");
    if (!Ejecutar(archivo, "INSERT INTO MA_CUENTAS (Codigo, Descripcion, Nivel, Titulo) VALUES "
                           "('9.9.99', 'Cuenta del reemplazo de prueba', 3, 0)"))
        return 1;
    const auto [origen, lineasOrigen] = CuentaDelDecimo(archivo, n);

    if (!Conectar(carpeta)) {
        std::fprintf(stderr, "no se conecta a %s\n", qPrintable(archivo));
        return 1;
    }

    ParametrosConsulta anio;
    anio.fechaDesde = QStringLiteral("01/01/2024");
    anio.fechaHasta = QStringLiteral("31/12/2024");
    const QString filtro = FiltroReemplazo(anio, MotorBD::Sqlite);
    const QString entrada =
        TraduccionSqlite::Traducir(ConsultaAsientos(ArmarFiltro(anio, MotorBD::Sqlite)));
    std::printf("bench_reemplazo: %d lineas, cuenta %s con %ld lineas -> %s, %d corridas por "
                "medida\n",
                n, qPrintable(origen), lineasOrigen, qPrintable(kDestino), veces);
    std::fflush(stdout);

    const CuentaReemplazo cOrigen{origen, {}, false};
    const CuentaReemplazo cDestino{kDestino, {}, false};
    Medidas m;
    ModeloAsientos grilla;
    long filasCrudas = 0;
    // One unmeasured round warms the page cache and creates the change table.
    ConsultaCruda(archivo, entrada, &filasCrudas);
    SoloActualizar(origen, kDestino, filtro);
    SoloActualizar(kDestino, origen, filtro);
    {
        HistorialCambios historial;
        AplicarReemplazo(cOrigen, cDestino, filtro, historial, nullptr, [](const QString&) {});
        historial.Deshacer(grilla);
    }
    for (int i = 0; i < veces && m.ok; ++i) {
        // Each round a session of its own: its records go when it ends.
        HistorialCambios historial;
        m.cruda = std::min(m.cruda, ConsultaCruda(archivo, entrada, &filasCrudas));

        double t0 = Ahora();
        const std::optional<VistaPrevia> v = CalcularVistaPrevia(origen, filtro);
        m.previa = std::min(m.previa, Ahora() - t0);

        t0 = Ahora();
        const long filas = SoloActualizar(origen, kDestino, filtro);
        m.desnudo = std::min(m.desnudo, Ahora() - t0);
        SoloActualizar(kDestino, origen, filtro);

        t0 = Ahora();
        const ResultadoReemplazo r =
            AplicarReemplazo(cOrigen, cDestino, filtro, historial, nullptr, [](const QString&) {});
        m.conAuditoria = std::min(m.conAuditoria, Ahora() - t0);

        t0 = Ahora();
        const bool deshecho = historial.Deshacer(grilla);
        m.deshacer = std::min(m.deshacer, Ahora() - t0);

        m.lineas = r.asientos;
        m.ventas = r.ventas;
        m.compras = r.compras;
        m.ok = v && r.hecho && deshecho && v->lineas == r.asientos && v->ventas == r.ventas &&
               v->compras == r.compras && filas == r.asientos + r.ventas + r.compras;
    }
    if (!m.ok) {
        std::fprintf(stderr, "la vista previa, las actualizaciones o el deshacer no coinciden\n");
        return 1;
    }
    const double completo = m.previa + m.conAuditoria;
    const double ratio = completo / std::max(1e-9, m.desnudo);
    const double ratioPrevia = m.previa / std::max(1e-9, m.cruda);
    std::printf("\nfilas cambiadas: %ld lineas, %ld comprobantes de venta, %ld de compra; "
                "consulta de entrada: %ld filas\n",
                m.lineas, m.ventas, m.compras, filasCrudas);
    std::printf("%-15s %9s %11s\n", "medida", "segundos", "relacion");
    std::printf("%-15s %9.3f %11s\n", "consulta_cruda", m.cruda, "");
    std::printf("%-15s %9.3f %8.3f %s  (/ consulta_cruda)\n", "vista_previa", m.previa, ratioPrevia,
                Marca(ratioPrevia <= kObjetivoVistaPrevia));
    std::printf("%-15s %9.3f %11s\n", "sin_auditoria", m.desnudo, "1.00");
    std::printf("%-15s %9.3f %8.2f    (/ sin_auditoria)\n", "con_auditoria", m.conAuditoria,
                m.conAuditoria / std::max(1e-9, m.desnudo));
    std::printf("%-15s %9.3f %8.2f %s  (/ sin_auditoria)\n", "completo", completo, ratio,
                Marca(ratio <= kObjetivoCompleto));
    std::printf("%-15s %9.3f %8.2f    (/ sin_auditoria)\n", "deshacer", m.deshacer,
                m.deshacer / std::max(1e-9, m.desnudo));
    std::printf("objetivos: completo <= %.1f x sin_auditoria a 100.000 lineas cambiadas; "
                "vista_previa <= %.2f x consulta_cruda a 1.000.000 lineas\n",
                kObjetivoCompleto, kObjetivoVistaPrevia);
    std::printf("ratio_completo %.2f\n", ratio);
    return 0;
}
