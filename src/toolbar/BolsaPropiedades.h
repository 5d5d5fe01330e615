#pragma once
// Named values kept with the window definition: a bag of named, typed values
// whose names ignore letter case.
#include <QMap>
#include <QString>
#include <QStringList>
#include <QVariant>

class BolsaPropiedades {
public:
    // Written only when the value differs from porDefecto, as the container
    // leaves out values equal to their default.
    void Escribir(const QString& nombre, const QVariant& valor, const QVariant& porDefecto);
    // Always written.
    void Escribir(const QString& nombre, const QVariant& valor);
    QVariant Leer(const QString& nombre, const QVariant& porDefecto) const;
    bool Contiene(const QString& nombre) const;
    // The names written, in their own letter case.
    QStringList Nombres() const;

private:
    struct Entrada {
        QString nombre;
        QVariant valor;
    };
    QMap<QString, Entrada> valores_; // by lower-cased name
};
