#include "UtilControles.h"
#include <QKeyEvent>
#include <QWidget>

namespace UtilControles {

bool EsTeclaConfirmar(int codigoTecla) {
    return codigoTecla == 13;
}

bool EsTextoTecleado(const QKeyEvent& tecla) {
    if (tecla.text().isEmpty() ||
        (tecla.modifiers() & (Qt::ControlModifier | Qt::MetaModifier)) != 0)
        return false;
    switch (tecla.key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
        return false;
    default:
        return true;
    }
}

QChar FiltrarTecla(QChar caracter) {
    if (caracter.unicode() < 32 && caracter.unicode() != 8 && caracter.unicode() != 13)
        return QChar();
    return caracter;
}

QWidget* SiguienteConFoco(QWidget* desde, bool adelante) {
    if (desde == nullptr)
        return nullptr;
    QWidget* ventana = desde->window();
    QWidget* w = desde;
    for (;;) {
        w = adelante ? w->nextInFocusChain() : w->previousInFocusChain();
        if (w == nullptr || w == desde)
            return nullptr;
        // A caption or a frame also sits in the chain; only a tab stop takes the focus.
        if (w->window() == ventana && (w->focusPolicy() & Qt::TabFocus) == Qt::TabFocus &&
            w->focusProxy() == nullptr && w->isVisibleTo(ventana) && w->isEnabled())
            return w;
    }
}

void AvanzarFoco(QWidget* campo, int codigoTecla) {
    if (campo == nullptr || !EsTeclaConfirmar(codigoTecla))
        return;
    if (QWidget* siguiente = SiguienteConFoco(campo))
        siguiente->setFocus(Qt::TabFocusReason);
}

} // namespace UtilControles
