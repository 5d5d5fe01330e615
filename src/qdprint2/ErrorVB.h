#pragma once
// A run-time error as the suite's routines see it: a number, a description and
// the source that raised it. Routines trap it and decide, with the operator's
// answer, whether to repeat the failing step, go on with the next one or leave.
#include <QString>
#include <exception>

struct ErrorVB : std::exception {
    long numero = 0;
    QString descripcion;
    QString fuente;

    ErrorVB() = default;
    ErrorVB(long n, QString d, QString f = QStringLiteral("tarquel"))
        : numero(n), descripcion(std::move(d)), fuente(std::move(f)) {}
    const char* what() const noexcept override { return "ErrorVB"; }
};

// Error numbers the routines compare against.
namespace CodigosError {
constexpr long ArgumentoInvalido = 5;             // invalid procedure call or argument
constexpr long FalloProveedor = -2147467259;      // 0x80004005, unspecified provider failure
constexpr long ErrorComando = -2147217900;        // 0x80040E14, the statement failed
constexpr long ViolacionIntegridad = -2147217873; // 0x80040E2F, key or constraint violated
constexpr long ObjetoInexistente = -2147217865;   // 0x80040E37, table or view unknown
constexpr long SinConexion = -2147221503;   // 0x80040001, no connection (raised by AbrirRecordset)
constexpr long ObjetoCerrado = 3704;        // operation on a closed object
constexpr long ObjetoAbierto = 3705;        // the object is already open
constexpr long ConexionCerrada = 3709;      // the connection is closed or invalid
constexpr long OperacionNoPermitida = 3219; // not allowed in this context (pending edit)
constexpr long FinDeDatos = 3021;           // BOF or EOF: no current row
constexpr long CampoInexistente = 3265;     // item not found in the collection
} // namespace CodigosError
