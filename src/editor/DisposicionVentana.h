#pragma once
// The main window at any size: the controls above the grid keep their
// places, the grid fills what is left down to the status bar, and the window
// never gets smaller than what shows every control. Sizes in pixels.
#include <QRect>
#include <QSize>
#include <optional>

namespace DisposicionVentana {

// The smallest window that shows every fixed control (their union is
// controles, a margin to its right) and a grid of altoGrilla above the
// status bar.
QSize TamanoMinimo(const QRect& controles, int margenDerecho, int arribaGrilla, int altoGrilla,
                   int altoBarraEstado);
// The grid: from arriba down to the status bar, the window's width less the
// right margin.
QRect Grilla(const QSize& ventana, int arriba, int margenDerecho, int altoBarraEstado);
// The ruler under the current row: a line of the given height at the row's
// bottom (celda, in window coordinates), from izquierda and ancho wide, kept
// inside the grid's cell area (vista) so that it never covers a scroll bar
// or the titles. Nothing when the row is out of sight.
std::optional<QRect> Regla(const QRect& celda, const QRect& vista, int izquierda, int ancho,
                           int alto);
// The grid's spare columns, past the last one with a title: 12 and 13
// without the principal-account data, 14 and 15 with it.
bool ColumnaSobrante(int columna, bool conCuentaPrincipal);

} // namespace DisposicionVentana
