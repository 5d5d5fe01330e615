// The settings file "cn000pr.ini": every section's keys read, as the
// toolbar styles and the appearance read them.
#include "Entrada.h"
#include "LectorIni.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t largo) {
    const QString archivo = EnArchivo("cn000pr.ini", datos, largo);
    const QStringList secciones = LectorIni::Secciones(archivo);
    for (const QString& s : secciones.mid(0, 8))
        for (const char* clave : {"Skin", "FontName", "Estilo", ""})
            LectorIni::LeerValor(archivo, s, QString::fromLatin1(clave), QStringLiteral("x"));
    LectorIni::LeerValor(archivo, QStringLiteral("Toolbar"), QStringLiteral("Style"), QString());
    return 0;
}
