#include "UtilControles.h"
#include <QWidget>

namespace UtilControles {

bool EsTeclaConfirmar(int codigoTecla) {
    return codigoTecla == 13;
}

QChar FiltrarTecla(QChar caracter) {
    if (caracter.unicode() < 32 && caracter.unicode() != 8 && caracter.unicode() != 13)
        return QChar();
    return caracter;
}

void AvanzarFoco(QWidget* campo, int codigoTecla) {
    if (campo == nullptr || !EsTeclaConfirmar(codigoTecla))
        return;
    if (QWidget* siguiente = campo->nextInFocusChain())
        siguiente->setFocus(Qt::TabFocusReason);
}

} // namespace UtilControles
