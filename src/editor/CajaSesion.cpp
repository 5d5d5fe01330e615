#include "CajaSesion.h"
#include "DB_Dll.h"
#include "Sesion.h"
#include "TextoSql.h"
#include "UtilGeneral.h"

QString CajaSesion(DB_Dll& db) {
    Sesion& s = sesion();
    if (s.gCaja.isEmpty())
        s.gCaja = QStringLiteral("1");
    const QString d = db.DatosTabla(QStringLiteral("@Admin_V_TA_Cajas"), s.gCaja,
                                    QStringLiteral("Descripcion"), QStringLiteral("IdCajas"));
    if (d.trimmed().isEmpty()) {
        QString sql =
            QStringLiteral("INSERT INTO @Admin_V_TA_Cajas (IDCAJAS,DESCRIPCION) VALUES('") +
            TextoSql::Comillas(UtilGeneral::AlinearDerecha(s.gCaja.trimmed(), 4)) +
            QStringLiteral("','CAJA ") + TextoSql::Comillas(s.gCaja) + QStringLiteral("')");
        db.EjecutaConsultaSQL(sql);
    }
    return s.gCaja + u' ' +
           db.DatosTabla(QStringLiteral("V_TA_Cajas"), s.gCaja, QStringLiteral("Descripcion"),
                         QStringLiteral("IdCajas"));
}
