#pragma once
// The principal account of a line (the first line of its entry), with the tax
// id and province of the voucher, as the grid shows them when asked. Every
// lookup is kept for the rest of the load, so a voucher costs its queries once.
#include <QHash>
#include <QString>
#include <optional>

struct LineaPrincipal {
    QString tc, sucursal, numero, letra, mesOperativo, numeroAsiento, secuencia, cuenta;
};

class CuentaPrincipal {
public:
    // Cells 12 ("<description>(<account>) Cuit:<document>") and 13 (the
    // province's name) of a line.
    std::pair<QString, QString> Para(const LineaPrincipal& l);

private:
    std::optional<QString> principalDe(const LineaPrincipal& l);
    std::pair<QString, QString> provinciaYDocumento(const LineaPrincipal& l,
                                                    const QString& principal);
    QString descripcion(QHash<QString, QString>& cache, const QString& tabla,
                        const QString& codigo);

    QString anterior_; // the principal account of the previous line
    QHash<QString, std::optional<QString>> principales_;
    QHash<QString, std::pair<QString, QString>> provincias_;
    QHash<QString, QString> cuentas_;
    QHash<QString, QString> estados_;
};
