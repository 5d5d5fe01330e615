#include "CabeceraSqlite.h"
#include <QFile>

namespace {
quint32 bigEndian(const QByteArray& b, int desde, int largo) {
    quint32 v = 0;
    for (int i = 0; i < largo; ++i)
        v = (v << 8) | static_cast<quint8>(b[desde + i]);
    return v;
}
} // namespace

std::optional<CabeceraSqlite> CabeceraSqlite::Leer(const QString& archivo) {
    QFile f(archivo);
    if (!f.open(QIODevice::ReadOnly))
        return std::nullopt;
    return Interpretar(f.read(100), f.size());
}

CabeceraSqlite CabeceraSqlite::Interpretar(const QByteArray& b, qint64 tamanoArchivo) {
    CabeceraSqlite c;
    c.tamanoArchivo = tamanoArchivo;
    if (b.size() < 100)
        return c;
    c.firma = b.startsWith(QByteArrayLiteral("SQLite format 3\0"));
    if (!c.firma)
        return c;
    const quint32 pagina = bigEndian(b, 16, 2);
    c.tamanoPagina = pagina == 1 ? 65536 : pagina;
    c.wal = b[18] == 2 && b[19] == 2;
    // The size in the header counts only when its change counter and its
    // "version valid for" agree (older writers did not keep it).
    if (bigEndian(b, 24, 4) == bigEndian(b, 92, 4))
        c.paginas = bigEndian(b, 28, 4);
    return c;
}
