#include "FlujoFilas.h"
#include "UtilGeneral.h"

QString FlujoFilas::texto(int i) const {
    return UtilGeneral::ValorTexto(valor(i));
}
