#pragma once
// The launch on one voucher: the additional parameter carries "@DESDECOMANDA",
// the voucher type, "|", and branch, number and letter run together.
#include <QString>
#include <optional>

struct ComprobanteComanda {
    QString tc, sucursal, numero, letra;
};

// The voucher named by the additional parameter, which loses its markers;
// nullopt when it holds no "@DESDECOMANDA".
std::optional<ComprobanteComanda> LeerDesdeComanda(QString& adicional);
