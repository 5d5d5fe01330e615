#pragma once
// The values of the bar's properties, and the changes that set several of them
// at once: a colour style, the dark preset and the style of the context.
#include "ColoresBarra.h"
#include <QString>

// The properties of a new instance.
struct PropiedadesBarra {
    bool ShowCaptions = true;
    bool Horizontal = false;
    bool AutoOrientacion = true;
    double ItemHeight = 520; // twips
    double ButtonGap = 0;
    double TopOffset = 10;
    double GroupGap = 0;
    QString GroupBreakAfterTag; // trimmed, upper-cased
    double IconSize = 630;      // twips; 42 pixels at 15 twips per pixel
    int IconPx = 42;
    QString ImageFolder;
    QString ContextUserName;
    QString ContextDbName;
    bool DebugMode = false;
    bool EstiloVSCode = false;
    int Estilo = 2;
    ColorRGB NormalBackColor = ColoresEstilo(2).NormalBackColor;
    ColorRGB ActiveBackColor = ColoresEstilo(2).ActiveBackColor;
    ColorRGB ActiveBarColor = ColoresEstilo(2).ActiveBarColor;
};

// The style 1..5 the settings file gives the context user and database.
int EstiloDeContexto(const PropiedadesBarra& p);
// The style in force (1 to 5, else 2) and its three colours.
void AplicarColores(PropiedadesBarra& p, int estilo);
// The dark preset: a column of 42-pixel icons in dark colours.
void AplicarPresetVSCode(PropiedadesBarra& p, bool mostrarTitulos, double twipsPorPixel);
