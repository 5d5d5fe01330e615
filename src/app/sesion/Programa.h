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

} // namespace Programa
