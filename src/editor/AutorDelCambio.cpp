#include "AutorDelCambio.h"
#include "ContratoErrores.h"
#include "DB_Dll.h"
#include "ModeloAsientos.h"
#include "RegistroCambios.h"
#include "TextoSql.h"
#include <QDateTime>

QString AutorDelCambio(const DatosComprobante& c, const QString& cargada, const QString& actual) {
    using TextoSql::Comillas;
    const QString desde = RegistroCambios::CambioDesde(cargada.trimmed());
    QString mejor;
    QDateTime cuando;
    IgnorandoErrores([&] {
        Recordset rs;
        gDB().AbrirRecordset(
            QStringLiteral("SELECT Usuario, PC, FECHAHORA, SYSTEMUSER, Cuenta FROM "
                           "V_MV_CPTEACCIONES WHERE TC = '") +
                Comillas(UtilGeneral::AlinearDerecha(c.tc.trimmed(), 4)) +
                QStringLiteral("' AND IdComprobante = '") +
                Comillas(c.sucursal + c.numero + c.letra) +
                QStringLiteral("' AND Tipo_accion = 'M'"),
            rs);
        if (rs.State() != 1)
            return;
        for (; !rs.Eof(); rs.MoveNext()) {
            const QString descripcion = rs.Texto(3).trimmed();
            const bool tomoActual =
                !actual.trimmed().isEmpty() &&
                rs.Texto(4).trimmed().compare(actual.trimmed(), Qt::CaseInsensitive) == 0;
            if (!tomoActual && !descripcion.contains(desde, Qt::CaseInsensitive))
                continue;
            // The rows come in no set order: the latest stamp wins, and of
            // equal stamps the last row read; a stamp that cannot be read
            // never beats one that can.
            const QString hora = rs.Texto(2).trimmed();
            const QDateTime d = QDateTime::fromString(hora, QStringLiteral("dd/MM/yyyy HH:mm:ss"));
            if (!mejor.isEmpty() && cuando.isValid() && (!d.isValid() || d < cuando))
                continue;
            cuando = d;
            const QString pc = rs.Texto(1).trimmed();
            mejor =
                QStringLiteral("La cambió ") + rs.Texto(0).trimmed() +
                (pc.isEmpty() ? QString() : QStringLiteral(" desde el equipo ") + pc) +
                QStringLiteral(" el ") + hora +
                (descripcion.isEmpty() ? QString() : QStringLiteral(" (") + descripcion + u')') +
                u'.';
        }
        gDB().CierraRecordset(&rs);
    });
    return mejor;
}
