#include "Transaccion.h"
#include "DB_Dll.h"
#include "MotorOracle.h"

Transaccion::Transaccion() : cn_(gDB().conexion()) {
    if (!gDB().AsegurarConexion())
        throw ErrorVB(CodigosError::SinConexion,
                      QStringLiteral("No hay conexión con la base de datos."),
                      QStringLiteral("DB_Dll"));
    cn_.Errors.clear();
    cn_.BeginTrans();
    pendiente_ = true;
}

Transaccion::~Transaccion() {
    if (!pendiente_)
        return;
    // The error that made the write fail is the one to report, not the
    // rollback's (a lost connection cannot roll back: the server does).
    const QList<ErrorProveedor> errores = cn_.Errors;
    IgnorandoErrores([&] { cn_.RollbackTrans(); });
    cn_.Errors = errores;
}

QString Transaccion::texto(const QString& sql) const {
    return MotorOracle::Nombrado(cn_.ConnectionString) ? gDB().ORACLE_Dicc(sql) : sql;
}

long Transaccion::Ejecutar(const QString& sql, bool sinonimos) {
    long filas = 0;
    cn_.Execute(texto(sinonimos ? gDB().SS_TSinonimos(sql) : sql), &filas);
    return filas;
}

QVariant Transaccion::Valor(const QString& sql) {
    Recordset rs;
    rs.Open(texto(sql), &cn_, Cursores::SoloAdelante, Bloqueos::SoloLectura);
    return rs.Eof() ? QVariant() : rs.Valor(0);
}

FalloEscritura FalloEnLaConexion(const ErrorVB& error) {
    const Conexion& cn = gDB().conexion();
    return ClasificarFallo(error, cn.Errors, cn.State() == 1);
}

QSet<QString> Transaccion::Filas(const QString& sql) {
    QSet<QString> r;
    for (const QStringList& fila : Leer(sql))
        r.insert(fila.join(QChar(kSeparador)).toUpper());
    return r;
}

QList<QStringList> Transaccion::Leer(const QString& sql) {
    QList<QStringList> r;
    Recordset rs;
    rs.Open(texto(sql), &cn_, Cursores::SoloAdelante, Bloqueos::SoloLectura);
    const int columnas = static_cast<int>(rs.Campos().size());
    for (; !rs.Eof(); rs.MoveNext()) {
        QStringList fila;
        for (int i = 0; i < columnas; ++i)
            fila << rs.Texto(i);
        r << fila;
    }
    return r;
}

void Transaccion::Confirmar() {
    cn_.CommitTrans();
    pendiente_ = false;
}
