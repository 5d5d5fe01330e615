#include "RegistroCambios.h"
#include "RegistroAcciones.h"
#include "TextoSql.h"
#include <QDateTime>
#include <QRandomGenerator>

namespace RegistroCambios {
namespace {
const QString kNombre = QString::fromLatin1(kTabla);

QChar codigo(Tabla t) {
    switch (t) {
    case Tabla::Asientos:
        return u'A';
    case Tabla::Ventas:
        return u'V';
    case Tabla::Compras:
        break;
    }
    return u'C';
}

// Branch, number and letter joined: the voucher id of a line.
QString idComprobante(const QString& tabla, MotorBD motor) {
    const QString mas =
        motor == MotorBD::SqlServer ? QStringLiteral(" + ") : QStringLiteral(" || ");
    return tabla + QStringLiteral(".SUCURSAL") + mas + tabla + QStringLiteral(".NUMERO") + mas +
           tabla + QStringLiteral(".LETRA");
}

// The voucher type right-aligned in four characters, as the audit rows hold it.
QString tcAlineado(const QString& columna, MotorBD motor) {
    switch (motor) {
    case MotorBD::SqlServer:
        return QStringLiteral("RIGHT('    ' + LTRIM(RTRIM(") + columna + QStringLiteral(")), 4)");
    case MotorBD::Oracle:
        return QStringLiteral("LPAD(TRIM(") + columna + QStringLiteral("), 4)");
    case MotorBD::Sqlite:
        break;
    }
    return QStringLiteral("substr('    ' || trim(") + columna + QStringLiteral("), -4)");
}

// The condition that a row of the base table is the recorded row r.
QString coincide(Tabla t, const QString& r, MotorBD motor) {
    const QString b = Nombre(t);
    auto igual = [&](const char* columnaR, const char* columnaB) {
        return r + u'.' + QLatin1String(columnaR) + QStringLiteral(" = ") + b + u'.' +
               QLatin1String(columnaB);
    };
    if (t != Tabla::Asientos)
        return igual("TC", "TC") + QStringLiteral(" AND ") +
               igual("IDCOMPROBANTE", "IDCOMPROBANTE");
    // The voucher id is there for the index; the line is named by its columns.
    return igual("TC", "TC") + QStringLiteral(" AND ") + r + QStringLiteral(".IDCOMPROBANTE = ") +
           idComprobante(b, motor) + QStringLiteral(" AND ") + igual("SECUENCIA", "SECUENCIA") +
           QStringLiteral(" AND ") + igual("SUCURSAL", "SUCURSAL") + QStringLiteral(" AND ") +
           igual("NUMERO", "NUMERO") + QStringLiteral(" AND ") + igual("LETRA", "LETRA") +
           QStringLiteral(" AND ") + igual("PERIODO", "PERIODO") + QStringLiteral(" AND ") +
           igual("MES_OPERATIVO", "MES_OPERATIVO") + QStringLiteral(" AND ") +
           igual("NUMERO_ASIENTO", "[NUMERO ASIENTO]") + QStringLiteral(" AND ") +
           igual("TIPO_REG", "TIPO_REG");
}

// The live rows of a batch's table, as the record r.
QString vivas(Tabla t, const QString& lote, const QString& r) {
    const QString p = r.isEmpty() ? QString() : r + u'.';
    return p + QStringLiteral("Lote = ") + TextoSql::Literal(lote) + QStringLiteral(" AND ") + p +
           QStringLiteral("Tabla = '") + codigo(t) + QStringLiteral("' AND ") + p +
           QStringLiteral("Vigente = 1");
}

// The record r's row no longer holds the account.
QString yaNoTiene(Tabla t, const QString& r, const QString& cuenta, MotorBD motor) {
    const QString b = Nombre(t);
    return QStringLiteral("NOT EXISTS (SELECT 1 FROM ") + b + QStringLiteral(" WHERE ") + b +
           QStringLiteral(".CUENTA = ") + TextoSql::Literal(cuenta) + QStringLiteral(" AND ") +
           coincide(t, r, motor) + u')';
}

constexpr const char* kTarjeta[] = {"TJ_NroSocio", "TJ_NroCupon", "TJ_Cuotas", "TJ_Autorizo",
                                    "TJ_Observaciones"};
} // namespace

QString Nombre(Tabla t) {
    switch (t) {
    case Tabla::Asientos:
        return QStringLiteral("MV_ASIENTOS");
    case Tabla::Ventas:
        return QStringLiteral("V_MV_CPTE");
    case Tabla::Compras:
        break;
    }
    return QStringLiteral("C_MV_CPTE");
}

QStringList Creacion(MotorBD motor) {
    const bool oracle = motor == MotorBD::Oracle;
    const bool sqlite = motor == MotorBD::Sqlite;
    auto texto = [&](int largo) {
        return (oracle ? QStringLiteral("VARCHAR2(") : QStringLiteral("VARCHAR(")) +
               QString::number(largo) +
               (sqlite ? QStringLiteral(") COLLATE NOCASE") : QStringLiteral(")"));
    };
    // The parts of a line's key keep the types of the journal where they are
    // known; elsewhere text, which the servers compare with numbers too.
    const QString clave = sqlite ? QStringLiteral("INTEGER") : texto(20);
    const QString marca = oracle   ? QStringLiteral("NUMBER(1)")
                          : sqlite ? QStringLiteral("INTEGER")
                                   : QStringLiteral("INT");
    return {
        QStringLiteral("CREATE TABLE ") + kNombre + QStringLiteral(" (Lote ") + texto(25) +
            QStringLiteral(" NOT NULL, Fecha ") + texto(19) + QStringLiteral(" NOT NULL, Tabla ") +
            texto(1) + QStringLiteral(" NOT NULL, TC ") + texto(4) + QStringLiteral(", SUCURSAL ") +
            texto(4) + QStringLiteral(", NUMERO ") + texto(8) + QStringLiteral(", LETRA ") +
            texto(1) + QStringLiteral(", IDCOMPROBANTE ") + texto(13) +
            QStringLiteral(", PERIODO ") + clave + QStringLiteral(", MES_OPERATIVO ") + clave +
            QStringLiteral(", NUMERO_ASIENTO ") + clave + QStringLiteral(", SECUENCIA ") + clave +
            QStringLiteral(", TIPO_REG ") + clave + QStringLiteral(", CuentaAntes ") + texto(15) +
            QStringLiteral(" NOT NULL, CuentaDespues ") + texto(15) +
            QStringLiteral(" NOT NULL, Vigente ") + marca + QStringLiteral(" NOT NULL, ") +
            QStringLiteral("TJ_NroSocio ") + texto(20) + QStringLiteral(", TJ_NroCupon ") +
            texto(20) + QStringLiteral(", TJ_Cuotas ") + texto(3) +
            QStringLiteral(", TJ_Autorizo ") + texto(20) + QStringLiteral(", TJ_Observaciones ") +
            texto(100) + u')',
        QStringLiteral("CREATE INDEX IX_") + kNombre + QStringLiteral(" ON ") + kNombre +
            QStringLiteral(" (Lote, Tabla, TC, IDCOMPROBANTE, SECUENCIA)"),
    };
}

QString Purgar(const QDateTime& ahora) {
    return QStringLiteral("DELETE FROM ") + kNombre + QStringLiteral(" WHERE Fecha < ") +
           TextoSql::Literal(ahora.addDays(-7).toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")));
}

ModificacionesEnLote Modificacion(const QString& que, const QString& desde, const QString& hacia,
                                  const QString& lote) {
    return {que + CambioDesde(desde) + hacia, hacia, lote, FechaServidor()};
}

QString CambioDesde(const QString& desde) {
    return QStringLiteral(": ") + desde + QStringLiteral(" -> ");
}

QString NuevoLote() {
    // The time to the millisecond and 32 random bits: 23 characters.
    return QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyMMddHHmmsszzz")) +
           QStringLiteral("%1").arg(QRandomGenerator::global()->generate(), 8, 16, QChar(u'0'));
}

QString Registrar(Tabla t, const QString& lote, const QDateTime& fecha, const QString& despues,
                  const QString& donde, bool tarjeta, MotorBD motor) {
    const QString b = Nombre(t);
    QString sql = QStringLiteral("INSERT INTO ") + kNombre +
                  QStringLiteral(" (Lote,Fecha,Tabla,TC,SUCURSAL,NUMERO,LETRA,IDCOMPROBANTE,"
                                 "PERIODO,MES_OPERATIVO,NUMERO_ASIENTO,SECUENCIA,TIPO_REG,"
                                 "CuentaAntes,CuentaDespues,Vigente,TJ_NroSocio,TJ_NroCupon,"
                                 "TJ_Cuotas,TJ_Autorizo,TJ_Observaciones) SELECT ") +
                  TextoSql::Literal(lote) + u',' +
                  TextoSql::Literal(fecha.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"))) +
                  QStringLiteral(",'") + codigo(t) + QStringLiteral("',") + b +
                  QStringLiteral(".TC,") + b + QStringLiteral(".SUCURSAL,") + b +
                  QStringLiteral(".NUMERO,") + b + QStringLiteral(".LETRA,");
    if (t == Tabla::Asientos)
        sql += idComprobante(b, motor) + QStringLiteral(",PERIODO,MES_OPERATIVO,[NUMERO ASIENTO],"
                                                        "SECUENCIA,TIPO_REG,");
    else
        sql += QStringLiteral("IDCOMPROBANTE,NULL,NULL,NULL,NULL,NULL,");
    sql += QStringLiteral("CUENTA,") + TextoSql::Literal(despues) + QStringLiteral(",1,");
    sql += tarjeta
               ? QStringLiteral("TJ_NroSocio,TJ_NroCupon,TJ_Cuotas,TJ_Autorizo,TJ_Observaciones")
               : QStringLiteral("NULL,NULL,NULL,NULL,NULL");
    return sql + QStringLiteral(" FROM ") + b + QStringLiteral(" WHERE ") + donde;
}

QString Auditar(Tabla t, const ModificacionesEnLote& m, MotorBD motor) {
    return SentenciaModificaciones(m, tcAlineado(QStringLiteral("R.TC"), motor),
                                   QStringLiteral("R.IDCOMPROBANTE"),
                                   QStringLiteral("FROM ") + kNombre + QStringLiteral(" R WHERE ") +
                                       vivas(t, m.lote, QStringLiteral("R")));
}

QString Cambiadas(Tabla t, const QString& lote, const QString& actual, MotorBD motor) {
    // The account a row holds now, where one row of the table is the recorded
    // one (a purchase voucher has one row per account).
    const QString b = Nombre(t);
    const QString ahora =
        t == Tabla::Compras
            ? QStringLiteral("NULL")
            : QStringLiteral("(SELECT MAX(") + b + QStringLiteral(".CUENTA) FROM ") + b +
                  QStringLiteral(" WHERE ") + coincide(t, QStringLiteral("R"), motor) + u')';
    return QStringLiteral("SELECT R.Tabla, R.TC, R.SUCURSAL, R.NUMERO, R.LETRA, R.NUMERO_ASIENTO, "
                          "R.SECUENCIA, ") +
           ahora + QStringLiteral(", R.PERIODO, R.MES_OPERATIVO, R.TIPO_REG FROM ") + kNombre +
           QStringLiteral(" R WHERE ") + vivas(t, lote, QStringLiteral("R")) +
           QStringLiteral(" AND ") + yaNoTiene(t, QStringLiteral("R"), actual, motor) +
           QStringLiteral(" ORDER BY R.TC, R.SUCURSAL, R.NUMERO, R.LETRA, R.SECUENCIA");
}

QString Apartar(Tabla t, const QString& lote, const QString& actual, MotorBD motor) {
    return QStringLiteral("UPDATE ") + kNombre + QStringLiteral(" SET Vigente = 0 WHERE ") +
           vivas(t, lote, QString()) + QStringLiteral(" AND ") +
           yaNoTiene(t, kNombre, actual, motor);
}

QString Volver(Tabla t, const QString& lote, const QString& desde, const QString& hacia,
               const QString& asignaciones, MotorBD motor) {
    const QString b = Nombre(t);
    return QStringLiteral("UPDATE ") + b + QStringLiteral(" SET CUENTA = ") +
           TextoSql::Literal(hacia) + asignaciones + QStringLiteral(" WHERE CUENTA = ") +
           TextoSql::Literal(desde) + QStringLiteral(" AND EXISTS (SELECT 1 FROM ") + kNombre +
           QStringLiteral(" R WHERE ") + vivas(t, lote, QStringLiteral("R")) +
           QStringLiteral(" AND ") + coincide(t, QStringLiteral("R"), motor) + u')';
}

QString TarjetaRegistrada(const QString& lote, MotorBD motor) {
    QString r;
    for (const char* campo : kTarjeta)
        r += QStringLiteral(", ") + QLatin1String(campo) + QStringLiteral(" = (SELECT MAX(R.") +
             QLatin1String(campo) + QStringLiteral(") FROM ") + kNombre +
             QStringLiteral(" R WHERE ") + vivas(Tabla::Asientos, lote, QStringLiteral("R")) +
             QStringLiteral(" AND ") + coincide(Tabla::Asientos, QStringLiteral("R"), motor) + u')';
    return r;
}

QString Identidades(const QString& lote) {
    return QStringLiteral("SELECT TC, SUCURSAL, NUMERO, LETRA, PERIODO, MES_OPERATIVO, "
                          "NUMERO_ASIENTO, SECUENCIA, TIPO_REG FROM ") +
           kNombre + QStringLiteral(" WHERE ") + vivas(Tabla::Asientos, lote, QString());
}

QString Borrar(const QStringList& lotes) {
    QStringList l;
    for (const QString& lote : lotes)
        l << TextoSql::Literal(lote);
    return QStringLiteral("DELETE FROM ") + kNombre + QStringLiteral(" WHERE Lote IN (") +
           l.join(u',') + u')';
}

} // namespace RegistroCambios
