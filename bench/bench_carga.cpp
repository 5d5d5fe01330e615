// bench_carga N: the entry grid load measured against the raw entry query on a
// demo database of N lines. For the plain load, the load with "contains
// account" and the load with the principal-account data, it prints the
// seconds of the raw query (the same SELECT stepped through SQLite directly,
// every column read as text) and of the load into the grid model, their
// ratio, lines per second, the peak memory per line beyond the raw query's,
// the model's own bytes per line and the statements sent per line. The last
// line printed is "ratio_carga_simple <load / raw>" for the plain load.
//
// The row "ventana" is the load through the real main window (offscreen, its
// progress sign, toolbar, status bar and grid, events running), from
// "Ejecutar" to the totals shown; its third column is its ratio to the raw
// query, and a line after the table gives the time to the first rows
// painted. The rows "orden_*" time a click on a column title of the loaded
// window, against the raw query.
//
// The databases are kept in $TARQUEL_BENCH_DATOS/N (by default bench-datos/N
// next to the executable's folder) and generated only when missing.
#include "CargaAsientos.h"
#include "ComunBench.h"
#include "Contadores.h"
#include "DB_Dll.h"
#include "FiltroAsientos.h"
#include "FrmTarquel.h"
#include "ModeloAsientos.h"
#include "Sesion.h"
#include "TraduccionSqlite.h"
#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <cstdio>
#include <cstdlib>
#include <malloc.h>
#include <memory>
#include <sqlite3.h>
#include <string>

namespace {

// The account of the "contains account" load: VAT on sales, present in every
// sales invoice, debit and credit note.
const QString kCuentaContenida = QStringLiteral("2.1.03.001");

// Targets, stated for one million lines.
constexpr double kObjetivoRatioSimple = 1.5;
constexpr double kObjetivoBytesPorLinea = 300;
constexpr double kObjetivoFrenteASimple = 2.0;
constexpr double kObjetivoPrincipal = 1.5; // principal account, times the plain load
// The load in the window: times the raw query, first rows within a share of
// the raw query's time, bytes a line beyond the raw query.
constexpr double kObjetivoVentana = 1.5;
constexpr double kObjetivoPrimeras = 0.1;
constexpr double kObjetivoBytesVentana = 150;
// A sort by a column title, times the raw query.
constexpr double kObjetivoOrden = 0.2;

struct MedidaCruda {
    double segundos = 0;
    long filas = 0;
    long long bytesTexto = 0;
    long long crecimiento = 0; // peak resident growth
    bool ok = false;
};

// The entry SELECT through the SQLite C API on its own connection: every
// column of every row read as text.
MedidaCruda ConsultaCruda(const QString& archivo, const QString& sql) {
    MedidaCruda m;
    const Memoria antes = EmpezarMedidaMemoria();
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(archivo.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr) !=
        SQLITE_OK) {
        std::fprintf(stderr, "no se abre %s: %s\n", qPrintable(archivo), sqlite3_errmsg(db));
        sqlite3_close(db);
        return m;
    }
    const QByteArray texto = sql.toUtf8();
    const double t0 = Ahora();
    sqlite3_stmt* st = nullptr;
    if (sqlite3_prepare_v2(db, texto.constData(), static_cast<int>(texto.size()), &st, nullptr) !=
        SQLITE_OK) {
        std::fprintf(stderr, "consulta cruda: %s\n", sqlite3_errmsg(db));
        sqlite3_close(db);
        return m;
    }
    const int columnas = sqlite3_column_count(st);
    int rc;
    while ((rc = sqlite3_step(st)) == SQLITE_ROW) {
        for (int i = 0; i < columnas; ++i) {
            const unsigned char* v = sqlite3_column_text(st, i);
            if (v)
                m.bytesTexto += sqlite3_column_bytes(st, i);
        }
        ++m.filas;
    }
    m.ok = rc == SQLITE_DONE;
    if (!m.ok)
        std::fprintf(stderr, "consulta cruda: %s\n", sqlite3_errmsg(db));
    sqlite3_finalize(st);
    m.segundos = Ahora() - t0;
    m.crecimiento = CrecimientoPico(antes);
    sqlite3_close(db);
    return m;
}

// The plan SQLite chooses for a statement, one step a line.
QStringList PlanDeConsulta(const QString& archivo, const QString& sql) {
    QStringList plan;
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(archivo.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr) ==
        SQLITE_OK) {
        const QByteArray texto = (QStringLiteral("EXPLAIN QUERY PLAN ") + sql).toUtf8();
        sqlite3_stmt* st = nullptr;
        if (sqlite3_prepare_v2(db, texto.constData(), -1, &st, nullptr) == SQLITE_OK) {
            while (sqlite3_step(st) == SQLITE_ROW)
                plan << QString::fromUtf8(
                    reinterpret_cast<const char*>(sqlite3_column_text(st, 3)));
            sqlite3_finalize(st);
        }
    }
    sqlite3_close(db);
    return plan;
}

// A single count through the SQLite C API.
long Contar(const QString& archivo, const QString& sql) {
    long n = -1;
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(archivo.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr) ==
        SQLITE_OK) {
        sqlite3_stmt* st = nullptr;
        if (sqlite3_prepare_v2(db, sql.toUtf8().constData(), -1, &st, nullptr) == SQLITE_OK) {
            if (sqlite3_step(st) == SQLITE_ROW)
                n = static_cast<long>(sqlite3_column_int64(st, 0));
            sqlite3_finalize(st);
        }
    }
    sqlite3_close(db);
    return n;
}

struct MedidaCarga {
    double segundos = 0;
    long lineas = 0;
    long comprobantes = 0;
    long long crecimiento = 0; // peak resident growth
    long long retenido = 0;    // resident growth still held with the model alive
    std::size_t bytesModelo = 0;
    long sentencias = 0;
    long recordsets = 0;
    bool completa = false;
    double primeras = -1; // seconds to the first rows painted (the window only)
};

// One load into a new grid model, headless; with conVista, shown in a table
// view (offscreen) whose events run during the load, as in the window.
MedidaCarga Cargar(const ParametrosConsulta& p, bool conCuentaPrincipal, bool conVista = false) {
    MedidaCarga m;
    const Memoria antes = EmpezarMedidaMemoria();
    const long sentencias0 = contadores().sentencias;
    const long recordsets0 = contadores().recordsets;
    {
        auto modelo = std::make_unique<ModeloAsientos>();
        std::unique_ptr<QTableView> vista;
        if (conVista) {
            vista = std::make_unique<QTableView>();
            vista->setModel(modelo.get());
            // As the window's grid: no row header, rows of one fixed height.
            vista->verticalHeader()->hide();
            vista->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
            vista->resize(900, 500);
            vista->show();
            QCoreApplication::processEvents();
        }
        AvanceMudo mudo;
        AvanceConEventos conEventos;
        CargaAsientos carga(*modelo, conVista ? static_cast<AvanceCarga&>(conEventos) : mudo);
        const double t0 = Ahora();
        const ResultadoCarga r =
            carga.CargarAsientos(p, [conCuentaPrincipal] { return conCuentaPrincipal; });
        if (conVista)
            QCoreApplication::processEvents(); // the last rows drawn
        m.segundos = Ahora() - t0;
        m.crecimiento = CrecimientoPico(antes);
        malloc_trim(0);
        m.retenido = LeerMemoria().rss - antes.rss;
        m.completa = r.completa;
        m.lineas = r.lineas;
        m.bytesModelo = modelo->BytesUsados();
        for (int fila = 1; fila < modelo->FilasGrid(); ++fila)
            if (modelo->EsCabecera(fila))
                ++m.comprobantes;
    }
    m.sentencias = contadores().sentencias - sentencias0;
    m.recordsets = contadores().recordsets - recordsets0;
    malloc_trim(0);
    return m;
}

// Notes when the grid's viewport first paints rows of the load (a voucher
// header in the first row): the paint runs, then the clock is read.
class RelojPrimerasFilas : public QObject {
public:
    RelojPrimerasFilas(QTableView& vista, const ModeloAsientos& modelo, double t0)
        : vista_(vista), modelo_(modelo), t0_(t0) {
        vista_.viewport()->installEventFilter(this);
    }
    double segundos = -1;

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override {
        if (segundos < 0 && evento->type() == QEvent::Paint && modelo_.EsCabecera(1)) {
            objeto->event(evento);
            segundos = Ahora() - t0_;
            return true;
        }
        return false;
    }

private:
    QTableView& vista_;
    const ModeloAsientos& modelo_;
    double t0_;
};

// A main window shown offscreen with the query fields filled, ready for "Ejecutar".
std::unique_ptr<FrmTarquel> VentanaLista(const ParametrosConsulta& p) {
    auto f = std::make_unique<FrmTarquel>();
    f->show();
    f->TxtFields(QStringLiteral("FechaDesde"))->setText(p.fechaDesde);
    f->TxtFields(QStringLiteral("FechaHasta"))->setText(p.fechaHasta);
    QCoreApplication::processEvents();
    return f;
}

// The load through the real window: its progress sign, toolbar, status bar
// and grid, events running as in use; from "Ejecutar" to the totals shown.
MedidaCarga CargarEnVentana(const ParametrosConsulta& p) {
    MedidaCarga m;
    auto f = VentanaLista(p);
    const Memoria antes = EmpezarMedidaMemoria();
    const long sentencias0 = contadores().sentencias;
    const long recordsets0 = contadores().recordsets;
    const double t0 = Ahora();
    RelojPrimerasFilas reloj(*f->MSFlexGrid1, f->Grilla(), t0);
    f->CmdEjecutar_Click();
    QCoreApplication::processEvents(); // the last rows and the totals drawn
    m.segundos = Ahora() - t0;
    m.primeras = reloj.segundos;
    m.crecimiento = CrecimientoPico(antes);
    malloc_trim(0);
    m.retenido = LeerMemoria().rss - antes.rss;
    const ModeloAsientos& modelo = f->Grilla();
    m.completa = !f->LblSuma->text().startsWith(QStringLiteral("Debe:"));
    m.bytesModelo = modelo.BytesUsados();
    for (int fila = 1; fila < modelo.FilasGrid(); ++fila) {
        if (modelo.EsCabecera(fila))
            ++m.comprobantes;
        else if (modelo.EsLinea(fila))
            ++m.lineas;
    }
    m.sentencias = contadores().sentencias - sentencias0;
    m.recordsets = contadores().recordsets - recordsets0;
    f.reset();
    malloc_trim(0);
    return m;
}

// A click on a column title of the loaded window, timed to the grid drawn again.
struct MedidaOrden {
    const char* nombre;
    int columna;
    double segundos = 0;
};

std::vector<MedidaOrden> OrdenarEnVentana(const ParametrosConsulta& p) {
    std::vector<MedidaOrden> r = {{"orden_cuenta", Columnas::Cuenta},
                                  {"orden_descripcion", Columnas::Descripcion},
                                  {"orden_debe", Columnas::Debe},
                                  {"orden_linea", Columnas::Linea}};
    auto f = VentanaLista(p);
    f->CmdEjecutar_Click();
    QCoreApplication::processEvents();
    for (MedidaOrden& o : r) {
        const double t0 = Ahora();
        emit f->MSFlexGrid1->horizontalHeader()->sectionClicked(o.columna);
        QCoreApplication::processEvents();
        o.segundos = Ahora() - t0;
    }
    return r;
}

double PorLinea(double valor, long lineas) {
    return lineas > 0 ? valor / static_cast<double>(lineas) : 0;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    const int n = LineasPedidas(argc, argv, "bench_carga");
    if (n == 0)
        return 2;
    // Timings on a shared machine are noisy: the best of two runs (three
    // for small sizes, where a run is short).
    const int veces = n <= 200000 ? 3 : 2;

    bool generada = false;
    const QString carpeta = PrepararDatos(n, &generada);
    if (carpeta.isEmpty())
        return 1;
    const QString archivo = carpeta + QStringLiteral("/DEMO.db");

    if (!Conectar(carpeta)) {
        std::fprintf(stderr, "no se conecta a %s\n", qPrintable(archivo));
        return 1;
    }

    sesion().gCaja = QStringLiteral("1");
    sesion().gCantidadDecimales = QStringLiteral("2");

    // The whole fiscal year, as the program's default dates.
    ParametrosConsulta simple;
    simple.fechaDesde = QStringLiteral("01/01/2024");
    simple.fechaHasta = QStringLiteral("31/12/2024");
    ParametrosConsulta contiene = simple;
    contiene.contieneCuenta = kCuentaContenida;

    const QString sql =
        TraduccionSqlite::Traducir(ConsultaAsientos(ArmarFiltro(simple, MotorBD::Sqlite)));

    std::printf("bench_carga: %d lineas, base %s%s, %d corrida(s) por medida\n", n,
                qPrintable(archivo), generada ? " (recien generada)" : " (reutilizada)", veces);
    std::printf("consulta: %s\n", qPrintable(sql));
    for (const QString& paso : PlanDeConsulta(archivo, sql))
        std::printf("plan: %s\n", qPrintable(paso));
    const long comprobantesConCuenta =
        Contar(archivo,
               QStringLiteral("SELECT COUNT(*) FROM (SELECT DISTINCT TC, SUCURSAL, NUMERO, LETRA, "
                              "FECHA, [NUMERO ASIENTO] FROM MV_ASIENTOS WHERE CUENTA = '") +
                   kCuentaContenida + QStringLiteral("')"));
    std::fflush(stdout);

    // Once unmeasured, so that every measurement finds the file in the page cache.
    const MedidaCruda calentamiento = ConsultaCruda(archivo, sql);
    if (!calentamiento.ok)
        return 1;
    const MedidaCruda cruda =
        MejorDe<MedidaCruda>(veces, [&] { return ConsultaCruda(archivo, sql); });

    struct Caso {
        const char* nombre;
        MedidaCarga m;
    };
    Caso casos[] = {
        {"simple", MejorDe<MedidaCarga>(veces, [&] { return Cargar(simple, false); })},
        {"contiene_cuenta", MejorDe<MedidaCarga>(veces, [&] { return Cargar(contiene, false); })},
        {"cuenta_principal", MejorDe<MedidaCarga>(veces, [&] { return Cargar(simple, true); })},
        {"simple_con_vista",
         MejorDe<MedidaCarga>(veces, [&] { return Cargar(simple, false, true); })},
        {"ventana", MejorDe<MedidaCarga>(veces, [&] { return CargarEnVentana(simple); })},
    };
    const MedidaCarga& ventana = casos[4].m;
    const std::vector<MedidaOrden> ordenes = OrdenarEnVentana(simple);
    const MedidaCarga& base = casos[0].m;

    std::printf("\n%-17s %9s %9s %12s %12s %10s %13s %10s %9s %11s\n", "medida", "segundos",
                "/crudo", "/simple", "lineas/s", "lineas", "comprobantes", "B/l extra",
                "modelo B/l", "sent/l");
    std::printf("%-17s %9.3f %9s %12s %12.0f %10ld %13s %10.1f %9s %11s\n", "consulta_cruda",
                cruda.segundos, "1.00", "",
                PorLinea(cruda.filas, 1) / std::max(1e-9, cruda.segundos), cruda.filas, "",
                PorLinea(static_cast<double>(cruda.crecimiento), cruda.filas), "", "");
    for (const Caso& c : casos) {
        const MedidaCarga& m = c.m;
        const double ratio = m.segundos / std::max(1e-9, cruda.segundos);
        const double frenteASimple = m.segundos / std::max(1e-9, base.segundos);
        const double extra =
            PorLinea(static_cast<double>(m.crecimiento - cruda.crecimiento), m.lineas);
        const bool esSimple = &m == &base;
        const bool esVentana = &m == &ventana;
        const QString colRatio =
            QString::asprintf("%.2f", ratio) +
            (esSimple    ? QStringLiteral(" ") + Marca(ratio <= kObjetivoRatioSimple)
             : esVentana ? QStringLiteral(" ") + Marca(ratio <= kObjetivoVentana)
                         : QString());
        const double objetivoSimple =
            &m == &casos[2].m ? kObjetivoPrincipal : kObjetivoFrenteASimple;
        const QString colSimple = esSimple ? QStringLiteral("1.00")
                                           : QString::asprintf("%.2f ", frenteASimple) +
                                                 Marca(frenteASimple <= objetivoSimple);
        const double objetivoBytes = esVentana ? kObjetivoBytesVentana : kObjetivoBytesPorLinea;
        std::printf("%-17s %9.3f %9s %12s %12.0f %10ld %13ld %7.1f %-2s %9.1f %11.3g%s\n", c.nombre,
                    m.segundos, qPrintable(colRatio), qPrintable(colSimple),
                    PorLinea(m.lineas, 1) / std::max(1e-9, m.segundos), m.lineas, m.comprobantes,
                    extra, Marca(extra <= objetivoBytes),
                    PorLinea(static_cast<double>(m.bytesModelo), m.lineas),
                    PorLinea(m.sentencias, m.lineas), m.completa ? "" : "  (incompleta)");
    }
    for (const MedidaOrden& o : ordenes) {
        const double ratio = o.segundos / std::max(1e-9, cruda.segundos);
        std::printf("%-17s %9.3f %6.3f %-2s  (clic en el titulo de la columna %d)\n", o.nombre,
                    o.segundos, ratio, Marca(ratio <= kObjetivoOrden), o.columna);
    }
    const double primeras = ventana.primeras / std::max(1e-9, cruda.segundos);
    std::printf("ventana: primeras filas a la vista a los %.3f s, %.3f del crudo %s\n",
                ventana.primeras, primeras,
                Marca(ventana.primeras >= 0 && primeras <= kObjetivoPrimeras));
    std::printf("\nobjetivos (a 1.000.000 lineas): simple/crudo <= %.1f; B/l extra <= %.0f; "
                "contiene_cuenta <= %.1f x simple; cuenta_principal <= %.1f x simple; "
                "ventana/crudo <= %.1f, primeras filas <= %.2f x crudo, B/l extra <= %.0f; "
                "orden/crudo <= %.1f\n",
                kObjetivoRatioSimple, kObjetivoBytesPorLinea, kObjetivoFrenteASimple,
                kObjetivoPrincipal, kObjetivoVentana, kObjetivoPrimeras, kObjetivoBytesVentana,
                kObjetivoOrden);
    std::printf("crudo: %lld bytes de texto leidos, pico de memoria +%.1f MB\n", cruda.bytesTexto,
                cruda.crecimiento / 1048576.0);
    for (const Caso& c : casos)
        std::printf("%s: pico de memoria +%.1f MB, retenido con el modelo +%.1f MB "
                    "(BytesUsados %.1f MB), %ld sentencias, %ld recordsets\n",
                    c.nombre, c.m.crecimiento / 1048576.0, c.m.retenido / 1048576.0,
                    c.m.bytesModelo / 1048576.0, c.m.sentencias, c.m.recordsets);
    std::printf("contiene_cuenta %s: %ld comprobantes con la cuenta, %ld de %ld lineas cargadas\n",
                qPrintable(kCuentaContenida), comprobantesConCuenta, casos[1].m.lineas,
                base.lineas);
    if (base.lineas != cruda.filas)
        std::printf("aviso: la carga simple cargo %ld lineas y la consulta devolvio %ld filas\n",
                    base.lineas, cruda.filas);
    std::printf("ratio_carga_simple %.2f\n", base.segundos / std::max(1e-9, cruda.segundos));
    return 0;
}
