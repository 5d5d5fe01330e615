#include "SalidaPlanilla.h"
#include "ArchivoReemplazo.h"
#include "ErrorVB.h"

void SalidaPlanilla::texto(QStringView t) {
    char* p = lugar(t.size());
    const char16_t* c = t.utf16();
    for (qsizetype i = 0; i < t.size(); ++i) {
        if (c[i] > 0xFF) {
            usados_ = p - datos_.data();
            char* desde = lugar(ansi_.requiredSpace(t.size()));
            usados_ = ansi_.appendToBuffer(desde, t.sliced(i)) - datos_.data();
            return;
        }
        *p++ = static_cast<char>(c[i]);
    }
    usados_ = p - datos_.data();
}

void SalidaPlanilla::volcar(ArchivoReemplazo& f) const {
    if (usados_ > 0 && !f.Escribir(datos_.constData(), usados_))
        throw ErrorVB(61,
                      QStringLiteral("No se pudo escribir todo el archivo ") + f.Destino() + u'.');
}
