#include "Programa.h"
#include "UtilGeneral.h"
#include <QCoreApplication>
#include <QFileInfo>
#include <cstdio>
#include <cstdlib>

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

QString NombreEjecutable() {
    return QStringLiteral("tarquel");
}

QString LineaComando() {
    return linea();
}

void EstablecerCarpeta(const QString& c) {
    carpeta() = UtilGeneral::CarpetaConBarra(c);
}

void EstablecerLineaComando(const QString& l) {
    linea() = l;
}

namespace {
bool& lanzar() {
    static bool l = false;
    return l;
}
} // namespace

void Terminar(int codigo) {
    if (lanzar())
        throw FinDelPrograma{codigo};
    std::fflush(nullptr);
    std::_Exit(codigo);
}

void TerminarLanzando(bool l) {
    lanzar() = l;
}

} // namespace Programa
