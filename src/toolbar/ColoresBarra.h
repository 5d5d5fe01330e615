#pragma once
// Colours of the bar as RGB numbers (red + 256 × green + 65536 × blue), the
// five colour styles and the dark preset.
#include <QColor>
#include <cstdint>

using ColorRGB = std::uint32_t;

constexpr ColorRGB RGB(int r, int g, int b) {
    return static_cast<ColorRGB>(r) + 256u * static_cast<ColorRGB>(g) +
           65536u * static_cast<ColorRGB>(b);
}

// The colour with delta added to each channel, each kept within 0..255.
ColorRGB AjustarColor(ColorRGB color, int delta);
QColor AQColor(ColorRGB color);

struct FilaEstilo {
    ColorRGB NormalBackColor;
    ColorRGB ActiveBackColor;
    ColorRGB ActiveBarColor;
};

// The style number in force for a requested one: 1 to 5 as given, else 2.
int NormalizarEstilo(int estilo);
// The colours of a style 1 to 5.
FilaEstilo ColoresEstilo(int estilo);
// Colours of the dark preset.
inline constexpr FilaEstilo ColoresVSCode{RGB(52, 52, 52), RGB(74, 74, 74), RGB(255, 255, 255)};
