#pragma once
// The prompt rule of the access window's text boxes: a box whose text is blank,
// or is its prompt, shows the prompt selected, so that typing replaces it.
// While a box shows its prompt, nothing has been typed in it.
#include <QString>

namespace MensajeInicial {

constexpr auto kUsuario = "Ingrese el usuario";
constexpr auto kClave = "";
constexpr auto kBase = "ingrese el nombre de la base de datos";
constexpr auto kServidor = "ingrese el nombre del servidor e instancia";

// True when the box must show its prompt: its trimmed text is empty or equals
// the prompt exactly.
bool Aplica(const QString& texto, const QString& prompt);
// What was typed in a box: empty while it shows its prompt, else its text.
QString Valor(const QString& texto, const QString& prompt);

} // namespace MensajeInicial
