#pragma once
// Window geometry of the editor's windows, written in twips.
#include "Twips.h"
#include <QRect>

inline int APixeles(int twips) {
    return TwipsAPixeles(twips, TwipsPorPixel());
}
inline QRect RectTwips(int izquierda, int arriba, int ancho, int alto) {
    return QRect(APixeles(izquierda), APixeles(arriba), APixeles(ancho), APixeles(alto));
}
