#include "CarpetaTemporal.h"
#include <QFile>

CarpetaTemporal::CarpetaTemporal() = default;

QString CarpetaTemporal::ruta(const QString& nombre) const {
    return nombre.isEmpty() ? dir_.path() + QStringLiteral("/") : dir_.filePath(nombre);
}

QString CarpetaTemporal::escribir(const QString& nombre, const QByteArray& contenido) const {
    const QString p = ruta(nombre);
    QFile f(p);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(contenido);
    return p;
}
