#include "DialogoConsulta.h"
#include "ArchivoConsultas.h"
#include "UtilGeneral.h"

QString DialogoConsulta::SentenciaDe(const QString& tabla, const QString& condicion) const {
    const QString t = tabla.trimmed();
    // A whole statement is run exactly as the caller wrote it.
    if (t.startsWith(QStringLiteral("SELECT "), Qt::CaseInsensitive))
        return tabla;
    // The columns come from the table's search definition when it has one.
    QString columnas = QStringLiteral("*");
    QString extra;
    for (const RegistroConsulta& r : ArchivoConsultas::Leer(ArchivoConsultas)) {
        if (ArchivoConsultas::TablaLimpia(r.tabla).compare(t, Qt::CaseInsensitive) != 0)
            continue;
        QString c =
            UtilGeneral::Reemplazar(r.columnas, QStringLiteral("|"), QStringLiteral(",")).trimmed();
        if (c.startsWith(u','))
            c.remove(0, 1);
        if (c.endsWith(u','))
            c.chop(1);
        if (!c.trimmed().isEmpty() &&
            (CampoDevuelto.isEmpty() ||
             c.split(u',').contains(CampoDevuelto.trimmed(), Qt::CaseInsensitive)))
            columnas = c;
        extra = ArchivoConsultas::TablaLimpia(r.condicion);
        break;
    }
    QString cond = condicion.trimmed();
    if (!extra.isEmpty())
        cond = cond.isEmpty() ? extra : extra + QStringLiteral(" and ") + cond;
    QString s = QStringLiteral("SELECT TOP 1000 ") + columnas + QStringLiteral(" FROM ") + t +
                QStringLiteral(" with(nolock) ");
    if (!cond.isEmpty())
        s += QStringLiteral(" WHERE ") + cond;
    return s;
}

void DialogoConsulta::Mostrar(const QString& tabla, const QString& condicion) {
    PeticionBusqueda p;
    p.sentencia = SentenciaDe(tabla, condicion);
    p.campoDevuelto = CampoDevuelto;
    p.consultar = consultor_;
    elegido_ = dialogos().Buscar(p);
}

DialogoConsulta& gDialogoConsulta() {
    static DialogoConsulta d;
    return d;
}
