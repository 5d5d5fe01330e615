#include "Twips.h"
#include <QGuiApplication>
#include <QScreen>

double TwipsPorPixel() {
    const QScreen* pantalla = QGuiApplication::primaryScreen();
    if (pantalla == nullptr || pantalla->logicalDotsPerInchX() <= 0)
        return 15.0;
    return 1440.0 / pantalla->logicalDotsPerInchX();
}

double PixelesATwips(double pixeles, double factor) {
    return pixeles * factor;
}

int TwipsAPixeles(double twips, double factor) {
    if (factor <= 0)
        return 0;
    return static_cast<int>(twips / factor);
}
