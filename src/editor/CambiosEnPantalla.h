#pragma once
// What the window tells about cells changed on screen and not written: an
// amount (never written, it only shows its effect on the totals) or an
// account left without confirming it with Enter.
#include <QString>

namespace CambiosEnPantalla {

// The tooltip of a changed cell of the column; enLaBase is what the load read.
QString AvisoCelda(int columna, const QString& enLaBase);
// The line the totals label adds when it counts changed amounts, and the
// label's tooltip then.
QString LineaTotales();
QString AvisoTotales();
// What "Grabar" says: every account is written on Enter; when the grid holds
// changed amounts, also that these are never written.
QString MensajeGrabar(bool hayImportesCambiados);

} // namespace CambiosEnPantalla
