#pragma once
// Window lengths are twips (1440 per inch); the screen's horizontal
// twips-per-pixel factor converts them for both axes (15 at 96 dots per inch).

// The factor of the primary screen; 15 when there is no screen.
double TwipsPorPixel();
double PixelesATwips(double pixeles, double factor);
// Truncated to whole pixels; 0 when the factor is not positive.
int TwipsAPixeles(double twips, double factor);
