#include "TextoTecleado.h"
#include <algorithm>

QString SinCaracteresDeControl(const QString& texto) {
    auto control = [](QChar c) { return c.category() == QChar::Other_Control; };
    if (std::none_of(texto.cbegin(), texto.cend(), control))
        return texto;
    QString r = texto;
    r.removeIf(control);
    return r;
}
