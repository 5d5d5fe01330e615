#include "CambiosEnPantalla.h"
#include "ModeloAsientos.h"

namespace CambiosEnPantalla {

QString AvisoCelda(int columna, const QString& enLaBase) {
    const QString base = QStringLiteral("\nEn la base de datos: ") +
                         (enLaBase.trimmed().isEmpty() ? QStringLiteral("(vacío)") : enLaBase);
    // Short lines: a tooltip does not wrap.
    if (columna == Columnas::Cuenta)
        return QStringLiteral("Cuenta cambiada en pantalla, no grabada:\nse graba al confirmarla "
                              "con Enter.") +
               base;
    return QStringLiteral("Importe cambiado en pantalla, no grabado:\nlos importes nunca se "
                          "graban, sólo cambian los totales.") +
           base;
}

QString LineaTotales() {
    return QStringLiteral("Con importes no grabados");
}

QString AvisoTotales() {
    return QStringLiteral("Los totales incluyen importes cambiados en pantalla, que no se graban "
                          "en la base de datos.");
}

QString MensajeGrabar(bool hayImportesCambiados) {
    QString m = QStringLiteral("LOS DATOS SE GRABAN AUTOMATICAMENTE CADA VEZ QUE PULSA LA TECLA "
                               "ENTER AL MODIFICAR UN DATO");
    if (hayImportesCambiados)
        m += QStringLiteral("\r\n\r\nLos importes cambiados en pantalla no se graban nunca: sólo "
                            "muestran su efecto en los totales.");
    return m;
}

} // namespace CambiosEnPantalla
