// The translation of the program's SQL Server statements for the embedded
// engine: every statement that reaches SQLite passes through it.
#include "Entrada.h"
#include "TraduccionSqlite.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t largo) {
    const QString sql = Texto(datos, largo);
    TraduccionSqlite::Traducir(sql);
    for (const QString& s : TraduccionSqlite::DividirLote(sql))
        TraduccionSqlite::Traducir(s);
    return 0;
}
