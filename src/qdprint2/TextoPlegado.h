#pragma once
// Texts compared the way a person searches them: letter case and accents do
// not count, so "nacion" finds "Nación" and "CAMIÓN" finds "camion".
#include <QString>

// The text in lower case without its accents, diaeresis or tildes (á, ü and
// ñ become a, u and n).
QString PlegarTexto(const QString& texto);
