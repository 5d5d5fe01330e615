#pragma once
// The voucher data of the principal-account cells read in sets: the sales
// vouchers, the purchase vouchers and the accounts' additional data, each
// table read with one statement for the whole load and kept in a hash.
//
// A set answers only where it is sure to give what the statement of one
// voucher would give: codes made of plain ASCII without blanks at their ends
// (the server compares them without letter case, and may ignore trailing
// blanks), found on one row only. Where it cannot answer, the caller sends
// the statement of that voucher. A table is read whole, so it is read only
// when it holds no more rows than the load has lines; a small load asks per
// voucher, as a large table would cost more than it saves.
#include <QHash>
#include <QString>
#include <array>

class LecturaPrincipal {
public:
    // lineas: the lines of the load (0 keeps every answer to the statements).
    explicit LecturaPrincipal(long lineas) : lineas_(lineas) {}

    struct Respuesta {
        enum Estado { Fila, SinFila, NoSabe } estado = NoSabe;
        QString provincia, documento;
    };
    // "v_mv_cpte" by type and voucher id.
    Respuesta Ventas(const QString& tc, const QString& idComprobante);
    // "c_mv_cpte" by type, account and voucher id.
    Respuesta Compras(const QString& tc, const QString& cuenta, const QString& idComprobante);
    // "ma_cuentasadic" by account.
    Respuesta Adicionales(const QString& codigo);

private:
    struct Valor {
        QString provincia, documento;
        bool seguro = true; // false: more than one row, or a code the hash cannot compare
    };
    struct Conjunto {
        bool leido = false;
        bool usable = false;
        QHash<QString, Valor> filas;
    };
    enum Tabla { kVentas, kCompras, kAdicionales };
    Respuesta responder(Tabla t, std::initializer_list<QString> partes);
    void leer(Tabla t);

    long lineas_;
    std::array<Conjunto, 3> conjuntos_;
};
