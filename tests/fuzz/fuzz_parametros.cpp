// The parameter string of the command line: the suite's programs and the
// desktop shortcut write it, anyone can type it.
#include "Entrada.h"
#include "ParametrosLinea.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t largo) {
    const QString texto = Texto(datos, largo);
    const ParametrosInicio p = ParsearParametros(texto);
    ObtenerServidor(p.servidor);
    ObtenerServidor(texto);
    for (const char* clave : {"@server", "@dbname", "@usuario", "@Password", "@Caja", ""})
        ValorParametro(texto, QString::fromLatin1(clave));
    return 0;
}
