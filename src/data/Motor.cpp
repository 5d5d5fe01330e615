#include "Motor.h"
#include "ErrorVB.h"
#include "FlujoQt.h"
#include "MotorOracle.h"
#include "MotorSqlServer.h"
#include "MotorSqlite.h"
#include <QSqlRecord>

QStringList Motor::tablas(QSqlDatabase& db) const {
    return db.tables(QSql::Tables) + db.tables(QSql::Views);
}

QStringList Motor::columnas(QSqlDatabase& db, const QString& tabla) const {
    QStringList r;
    const QSqlRecord rec = db.record(tabla);
    for (int i = 0; i < rec.count(); ++i)
        r << rec.fieldName(i);
    return r;
}

const QString& Motor::traducirFija(const QString& sql) {
    auto it = fijas_.constFind(sql);
    if (it == fijas_.constEnd()) {
        // Few texts are ever used this way; the bound only guards against misuse.
        if (fijas_.size() >= 256)
            fijas_.clear();
        it = fijas_.insert(sql, traducir(sql));
    }
    return it.value();
}

bool Motor::enlacePerdido(QSqlDatabase&, const QSqlError& error, const ErrorProveedor&) {
    return error.type() == QSqlError::ConnectionError;
}

std::unique_ptr<FlujoFilas> Motor::flujo(const QSqlDatabase& db) const {
    return std::make_unique<FlujoQt>(db);
}

std::unique_ptr<Motor> Motor::Para(const CadenaConexion& cadena) {
    if (MotorOracle::Nombrado(cadena.proveedor()))
        return std::make_unique<MotorOracle>();
    if (cadena.esJet() || MotorSqlite::EsCarpetaLocal(cadena.valor(QStringLiteral("Server"))))
        return std::make_unique<MotorSqlite>();
    return std::make_unique<MotorSqlServer>();
}

ErrorProveedor ErrorDeTextoSqlite(const QString& texto, int codigoSqlite) {
    using namespace CodigosNativos;
    ErrorProveedor e;
    e.Description = texto;
    e.Number = CodigosError::ErrorComando;
    e.SQLState = QStringLiteral("42000");
    e.NativeError = codigoSqlite;
    auto contiene = [&](const char* t) {
        return texto.contains(QLatin1String(t), Qt::CaseInsensitive);
    };
    // SQLite's primary result codes first: SQLITE_CORRUPT is 11, the number
    // the routines take for a network failure, so no code is kept as it is
    // where it means something else here.
    switch (codigoSqlite & 0xFF) {
    case 5: // SQLITE_BUSY
    case 6: // SQLITE_LOCKED
        e.NativeError = Bloqueo;
        e.SQLState = QStringLiteral("HYT00");
        return e;
    case 8: // SQLITE_READONLY
        e.NativeError = BaseSoloLectura;
        e.SQLState = QStringLiteral("25006");
        return e;
    case 13: // SQLITE_FULL
        e.NativeError = DiscoLleno;
        e.SQLState = QStringLiteral("HY000");
        return e;
    case 11: // SQLITE_CORRUPT
    case 26: // SQLITE_NOTADB
        e.NativeError = BaseDaniada;
        e.SQLState = QStringLiteral("HY000");
        return e;
    default:
        break;
    }
    if (contiene("CHECK constraint failed: LONGITUD_")) {
        e.NativeError = Truncado;
        e.SQLState = QStringLiteral("22001");
        e.Description = QStringLiteral("String or binary data would be truncated. ") + texto;
    } else if (contiene("UNIQUE constraint") || contiene("PRIMARY KEY")) {
        e.NativeError = ClaveDuplicada;
        e.SQLState = QStringLiteral("23000");
        e.Number = CodigosError::ViolacionIntegridad;
    } else if (contiene("FOREIGN KEY constraint") || contiene("CHECK constraint")) {
        e.NativeError = ConflictoRestriccion;
        e.SQLState = QStringLiteral("23000");
        e.Number = CodigosError::ViolacionIntegridad;
    } else if (contiene("NOT NULL constraint")) {
        e.NativeError = NoSePermiteNulo;
        e.SQLState = QStringLiteral("23000");
        e.Number = CodigosError::ViolacionIntegridad;
    } else if (contiene("no such table")) {
        e.NativeError = ObjetoInvalido;
        e.SQLState = QStringLiteral("42S02");
        e.Number = CodigosError::ObjetoInexistente;
    } else if (contiene("no such column") || contiene("has no column")) {
        e.NativeError = ColumnaInvalida;
        e.SQLState = QStringLiteral("42S22");
    } else if (contiene("syntax error") || contiene("incomplete input")) {
        e.NativeError = SintaxisIncorrecta;
    } else if (contiene("readonly database") || contiene("read-only database")) {
        e.NativeError = BaseSoloLectura;
        e.SQLState = QStringLiteral("25006");
    } else if (contiene("database or disk is full")) {
        e.NativeError = DiscoLleno;
        e.SQLState = QStringLiteral("HY000");
    } else if (contiene("database is locked") || contiene("database table is locked")) {
        e.NativeError = Bloqueo;
        e.SQLState = QStringLiteral("HYT00");
    } else if (contiene("database disk image is malformed") || contiene("not a database")) {
        e.NativeError = BaseDaniada;
        e.SQLState = QStringLiteral("HY000");
    } else if (contiene("database or disk is full")) {
        e.NativeError = DiscoLleno;
        e.SQLState = QStringLiteral("HY000");
    } else if (contiene("unable to open") || contiene("Error opening database") ||
               (codigoSqlite & 0xFF) == 14) {
        e.NativeError = NoSeAbreBase;
        e.SQLState = QStringLiteral("08001");
        e.Number = CodigosError::FalloProveedor;
    }
    return e;
}
