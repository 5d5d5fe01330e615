#include "ColoresBarra.h"
#include <algorithm>

ColorRGB AjustarColor(ColorRGB color, int delta) {
    auto canal = [&](int desplazamiento) {
        const int v = static_cast<int>((color >> desplazamiento) & 0xFFu) + delta;
        return std::clamp(v, 0, 255);
    };
    return RGB(canal(0), canal(8), canal(16));
}

QColor AQColor(ColorRGB color) {
    return QColor(color & 0xFFu, (color >> 8) & 0xFFu, (color >> 16) & 0xFFu);
}

int NormalizarEstilo(int estilo) {
    return estilo >= 1 && estilo <= 5 ? estilo : 2;
}

FilaEstilo ColoresEstilo(int estilo) {
    static constexpr FilaEstilo tabla[5] = {
        {RGB(96, 138, 204), RGB(20, 78, 170), RGB(170, 205, 245)},
        {RGB(42, 42, 42), RGB(59, 59, 59), RGB(204, 204, 204)},
        {RGB(160, 155, 135), RGB(130, 125, 105), RGB(70, 70, 70)},
        {RGB(135, 133, 150), RGB(105, 103, 125), RGB(35, 75, 150)},
        {RGB(122, 122, 122), RGB(88, 88, 88), RGB(212, 212, 212)},
    };
    return tabla[NormalizarEstilo(estilo) - 1];
}
