#pragma once
// The embedded engine: each database is a SQLite file. A connection to a
// server that is a local folder ("Server=/datos/empresa") opens the file
// named after the database in that folder; a Jet connection opens its Data
// Source file. Files use WAL journaling and wait for each other when busy.
// A file that cannot be written, or a connection string that asks for it
// ("Mode=Read", as ADO writes it), is opened read-only; it is read and every
// write is refused as a read-only database's. On opening, the file is checked:
// a file another program keeps locked, one that is not a database and one cut
// short fail the open instead of every later statement.
#include "CacheSentenciasSqlite.h"
#include "Motor.h"

class MotorSqlite : public Motor {
public:
    MotorBD tipo() const override { return MotorBD::Sqlite; }
    QString driver() const override { return QStringLiteral("QSQLITE"); }
    std::optional<ErrorProveedor> configurar(QSqlDatabase& db, const CadenaConexion& cadena,
                                             int segundosConexion) override;
    void alAbrir(QSqlDatabase& db) override;
    std::optional<ErrorProveedor> comprobarAlAbrir(QSqlDatabase& db) override;
    QString traducir(const QString& sql) const override;
    // Rows are read with SQLite's own interface when Qt's driver runs on the
    // same SQLite library this program links; through Qt's driver otherwise.
    std::unique_ptr<FlujoFilas> flujo(const QSqlDatabase& db) const override;
    void antesDeCerrar() override { sentencias_->Vaciar(); }
    const CacheSentenciasSqlite& sentencias() const { return *sentencias_; }
    QStringList dividirLote(const QString& sql) const override;
    ErrorProveedor mapearError(const QSqlError& error, const QVariant& sentencia) const override;
    // A file has no link to lose (Qt's driver marks some statement failures
    // as connection errors).
    bool enlacePerdido(QSqlDatabase&, const QSqlError&, const ErrorProveedor&) override {
        return false;
    }
    bool cambiarBase(QSqlDatabase& db, const QString& base, QString& nombreConexion) override;

    // How long a statement waits for a file another connection keeps busy
    // (tests shorten it).
    static constexpr int kEsperaOcupadaMs = 10000;
    static int esperaOcupadaMs;

    // True when a server name is a local folder: an absolute path.
    static bool EsCarpetaLocal(const QString& servidor);
    // The file of database base in carpeta: an existing file whose name
    // matches base without regard to letter case, else base + ".db".
    static QString ArchivoDeBase(const QString& carpeta, const QString& base);

private:
    // Names archivo as the database of db, read-only when it must be.
    void prepararArchivo(QSqlDatabase& db, const QString& archivo);

    QString carpeta_;
    QString archivo_;
    bool pideSoloLectura_ = false;
    bool soloLectura_ = false;
    bool directo_ = false;
    std::shared_ptr<CacheSentenciasSqlite> sentencias_ = std::make_shared<CacheSentenciasSqlite>();
};
