#include "TextoPlegado.h"

QString PlegarTexto(const QString& texto) {
    // Decomposed, every accent is a mark of its own after its letter.
    const QString descompuesto = texto.normalized(QString::NormalizationForm_D);
    QString r;
    r.reserve(descompuesto.size());
    for (const QChar c : descompuesto)
        if (c.category() != QChar::Mark_NonSpacing)
            r += c;
    return r.toCaseFolded();
}
