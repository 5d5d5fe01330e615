#include "MascaraFecha.h"

namespace {
// Puts c at the 1-based position p; a position beyond the text changes nothing.
void poner(QString& t, int p, QChar c) {
    if (p >= 1 && p <= t.size())
        t[p - 1] = c;
}
} // namespace

void ClsDatosOk(CajaTexto& Textos, int& KeyAscii) {
    if (Textos.Etiqueta().trimmed().compare(QStringLiteral("FECHA"), Qt::CaseInsensitive) != 0)
        return;
    // The first ten characters, padded with blanks so that the slashes fit.
    QString t = Textos.Texto().left(10).leftJustified(10, u' ');
    int p = Textos.Cursor();
    if (p == 0)
        p = 1;
    poner(t, 3, u'/');
    poner(t, 6, u'/');
    if (KeyAscii >= '0' && KeyAscii <= '9') {
        if (p == 3)
            p = 4;
        else if (p == 6)
            p = 7;
        poner(t, p, QChar(KeyAscii));
        Textos.FijarTexto(t);
        p = p < Textos.LargoMaximo() ? p + 1 : Textos.Cursor();
    } else if (KeyAscii == 8) {
        if (p == 3)
            p = 2;
        else if (p == 6)
            p = 5;
        poner(t, p, u' ');
        Textos.FijarTexto(t);
        p = p < 2 ? Textos.Cursor() : p - 1;
    }
    for (int i = 1; i <= t.size(); ++i)
        if (i != 3 && i != 6 && !(t[i - 1] >= u'0' && t[i - 1] <= u'9'))
            t[i - 1] = u' ';
    Textos.FijarTexto(t);
    Textos.FijarCursor(p);
    KeyAscii = 0;
}
