#include "MensajeInicial.h"

namespace MensajeInicial {

bool Aplica(const QString& texto, const QString& prompt) {
    const QString t = texto.trimmed();
    return t.isEmpty() || t == prompt;
}

QString Valor(const QString& texto, const QString& prompt) {
    if (!prompt.isEmpty() && texto.trimmed() == prompt)
        return {};
    return texto;
}

} // namespace MensajeInicial
