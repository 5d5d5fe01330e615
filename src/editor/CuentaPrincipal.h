#pragma once
// The principal account of a line (the first line of its entry), with the tax
// id and province of the voucher, as the grid shows them when asked.
//
// The load reads lines grouped by voucher and entry, so the answers of the
// current entry and voucher are kept and the lines after the first cost a
// few comparisons. Each lookup is one statement whose text stays the same
// and whose values come apart, so the engine compiles it once per load.
// Account and province descriptions are kept for the whole load.
//
// Read in sets, the principal account of an entry whose first line the load
// has read is that line's account, and the voucher data comes from
// LecturaPrincipal, with the statements of one entry or voucher only where
// those cannot answer. Read per voucher, every entry and voucher asks its
// statements.
#include "LecturaPrincipal.h"
#include <QHash>
#include <QString>
#include <optional>

struct LineaPrincipal {
    QString tc, sucursal, numero, letra, mesOperativo, numeroAsiento, secuencia, cuenta;
};

class CuentaPrincipal {
public:
    enum class Lectura { PorComprobante, EnConjuntos };
    // lineas: the lines of the load, which bounds the tables read whole.
    explicit CuentaPrincipal(Lectura lectura = Lectura::EnConjuntos, long lineas = 0)
        : lectura_(lectura), conjuntos_(lectura == Lectura::EnConjuntos ? lineas : 0) {}

    // Cells 12 ("<description>(<account>) Cuit:<document>") and 13 (the
    // province's name) of a line.
    const std::pair<QString, QString>& Para(const LineaPrincipal& l);

private:
    std::optional<QString> principalDe(const LineaPrincipal& l);
    std::pair<QString, QString> provinciaYDocumento(const LineaPrincipal& l,
                                                    const QString& principal);
    QString descripcion(QHash<QString, QString>& cache, const QString& tabla,
                        const QString& codigo);

    Lectura lectura_;
    LecturaPrincipal conjuntos_;
    QString anterior_; // the principal account of the previous line

    // The entry of the last line and its principal account.
    struct Entrada {
        QString tc, sucursal, numero, letra, mes, asiento;
        std::optional<QString> principal;
        bool valida = false;
        bool deLaLinea = false; // taken from the entry's first line as read
        bool es(const LineaPrincipal& l) const;
    } entrada_;
    // The voucher and principal account of the last cells, and the cells.
    struct Celdas {
        QString tc, sucursal, numero, letra, principal;
        std::pair<QString, QString> textos;
        bool validas = false;
        bool son(const LineaPrincipal& l, const QString& principal) const;
    } celdas_;

    QHash<QString, QString> cuentas_;
    QHash<QString, QString> estados_;
};
