#include "BolsaPropiedades.h"

void BolsaPropiedades::Escribir(const QString& nombre, const QVariant& valor,
                                const QVariant& porDefecto) {
    if (valor == porDefecto)
        valores_.remove(nombre.toLower());
    else
        Escribir(nombre, valor);
}

void BolsaPropiedades::Escribir(const QString& nombre, const QVariant& valor) {
    valores_.insert(nombre.toLower(), {nombre, valor});
}

QVariant BolsaPropiedades::Leer(const QString& nombre, const QVariant& porDefecto) const {
    const auto it = valores_.constFind(nombre.toLower());
    return it == valores_.constEnd() ? porDefecto : it->valor;
}

bool BolsaPropiedades::Contiene(const QString& nombre) const {
    return valores_.contains(nombre.toLower());
}

QStringList BolsaPropiedades::Nombres() const {
    QStringList r;
    for (const Entrada& e : valores_)
        r << e.nombre;
    return r;
}
