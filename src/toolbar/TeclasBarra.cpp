#include "TeclasBarra.h"
#include <Qt>

namespace {
struct Tecla {
    int codigo;
    int teclaQt;
    const char* clave;
};
constexpr Tecla teclas[] = {
    {27, Qt::Key_Escape, "CANCELAR"}, {113, Qt::Key_F2, "GRABAR"},    {114, Qt::Key_F3, "NUEVO"},
    {115, Qt::Key_F4, "REPORTE"},     {116, Qt::Key_F5, "CONSULTAR"}, {117, Qt::Key_F6, "PLANILLA"},
    {121, Qt::Key_F10, "BORRAR"},
};
} // namespace

QString ClaveDeTecla(int keyCode, const std::function<bool(const QString&)>& usable) {
    for (const Tecla& t : teclas) {
        if (t.codigo != keyCode)
            continue;
        const QString clave = QLatin1String(t.clave);
        if (usable(clave))
            return clave;
        if (keyCode == 27 && usable(QStringLiteral("CERRAR")))
            return QStringLiteral("CERRAR");
        return {};
    }
    return {};
}

int CodigoTecla(int teclaQt) {
    for (const Tecla& t : teclas) {
        if (t.teclaQt == teclaQt)
            return t.codigo;
    }
    return 0;
}
