// bench_busqueda: one keystroke of the lookup control measured against the
// raw search statement. On the demo database and on an MA_CUENTAS of 100,000
// rows it types, one character at a time, every prefix of 50 descriptions and
// 50 codes taken from the table. Each keystroke is timed twice in the same
// run: in the control (from the change of the text to the list filled: the
// box holds the new text, its change notification runs the search) and as
// the same statement, in the engine's dialect, prepared and stepped through
// SQLite directly with both columns read as text. It prints the percentiles
// of both in milliseconds and checks the goals: the control's 95th
// percentile at most 1.5 times the raw statement's, and at most 16 ms on the
// demo database. The exit status is 0 when every goal is met.
//
// The databases are written into a temporary folder on every run. With
// --solo-demo only the demo database is measured.
#include "BusquedaCodigo.h"
#include "ComunBench.h"
#include "GeneradorDemo.h"
#include "PartesBusqueda.h"
#include "SentenciasBusqueda.h"
#include "TraduccionSqlite.h"
#include <QApplication>
#include <QDir>
#include <QListView>
#include <QSignalBlocker>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <sqlite3.h>
#include <vector>

namespace {

constexpr double kObjetivoRatio = 1.5;
constexpr double kObjetivoDemoMs = 16.0;
constexpr int kMuestras = 50;
constexpr int kCuentasGrandes = 100000;

double AhoraMs() {
    return 1000 * Ahora();
}

sqlite3* Abrir(const QString& archivo) {
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(archivo.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE, nullptr) !=
        SQLITE_OK) {
        std::fprintf(stderr, "no se abre %s: %s\n", qPrintable(archivo), sqlite3_errmsg(db));
        std::exit(2);
    }
    // LIKE compares as the program's connections compare.
    sqlite3_exec(db, "PRAGMA case_sensitive_like=OFF", nullptr, nullptr, nullptr);
    return db;
}

QStringList Columna(sqlite3* db, const char* sql) {
    QStringList r;
    sqlite3_stmt* st = nullptr;
    sqlite3_prepare_v2(db, sql, -1, &st, nullptr);
    while (sqlite3_step(st) == SQLITE_ROW)
        r << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, 0)));
    sqlite3_finalize(st);
    return r;
}

// An MA_CUENTAS of n accounts with descriptions made of common words.
bool CrearCuentasGrandes(const QString& carpeta, QString* error) {
    const QString archivo = QDir(carpeta).filePath(QStringLiteral("GRANDE.db"));
    if (!EjecutarEsquema(archivo, EsquemaPrincipal(), error))
        return false;
    sqlite3* db = Abrir(archivo);
    static const char* kPrimeras[] = {"Caja",     "Banco",      "Proveedor",   "Cliente",
                                      "Deudores", "Acreedores", "Gastos",      "Ventas",
                                      "Compras",  "Anticipos",  "Retenciones", "Intereses"};
    static const char* kSegundas[] = {
        "central",  "Rosario",    "Córdoba",    "Mendoza",   "varios",  "del país", "exterior",
        "en pesos", "en dólares", "de oficina", "bancarios", "a pagar", "a cobrar"};
    sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
    sqlite3_stmt* st = nullptr;
    sqlite3_prepare_v2(db,
                       "INSERT INTO MA_CUENTAS (Codigo, Descripcion, Titulo, Dada_De_Baja) "
                       "VALUES (?, ?, 0, ?)",
                       -1, &st, nullptr);
    std::uint64_t x = 0x2545F4914F6CDD1Dull;
    for (int i = 0; i < kCuentasGrandes; ++i) {
        x ^= x << 13;
        x ^= x >> 7;
        x ^= x << 17;
        const std::string codigo = QStringLiteral("%1.%2.%3")
                                       .arg(1 + i % 9)
                                       .arg(i / 1000 % 100, 2, 10, QLatin1Char('0'))
                                       .arg(i, 6, 10, QLatin1Char('0'))
                                       .toStdString();
        const std::string descripcion = std::string(kPrimeras[x % std::size(kPrimeras)]) + ' ' +
                                        kSegundas[(x >> 8) % std::size(kSegundas)] + ' ' +
                                        std::to_string((x >> 16) % 5000);
        sqlite3_bind_text(st, 1, codigo.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(st, 2, descripcion.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_int(st, 3, (x >> 40) % 50 == 0 ? 1 : 0);
        sqlite3_step(st);
        sqlite3_reset(st);
    }
    sqlite3_finalize(st);
    sqlite3_exec(db, "COMMIT; ANALYZE", nullptr, nullptr, nullptr);
    sqlite3_close(db);
    return true;
}

// Where the raw reads leave their byte count, so that they are not skipped.
volatile std::size_t gBytesLeidos = 0;

// The raw statement: prepared, every row stepped, both columns read as text.
int PasarCrudo(sqlite3* db, const QByteArray& texto) {
    sqlite3_stmt* st = nullptr;
    if (sqlite3_prepare_v2(db, texto.constData(), static_cast<int>(texto.size()), &st, nullptr) !=
        SQLITE_OK) {
        std::fprintf(stderr, "consulta cruda: %s\n", sqlite3_errmsg(db));
        std::exit(2);
    }
    int filas = 0;
    std::size_t bytes = 0;
    while (sqlite3_step(st) == SQLITE_ROW) {
        for (int c = 0; c < 2; ++c)
            if (sqlite3_column_text(st, c) != nullptr)
                bytes += static_cast<std::size_t>(sqlite3_column_bytes(st, c));
        ++filas;
    }
    sqlite3_finalize(st);
    gBytesLeidos = gBytesLeidos + bytes;
    return filas;
}

double Percentil(std::vector<double> v, double p) {
    std::sort(v.begin(), v.end());
    const std::size_t i =
        std::min(v.size() - 1, static_cast<std::size_t>(p / 100.0 * static_cast<double>(v.size())));
    return v[i];
}

struct Resultado {
    double p95Control = 0;
    double p95Crudo = 0;
};

Resultado Medir(const char* nombre, const QString& carpeta, const QString& base) {
    const QString archivo = QDir(carpeta).filePath(base + QStringLiteral(".db"));
    sqlite3* db = Abrir(archivo);
    // Every n-th account, so the samples spread over the table.
    const QStringList descripciones =
        Columna(db, "SELECT Descripcion FROM MA_CUENTAS WHERE Dada_De_Baja = 0 ORDER BY rowid");
    const QStringList codigos =
        Columna(db, "SELECT Codigo FROM MA_CUENTAS WHERE Dada_De_Baja = 0 ORDER BY rowid");
    QStringList textos;
    for (const QStringList* lista : {&descripciones, &codigos})
        for (int i = 0; i < kMuestras; ++i)
            textos << lista->at(
                static_cast<int>(static_cast<qsizetype>(i) * lista->size() / kMuestras));

    QWidget ventana;
    auto* control = new BusquedaCodigo(&ventana);
    control->resize(440, 240);
    ventana.show();
    control->setConnString(QStringLiteral("PROVIDER=SQLOLEDB;Server=") + carpeta +
                           QStringLiteral(";Database =") + base + u';');
    QString tabla = QStringLiteral("MA_CUENTAS");
    if (!control->BusquedaDisponible(tabla) || !control->Conectado()) {
        std::fprintf(stderr, "el control no se conecta a %s\n", qPrintable(archivo));
        std::exit(2);
    }
    // Warm the page cache once.
    PasarCrudo(db, "SELECT count(*) , max(Descripcion) FROM MA_CUENTAS");

    std::vector<double> tControl;
    std::vector<double> tCrudo;
    long filasControl = 0;
    long filasCrudo = 0;
    for (const QString& t : textos) {
        control->TxtBusqueda->clear();
        for (int n = 1; n <= t.size(); ++n) {
            const QString prefijo = t.left(n);
            // The text box takes the text first; the change notification then
            // runs the control's search, which fills the list.
            {
                const QSignalBlocker quieto(control->TxtBusqueda);
                control->TxtBusqueda->setText(prefijo);
            }
            double a = AhoraMs();
            emit control->TxtBusqueda->textChanged(prefijo);
            tControl.push_back(AhoraMs() - a);
            filasControl += control->LstBusqueda->model()->rowCount();

            const QByteArray crudo =
                TraduccionSqlite::Traducir(
                    SentenciasBusqueda::Sentencia(
                        {prefijo, control->Tabla, control->CampoDescripcion(),
                         control->CampoCodigo(), control->FiltroExtra(), QString()}))
                    .toUtf8();
            a = AhoraMs();
            filasCrudo += PasarCrudo(db, crudo);
            tCrudo.push_back(AhoraMs() - a);
        }
    }
    sqlite3_close(db);

    std::printf("\n%s: %lld cuentas, %zu pulsaciones (%d descripciones y %d códigos)\n", nombre,
                static_cast<long long>(descripciones.size()), tControl.size(), kMuestras,
                kMuestras);
    if (filasControl != filasCrudo)
        std::printf("  ¡distintas filas! control %ld, crudo %ld\n", filasControl, filasCrudo);
    std::printf("  %-8s %9s %9s %9s %9s %9s\n", "ms", "p50", "p90", "p95", "p99", "máx");
    for (const auto& [titulo, v] : {std::pair{"control", &tControl}, std::pair{"crudo", &tCrudo}})
        std::printf("  %-8s %9.3f %9.3f %9.3f %9.3f %9.3f\n", titulo, Percentil(*v, 50),
                    Percentil(*v, 90), Percentil(*v, 95), Percentil(*v, 99), Percentil(*v, 100));
    return {Percentil(tControl, 95), Percentil(tCrudo, 95)};
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const bool soloDemo = QApplication::arguments().contains(QStringLiteral("--solo-demo"));
    QTemporaryDir carpeta;
    QString error;
    if (!GenerarDemo(carpeta.path(), QStringLiteral("DEMO"), 5000, &error) ||
        (!soloDemo && !CrearCuentasGrandes(carpeta.path(), &error))) {
        std::fprintf(stderr, "bench_busqueda: %s\n", qPrintable(error));
        return 2;
    }
    const Resultado demo = Medir("Base de demostración", carpeta.path(), QStringLiteral("DEMO"));
    const Resultado grande =
        soloDemo ? Resultado{}
                 : Medir("MA_CUENTAS de 100.000 filas", carpeta.path(), QStringLiteral("GRANDE"));

    bool cumple = true;
    auto objetivo = [&](const char* texto, double valor, double limite) {
        const bool ok = valor <= limite;
        cumple = cumple && ok;
        std::printf("  %-44s %8.3f <= %6.2f  %s\n", texto, valor, limite, Marca(ok));
    };
    std::printf("\nObjetivos (p95 de una pulsación)\n");
    objetivo("demo: control / crudo", demo.p95Control / demo.p95Crudo, kObjetivoRatio);
    objetivo("demo: control en ms", demo.p95Control, kObjetivoDemoMs);
    if (!soloDemo)
        objetivo("100.000 cuentas: control / crudo", grande.p95Control / grande.p95Crudo,
                 kObjetivoRatio);
    return cumple ? 0 : 1;
}
