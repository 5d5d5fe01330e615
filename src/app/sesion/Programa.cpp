#include "Programa.h"
#include "UtilGeneral.h"
#include <QCoreApplication>
#include <QFileInfo>

namespace Programa {
namespace {
QString& carpeta() {
    static QString c;
    return c;
}
QString& linea() {
    static QString l;
    return l;
}
} // namespace

QString Carpeta() {
    if (carpeta().isEmpty() && QCoreApplication::instance() != nullptr)
        carpeta() = UtilGeneral::CarpetaConBarra(QCoreApplication::applicationDirPath());
    return carpeta();
}

QString NombreEjecutable() { return QStringLiteral("tarquel"); }

QString LineaComando() { return linea(); }

void EstablecerCarpeta(const QString& c) { carpeta() = UtilGeneral::CarpetaConBarra(c); }

void EstablecerLineaComando(const QString& l) { linea() = l; }

} // namespace Programa
