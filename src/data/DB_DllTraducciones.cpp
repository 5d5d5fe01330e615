// The rewrites the data-access class applies to statements: Oracle's dialect,
// the confidential synonyms, and the Oracle script runner.
#include "DB_Dll.h"
#include "MotorOracle.h"
#include "OracleDicc.h"
#include "Programa.h"
#include "Sesion.h"
#include "Sinonimos.h"

QString DB_Dll::ORACLE_Dicc(const QString& Valor) const {
    if (!MotorOracle::Nombrado(gConnString))
        return Valor;
    return OracleDicc::Traducir(Valor);
}

QString DB_Dll::SS_TSinonimos(const QString& sql) const {
    return Sinonimos::Aplicar(sql, gEsAdmin, sesion().gConfidencialidad);
}

QString DB_Dll::FiltrarSentencia(QString& sentencia) {
    return OracleDicc::FiltrarSentencia(sentencia);
}

void DB_Dll::EjecutarScript(QString& script, long& afectados) {
    Conexion& cn = conexion();
    for (const QString& s : OracleDicc::PartirScript(script)) {
        if (s.compare(QStringLiteral("SET TRANSACTION"), Qt::CaseInsensitive) == 0) {
            cn.BeginTrans();
        } else if (s.compare(QStringLiteral("COMMIT"), Qt::CaseInsensitive) == 0) {
            cn.CommitTrans();
        } else if (s.compare(QStringLiteral("ROLLBACK"), Qt::CaseInsensitive) == 0) {
            cn.RollbackTrans();
        } else {
            QString sentencia = ORACLE_Dicc(s);
            sentencia = FiltrarSentencia(sentencia).trimmed();
            if (!sentencia.isEmpty()) {
                long n = 0;
                cn.Execute(sentencia, &n);
                afectados += n;
            }
        }
    }
    script.clear();
    if (cn.Errors.size() == 1 && cn.Errors.first().Number == 265929)
        cn.Errors.clear();
}
