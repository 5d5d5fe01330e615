#include "MotorSqlite.h"
#include "CabeceraSqlite.h"
#include "ErrorVB.h"
#include "FlujoQt.h"
#include "FlujoSqlite.h"
#include "TraduccionSqlite.h"
#include <QDir>
#include <QFileInfo>
#include <QSqlQuery>
#include <QUrl>
#include <algorithm>
#include <sqlite3.h>

int MotorSqlite::esperaOcupadaMs = MotorSqlite::kEsperaOcupadaMs;

namespace {
// The last connection the SQLite library linked into the program opened.
// Every connection that library opens passes through here; one opened by
// another copy of SQLite (a Qt driver carrying its own) never does.
sqlite3* gUltimaAbierta = nullptr;

int anotarApertura(sqlite3* db, const char**, const sqlite3_api_routines*) {
    gUltimaAbierta = db;
    return SQLITE_OK;
}

void vigilarAperturas() {
    static const bool registrado = [] {
        sqlite3_auto_extension(reinterpret_cast<void (*)()>(&anotarApertura));
        return true;
    }();
    (void)registrado;
}

// The header of the open connection's file, read through the connection's own
// file. A second handle on the file would not do: closing it drops every lock
// the process holds on the file, and another program closing the database
// could then take it and remove the log this connection is writing to.
std::optional<CabeceraSqlite> cabeceraDeLaConexion(sqlite3* h) {
    sqlite3_file* f = nullptr;
    if (sqlite3_file_control(h, "main", SQLITE_FCNTL_FILE_POINTER, &f) != SQLITE_OK ||
        f == nullptr || f->pMethods == nullptr)
        return std::nullopt;
    sqlite3_int64 tamano = 0;
    if (f->pMethods->xFileSize(f, &tamano) != SQLITE_OK)
        return std::nullopt;
    QByteArray inicio(100, '\0');
    const int rc = f->pMethods->xRead(f, inicio.data(), static_cast<int>(inicio.size()), 0);
    if (rc == SQLITE_IOERR_SHORT_READ)
        inicio.truncate(static_cast<int>(std::min<sqlite3_int64>(tamano, inicio.size())));
    else if (rc != SQLITE_OK)
        return std::nullopt;
    return CabeceraSqlite::Interpretar(inicio, tamano);
}
} // namespace

bool MotorSqlite::EsCarpetaLocal(const QString& servidor) {
    const QString s = servidor.trimmed();
    return s.startsWith(u'/') || s.startsWith(QStringLiteral("\\\\"));
}

QString MotorSqlite::ArchivoDeBase(const QString& carpeta, const QString& base) {
    const QDir dir(carpeta);
    const QString b = base.trimmed();
    for (const QString& f : dir.entryList(QDir::Files)) {
        const QFileInfo info(f);
        if (info.completeBaseName().compare(b, Qt::CaseInsensitive) == 0 &&
            (info.suffix().compare(QStringLiteral("db"), Qt::CaseInsensitive) == 0))
            return dir.filePath(f);
    }
    return dir.filePath(b + QStringLiteral(".db"));
}

std::optional<ErrorProveedor> MotorSqlite::configurar(QSqlDatabase& db,
                                                      const CadenaConexion& cadena, int) {
    QString archivo;
    if (cadena.esJet()) {
        archivo = cadena.valorDe({"Data Source"});
    } else {
        carpeta_ = cadena.valor(QStringLiteral("Server"));
        const QString base = cadena.valorDe({"Database", "Initial Catalog"});
        if (base.trimmed().isEmpty()) {
            ErrorProveedor e;
            e.Number = CodigosError::FalloProveedor;
            e.NativeError = CodigosNativos::NoSeAbreBase;
            e.SQLState = QStringLiteral("08001");
            e.Description = QStringLiteral("No se indicó la base de datos.");
            return e;
        }
        archivo = ArchivoDeBase(carpeta_, base);
    }
    if (!QFileInfo::exists(archivo)) {
        // A missing database is an error, as on a server: never create it empty.
        ErrorProveedor e;
        e.Number = CodigosError::FalloProveedor;
        e.NativeError = CodigosNativos::NoSeAbreBase;
        // A local file reports "file not found" with the Jet state, so that
        // the caller can offer the file chooser.
        e.SQLState = cadena.esJet() ? QStringLiteral("3024") : QStringLiteral("08001");
        e.Description = QStringLiteral("No se puede abrir la base de datos \"") + archivo +
                        QStringLiteral("\".");
        return e;
    }
    vigilarAperturas();
    pideSoloLectura_ =
        cadena.valor(QStringLiteral("Mode")).compare(QStringLiteral("Read"), Qt::CaseInsensitive) ==
        0;
    prepararArchivo(db, archivo);
    return std::nullopt;
}

void MotorSqlite::prepararArchivo(QSqlDatabase& db, const QString& archivo) {
    archivo_ = archivo;
    const QFileInfo info(archivo);
    soloLectura_ = pideSoloLectura_ || !info.isWritable();
    QString opciones = QStringLiteral("QSQLITE_BUSY_TIMEOUT=") + QString::number(esperaOcupadaMs);
    QString nombre = archivo;
    if (soloLectura_) {
        opciones += QStringLiteral(";QSQLITE_OPEN_READONLY");
        // A file in WAL mode needs its shared-memory index beside it; in a
        // folder nobody can write, with no index and no log there, the file
        // is read as it stands.
        const auto cabecera = CabeceraSqlite::Leer(archivo);
        if (cabecera && cabecera->wal && !QFileInfo(info.absolutePath()).isWritable() &&
            !QFileInfo::exists(archivo + QStringLiteral("-shm")) &&
            !QFileInfo::exists(archivo + QStringLiteral("-wal"))) {
            opciones += QStringLiteral(";QSQLITE_OPEN_URI");
            nombre = QUrl::fromLocalFile(info.absoluteFilePath()).toString(QUrl::FullyEncoded) +
                     QStringLiteral("?immutable=1");
        }
    }
    db.setDatabaseName(nombre);
    db.setConnectOptions(opciones);
}

void MotorSqlite::alAbrir(QSqlDatabase& db) {
    QSqlQuery q(db);
    if (!soloLectura_)
        q.exec(QStringLiteral("PRAGMA journal_mode=WAL"));
    q.exec(QStringLiteral("PRAGMA foreign_keys=ON"));
    // LIKE compares without regard to letter case, as SQL Server's collation does.
    q.exec(QStringLiteral("PRAGMA case_sensitive_like=OFF"));
    // Qt's driver may carry a SQLite of its own: its handle is only used here
    // when this program's library opened it.
    sqlite3* h = FlujoSqlite::Handle(db);
    directo_ = h != nullptr && h == gUltimaAbierta;
}

std::optional<ErrorProveedor> MotorSqlite::comprobarAlAbrir(QSqlDatabase& db) {
    // Reading the schema waits for a file another program keeps locked, and
    // fails on one that is not a database.
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("SELECT count(*) FROM sqlite_master")) || !q.next())
        return mapearError(q.lastError(), QVariant());
    // Only through a connection of the SQLite this program links: under a Qt
    // driver carrying its own, the check is skipped, and a file cut short
    // shows as damaged when its missing pages are read.
    sqlite3* h = FlujoSqlite::Handle(db);
    const auto cabecera =
        h != nullptr && h == gUltimaAbierta ? cabeceraDeLaConexion(h) : std::nullopt;
    if (cabecera && cabecera->truncado()) {
        ErrorProveedor e;
        e.Number = CodigosError::FalloProveedor;
        e.NativeError = CodigosNativos::BaseDaniada;
        e.SQLState = QStringLiteral("HY000");
        e.Description = QStringLiteral("El archivo \"%1\" está incompleto: tiene %2 bytes y su "
                                       "cabecera cuenta %3 páginas de %4 bytes.")
                            .arg(archivo_)
                            .arg(cabecera->tamanoArchivo)
                            .arg(cabecera->paginas)
                            .arg(cabecera->tamanoPagina);
        return e;
    }
    return std::nullopt;
}

std::unique_ptr<FlujoFilas> MotorSqlite::flujo(const QSqlDatabase& db) const {
    if (directo_)
        if (sqlite3* h = FlujoSqlite::Handle(db))
            return std::make_unique<FlujoSqlite>(h, sentencias_);
    return std::make_unique<FlujoQt>(db);
}

QString MotorSqlite::traducir(const QString& sql) const {
    return TraduccionSqlite::Traducir(sql);
}

QStringList MotorSqlite::dividirLote(const QString& sql) const {
    return TraduccionSqlite::DividirLote(sql);
}

ErrorProveedor MotorSqlite::mapearError(const QSqlError& error, const QVariant&) const {
    QString texto = error.driverText();
    if (!error.databaseText().isEmpty())
        texto = error.databaseText();
    return ErrorDeTextoSqlite(texto, error.nativeErrorCode().toInt());
}

bool MotorSqlite::cambiarBase(QSqlDatabase& db, const QString& base, QString&) {
    if (carpeta_.isEmpty())
        return false;
    const QString archivo = ArchivoDeBase(carpeta_, base);
    if (QFileInfo(archivo).absoluteFilePath() == QFileInfo(db.databaseName()).absoluteFilePath())
        return true;
    if (!QFileInfo::exists(archivo))
        return false;
    sentencias_->Vaciar();
    db.close();
    prepararArchivo(db, archivo);
    if (!db.open())
        return false;
    alAbrir(db);
    return true;
}
