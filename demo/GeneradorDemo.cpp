#include "GeneradorDemo.h"

#include "BaseSqlite.h"
#include "Comprobantes.h"
#include "DatosMaestros.h"
#include "PlanDeCuentas.h"
#include <QDir>
#include <QFile>

namespace {

// Separate streams, so that the chart of accounts is the same at every size.
constexpr std::uint64_t kSemillaMaestros = 0x7A52'1C0D'E5A0'2024ull;
constexpr std::uint64_t kSemillaComprobantes = 0x4D56'5F41'5349'454Eull;

const QString kEstadisticas = QStringLiteral("QD_ESTADISTICAS");

bool Fallo(QString* error, const QString& texto) {
    if (error)
        *error = texto;
    return false;
}

bool BorrarBase(const QString& archivo, QString* error) {
    for (const QString& sufijo :
         {QString(), QStringLiteral("-wal"), QStringLiteral("-shm"), QStringLiteral("-journal")}) {
        QFile f(archivo + sufijo);
        if (f.exists() && !f.remove())
            return Fallo(
                error,
                QStringLiteral("No se pudo reemplazar %1: %2").arg(f.fileName(), f.errorString()));
    }
    return true;
}

// Builds one database: tables without their indexes, the data in one
// transaction with the journal off, then the indexes, the planner statistics
// and the switch to WAL journal mode.
template <class Llenar>
bool CrearBase(const QString& archivo, const QString& esquema, Llenar llenar, QString* error) {
    if (!BorrarBase(archivo, error))
        return false;
    BaseSqlite base(archivo);
    std::string indices;
    if (base.correcta() &&
        base.ejecutar(
            "PRAGMA journal_mode=OFF; PRAGMA synchronous=OFF; PRAGMA cache_size=-65536;") &&
        base.ejecutarSinIndices(esquema.toStdString(), &indices) && base.ejecutar("BEGIN")) {
        llenar(base);
        if (base.correcta())
            base.ejecutar("COMMIT");
    }
    if (base.correcta() && base.ejecutar(indices) &&
        base.ejecutar("PRAGMA analysis_limit=2000; ANALYZE") &&
        base.ejecutar("PRAGMA journal_mode=WAL; PRAGMA synchronous=NORMAL;"))
        return true;
    return Fallo(error, QStringLiteral("%1: %2").arg(archivo, base.error()));
}

} // namespace

bool GenerarDemo(const QString& carpeta, const QString& base, int lineas, QString* error) {
    if (base.trimmed().isEmpty() || base.contains(QLatin1Char('/')) ||
        base.contains(QLatin1Char('\\')) || base.compare(kEstadisticas, Qt::CaseInsensitive) == 0)
        return Fallo(error, QStringLiteral("Nombre de base no válido: \"%1\"").arg(base));
    if (lineas < 0 || lineas == 1)
        return Fallo(error,
                     QStringLiteral("Cantidad de líneas no válida: %1 (0, o 2 o más)").arg(lineas));
    if (!QDir().mkpath(carpeta))
        return Fallo(error, QStringLiteral("No se pudo crear la carpeta %1").arg(carpeta));
    const QDir dir(carpeta);

    const bool principal = CrearBase(
        dir.filePath(base + QStringLiteral(".db")), EsquemaPrincipal(),
        [lineas](BaseSqlite& b) {
            Azar maestros(kSemillaMaestros);
            const PlanDeCuentas plan = ArmarPlanDeCuentas(maestros);
            GrabarPlanDeCuentas(b, plan);
            GrabarTablasDeCodigos(b);
            GrabarUsuariosYTareas(b);
            GrabarConfiguracion(b);
            Azar movimientos(kSemillaComprobantes);
            GrabarComprobantes(b, plan, movimientos, lineas);
        },
        error);
    return principal && CrearBase(dir.filePath(kEstadisticas + QStringLiteral(".db")),
                                  EsquemaEstadisticas(), GrabarConfiguracionEstadisticas, error);
}

bool EjecutarEsquema(const QString& archivoDb, const QString& sql, QString* error) {
    BaseSqlite base(archivoDb);
    if (base.correcta() && base.ejecutar(sql.toStdString()))
        return true;
    return Fallo(error, QStringLiteral("%1: %2").arg(archivoDb, base.error()));
}
