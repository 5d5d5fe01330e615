// The rewrite of statements and scripts for Oracle.
#include "Entrada.h"
#include "OracleDicc.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t largo) {
    const QString sql = Texto(datos, largo);
    OracleDicc::Traducir(sql);
    for (QString s : OracleDicc::PartirScript(sql))
        OracleDicc::Traducir(OracleDicc::FiltrarSentencia(s));
    return 0;
}
