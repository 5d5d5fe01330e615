#pragma once
// Readability of a skin: the contrast ratio of text on its background as WCAG
// 2 defines it, and every text/background pair that a skin defines, from its
// palette and from the rules of its style sheet.
#include "ArchivoSkin.h"
#include <QColor>
#include <QList>
#include <QString>

// 1 (no contrast) to 21 (black on white); WCAG AA asks 4.5 for body text.
double RazonContraste(const QColor& a, const QColor& b);

struct ParTextoFondo {
    QString donde; // "paleta: Text/Base", "QPushButton:hover"
    QColor texto;
    QColor fondo;
};

// The pairs of the palette (each text role on its surface) and of the style
// sheet. A rule pairs its "color" with every colour of its background
// (gradient stops included) and its selection colours with each other; a
// rule that names only one side takes the other from the palette role of the
// widget it styles, and a text on the window takes every window, frame and
// status bar surface of the sheet. Windows, frames and status bars pair
// their surface with the labels' palette colour. Rules of disabled controls
// and of parts that bear no text (scroll bar handles, progress chunks...)
// pair nothing.
QList<ParTextoFondo> ParesTextoFondo(const Skin& skin);

// The colours a style sheet value stands for: one for "#hex", "rgb()",
// a name or "palette(role)", every stop of a gradient; none for
// "transparent" or what cannot be read.
QList<QColor> ColoresDeValor(const QString& valor, const QPalette& paleta);
