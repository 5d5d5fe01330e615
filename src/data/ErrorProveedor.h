#pragma once
// One error of the provider's error collection, as the routines read it:
// the number, the description, the SQL state and the engine's native code.
#include <QString>

struct ErrorProveedor {
    long Number = 0;
    QString Description;
    QString SQLState;
    long NativeError = 0;
};

// Native codes the routines test (SQL Server's numbers, whatever the engine).
namespace CodigosNativos {
constexpr long ErrorDeRed = 11;          // general network error
constexpr long ObjetoInvalido = 208;     // invalid object name
constexpr long ColumnaInvalida = 207;    // invalid column name
constexpr long SintaxisIncorrecta = 102; // incorrect syntax
constexpr long ConflictoRestriccion = 547;
constexpr long ClaveDuplicada = 2627;
constexpr long NoSePermiteNulo = 515;
constexpr long NoSeAbreBase = 4060; // cannot open database
constexpr long Bloqueo = 1222;      // lock request time out
constexpr long Truncado = 8152;     // string or binary data would be truncated

// Writes the database refuses as such.
constexpr long BaseSoloLectura = 3906; // the database is read-only
constexpr long PermisoDenegado = 229;  // the login lacks the permission

// Writes that could not be done at that moment. A database another program
// keeps busy or locked past the waiting time is Bloqueo (1222) above; a lost
// link to the server is ErrorDeRed (11), SQL state 08S01.
constexpr long VictimaBloqueo = 1205; // chosen as the victim of a deadlock
constexpr long DiscoLleno = 1105;     // no space left for the database's data
constexpr long RegistroLleno = 9002;  // no space left for the transaction log

// A database that cannot be used as it is.
constexpr long BaseDaniada = 5172; // the file is damaged or is not a database
} // namespace CodigosNativos
