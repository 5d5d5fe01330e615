#include "DisposicionVentana.h"
#include <algorithm>

namespace DisposicionVentana {

QSize TamanoMinimo(const QRect& controles, int margenDerecho, int arribaGrilla, int altoGrilla,
                   int altoBarraEstado) {
    const int ancho = controles.x() + controles.width() + margenDerecho;
    const int alto =
        std::max(controles.y() + controles.height(), arribaGrilla + altoGrilla) + altoBarraEstado;
    return {ancho, alto};
}

QRect Grilla(const QSize& ventana, int arriba, int margenDerecho, int altoBarraEstado) {
    return {0, arriba, std::max(0, ventana.width() - margenDerecho),
            std::max(0, ventana.height() - altoBarraEstado - arriba)};
}

std::optional<QRect> Regla(const QRect& celda, const QRect& vista, int izquierda, int ancho,
                           int alto) {
    const int bajo = celda.y() + celda.height();
    const int finVista = vista.y() + vista.height();
    if (celda.height() <= 0 || bajo <= vista.y() || celda.y() >= finVista)
        return std::nullopt;
    const int x = std::max(izquierda, vista.x());
    const int fin = std::min(izquierda + ancho, vista.x() + vista.width());
    const int h = std::min(alto, vista.height());
    // Under the row, or on its lower edge when it is the last row in sight.
    const int y = std::max(vista.y(), std::min(bajo, finVista - h));
    if (fin <= x || h <= 0)
        return std::nullopt;
    return QRect(x, y, fin - x, h);
}

bool ColumnaSobrante(int columna, bool conCuentaPrincipal) {
    return columna >= (conCuentaPrincipal ? 14 : 12);
}

} // namespace DisposicionVentana
