#include "ValoresBarra.h"
#include "ModUtilVexBar.h"
#include "Twips.h"

int EstiloDeContexto(const PropiedadesBarra& p) {
    return NormalizarEstilo(ModUtilVexBar::LeerEstiloBarra(p.ContextUserName, p.ContextDbName));
}

void AplicarColores(PropiedadesBarra& p, int estilo) {
    p.Estilo = NormalizarEstilo(estilo);
    const FilaEstilo f = ColoresEstilo(p.Estilo);
    p.NormalBackColor = f.NormalBackColor;
    p.ActiveBackColor = f.ActiveBackColor;
    p.ActiveBarColor = f.ActiveBarColor;
}

void AplicarPresetVSCode(PropiedadesBarra& p, bool mostrarTitulos, double twipsPorPixel) {
    p.EstiloVSCode = true;
    p.Horizontal = false;
    p.AutoOrientacion = false; // as the Horizontal property does: the preset is a column
    p.ShowCaptions = mostrarTitulos;
    p.IconPx = 42;
    p.IconSize = PixelesATwips(42, twipsPorPixel);
    p.ItemHeight = mostrarTitulos ? 520 : 600;
    p.ButtonGap = 0;
    p.NormalBackColor = ColoresVSCode.NormalBackColor;
    p.ActiveBackColor = ColoresVSCode.ActiveBackColor;
    p.ActiveBarColor = ColoresVSCode.ActiveBarColor;
}
