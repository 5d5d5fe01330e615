#include "DesdeComanda.h"

std::optional<ComprobanteComanda> LeerDesdeComanda(QString& adicional) {
    if (!adicional.contains(QStringLiteral("@DESDECOMANDA"), Qt::CaseInsensitive))
        return std::nullopt;
    adicional.remove(QStringLiteral("@DESDECOMANDA"), Qt::CaseInsensitive);
    ComprobanteComanda c;
    const int barra = static_cast<int>(adicional.indexOf(u'|'));
    c.tc = barra >= 0 ? adicional.left(barra) : QString();
    adicional.remove(c.tc + u'|', Qt::CaseInsensitive);
    c.sucursal = adicional.mid(0, 4);
    c.numero = adicional.mid(4, 8);
    c.letra = adicional.mid(12, 1);
    return c;
}
