// Connection strings: typed in the access window, passed in the parameter
// string, kept in the registered connections.
#include "CadenaConexion.h"
#include "Entrada.h"
#include "Motor.h"
#include "MotorSqlServer.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t largo) {
    const CadenaConexion cadena(Texto(datos, largo));
    cadena.valorDe({"Server", "Data Source", "Address"});
    cadena.esJet();
    cadena.sinProveedor();
    MotorSqlServer::CadenaOdbc(cadena, QStringLiteral("FreeTDS"));
    Motor::Para(cadena);
    return 0;
}
