#pragma once
// What the process knows about itself: its folder, its executable name and the
// parameter text of its command line.
#include <QString>

namespace Programa {

// The application folder, with a trailing separator.
QString Carpeta();
// The executable name without extension ("tarquel").
QString NombreEjecutable();
// The command line text after the executable name.
QString LineaComando();

// Set at start-up from the process arguments; tests set them directly.
void EstablecerCarpeta(const QString& carpeta);
void EstablecerLineaComando(const QString& linea);

// Raised instead of ending the process while tests run.
struct FinDelPrograma {
    int codigo;
};
// Ends the whole program at once, without further questions.
[[noreturn]] void Terminar(int codigo = 0);
// Tests make Terminar raise FinDelPrograma instead of ending the process.
void TerminarLanzando(bool lanzar);

} // namespace Programa
