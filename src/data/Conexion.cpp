#include "Conexion.h"
#include "Contadores.h"
#include "Recordset.h"
#include <QSqlQuery>
#include <QSqlResult>
#include <algorithm>
#include <atomic>

namespace {
QString nuevoNombre() {
    static std::atomic<int> n{0};
    return QStringLiteral("tarquel-cn-") + QString::number(++n);
}
bool esConsulta(const QString& sql) {
    const QString t = sql.trimmed();
    return t.startsWith(QStringLiteral("SELECT"), Qt::CaseInsensitive) ||
           t.startsWith(QStringLiteral("WITH "), Qt::CaseInsensitive) ||
           t.startsWith(QStringLiteral("PRAGMA"), Qt::CaseInsensitive);
}
} // namespace

Conexion::Conexion() : nombre_(nuevoNombre()) {}

Conexion::~Conexion() {
    Close();
    db_ = QSqlDatabase();
    if (QSqlDatabase::contains(nombre_))
        QSqlDatabase::removeDatabase(nombre_);
}

int Conexion::State() const {
    return db_.isValid() && db_.isOpen() ? 1 : 0;
}

MotorBD Conexion::motor() const {
    return motor_ ? motor_->tipo() : MotorBD::SqlServer;
}

void Conexion::exigirAbierta() const {
    if (State() != 1)
        throw ErrorVB(CodigosError::ConexionCerrada,
                      QStringLiteral("La conexión no se puede usar para realizar esta operación. "
                                     "Está cerrada o no es válida en este contexto."),
                      QStringLiteral("ADODB.Connection"));
}

void Conexion::comprobarFallo(FalloInyectado::Operacion op) {
    for (FalloInyectado& f : fallos_) {
        if (f.veces == 0)
            continue;
        if (f.operacion != FalloInyectado::Operacion::Cualquiera && f.operacion != op)
            continue;
        if (f.saltar > 0) {
            --f.saltar;
            continue;
        }
        if (f.veces > 0)
            --f.veces;
        if (f.cierraConexion && db_.isOpen())
            cerrarTodo();
        Errors.clear();
        if (f.nativo != 0) {
            ErrorProveedor e;
            e.Number = f.numero;
            e.Description = f.descripcion;
            e.NativeError = f.nativo;
            e.SQLState = f.nativo == CodigosNativos::ErrorDeRed ? QStringLiteral("08S01")
                                                                : QStringLiteral("HY000");
            Errors.append(e);
        }
        throw ErrorVB(f.numero, f.descripcion, QStringLiteral("Microsoft OLE DB Provider"));
    }
}

void Conexion::InyectarFallo(const FalloInyectado& fallo) {
    fallos_.push_back(fallo);
}

void Conexion::fallar(const QSqlError& error, const QVariant& sentencia) {
    if (!motor_)
        fallar(ErrorProveedor{CodigosError::FalloProveedor, error.text(), {}, 0});
    ErrorProveedor e = motor_->mapearError(error, sentencia);
    if (e.NativeError == CodigosNativos::ErrorDeRed || motor_->enlacePerdido(db_, error, e)) {
        e.Number = CodigosError::FalloProveedor;
        e.NativeError = CodigosNativos::ErrorDeRed;
        if (!e.SQLState.startsWith(QStringLiteral("08")))
            e.SQLState = QStringLiteral("08S01");
        cerrarTodo();
    }
    fallar(e);
}

void Conexion::fallar(const QSqlQuery& q) {
    fallar(q.lastError(), q.result() != nullptr ? q.result()->handle() : QVariant());
}

void Conexion::fallar(const ErrorProveedor& e) {
    Errors.clear();
    Errors.append(e);
    throw ErrorVB(e.Number, e.Description, QStringLiteral("Microsoft OLE DB Provider"));
}

void Conexion::Open(const QString& cadena) {
    if (State() == 1)
        throw ErrorVB(CodigosError::ObjetoAbierto,
                      QStringLiteral("La operación no está permitida si el objeto está abierto."),
                      QStringLiteral("ADODB.Connection"));
    if (!cadena.isEmpty())
        ConnectionString = cadena;
    Errors.clear();
    comprobarFallo(FalloInyectado::Operacion::Abrir);
    const CadenaConexion cc(ConnectionString);
    if (motor_)
        motor_->antesDeCerrar();
    motor_ = Motor::Para(cc);
    db_ = QSqlDatabase();
    if (QSqlDatabase::contains(nombre_))
        QSqlDatabase::removeDatabase(nombre_);
    if (!QSqlDatabase::isDriverAvailable(motor_->driver())) {
        fallar(ErrorProveedor{CodigosError::FalloProveedor,
                              QStringLiteral("No está instalado el controlador ") +
                                  motor_->driver() + QStringLiteral(" en este equipo."),
                              QStringLiteral("IM002"), 0});
    }
    db_ = QSqlDatabase::addDatabase(motor_->driver(), nombre_);
    if (const auto e = motor_->configurar(db_, cc, ConnectionTimeout))
        fallar(*e);
    if (!db_.open()) {
        ErrorProveedor e = motor_->mapearError(db_.lastError(), QVariant());
        e.Number = CodigosError::FalloProveedor;
        fallar(e);
    }
    if (auto e = motor_->comprobarAlAbrir(db_)) {
        cerrarTodo();
        e->Number = CodigosError::FalloProveedor;
        fallar(*e);
    }
    motor_->alAbrir(db_);
    base_ = cc.valorDe({"Database", "Initial Catalog", "Data Source"});
}

void Conexion::Close() {
    cerrarTodo();
}

void Conexion::cerrarTodo() {
    for (Recordset* rs : std::vector<Recordset*>(abiertos_))
        rs->Close();
    abiertos_.clear();
    if (motor_)
        motor_->antesDeCerrar();
    if (db_.isValid() && db_.isOpen())
        db_.close();
}

void Conexion::SetDefaultDatabase(const QString& base) {
    exigirAbierta();
    // Results still being read are kept: the database may be reopened.
    if (base.trimmed().compare(base_.trimmed(), Qt::CaseInsensitive) != 0)
        for (Recordset* rs : abiertos_)
            rs->LeerResto();
    QString nombre = nombre_;
    if (!motor_->cambiarBase(db_, base, nombre)) {
        fallar(ErrorProveedor{CodigosError::FalloProveedor,
                              QStringLiteral("No se puede abrir la base de datos \"") + base +
                                  QStringLiteral("\"."),
                              QStringLiteral("42000"), CodigosNativos::NoSeAbreBase});
    }
    base_ = base;
}

void Conexion::SetIsolationLevel(long nivel) {
    IsolationLevel = nivel;
    if (State() == 1 && nivel == 256 && !motor_->leerSinConfirmar().isEmpty()) {
        QSqlQuery q(db_);
        q.exec(motor_->leerSinConfirmar());
    }
}

void Conexion::registrar(Recordset* rs) {
    abiertos_.push_back(rs);
}

void Conexion::quitar(Recordset* rs) {
    abiertos_.erase(std::remove(abiertos_.begin(), abiertos_.end(), rs), abiertos_.end());
}

void Conexion::antesDeSentencia(const Recordset* excepto) {
    if (!motor_ || !motor_->unResultadoActivo())
        return;
    for (Recordset* rs : abiertos_)
        if (rs != excepto)
            rs->LeerResto();
}

std::unique_ptr<Recordset> Conexion::Execute(const QString& sql, long* afectados,
                                             bool conResultado) {
    exigirAbierta();
    Errors.clear();
    comprobarFallo(FalloInyectado::Operacion::Ejecutar);
    antesDeSentencia(nullptr);
    contadores().anotar(sql);
    long total = 0;
    const QStringList partes = motor_->dividirLote(sql);
    std::unique_ptr<Recordset> resultado;
    for (const QString& parte : partes) {
        const QString texto = motor_->traducir(parte);
        if (conResultado && esConsulta(parte) && !resultado) {
            resultado = std::make_unique<Recordset>();
            resultado->AbrirTraducido(texto, this);
            continue;
        }
        QSqlQuery q(db_);
        q.setForwardOnly(true);
        ++contadores().sentencias;
        if (!q.exec(texto))
            fallar(q);
        if (!q.isSelect() && q.numRowsAffected() > 0)
            total += q.numRowsAffected();
    }
    if (afectados != nullptr)
        *afectados = total;
    return resultado;
}

void Conexion::BeginTrans() {
    exigirAbierta();
    antesDeSentencia(nullptr);
    if (!db_.transaction())
        fallar(db_.lastError());
}

void Conexion::CommitTrans() {
    exigirAbierta();
    if (!db_.commit())
        fallar(db_.lastError());
}

void Conexion::RollbackTrans() {
    exigirAbierta();
    if (!db_.rollback())
        fallar(db_.lastError());
}

QStringList Conexion::Tablas() {
    exigirAbierta();
    antesDeSentencia(nullptr);
    return motor_->tablas(db_);
}

QStringList Conexion::Columnas(const QString& tabla) {
    exigirAbierta();
    antesDeSentencia(nullptr);
    return motor_->columnas(db_, tabla);
}
