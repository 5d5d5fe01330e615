#pragma once
// An ADO-style connection string ("PROVIDER=...;Server=...;Database =...;")
// read as key/value pairs; key names ignore letter case and surrounding blanks.
#include <QList>
#include <QPair>
#include <QString>

class CadenaConexion {
public:
    explicit CadenaConexion(const QString& texto);

    // The value of the first key of that name, trimmed; empty when absent.
    QString valor(const QString& clave) const;
    bool tiene(const QString& clave) const;
    // The value of the first of several synonyms that is present.
    QString valorDe(std::initializer_list<const char*> claves) const;

    QString proveedor() const { return valor(QStringLiteral("Provider")); }
    bool esJet() const {
        return proveedor().contains(QStringLiteral("Jet.OLEDB"), Qt::CaseInsensitive);
    }
    // A raw ODBC string: MSDASQL, or a DSN or DRIVER given directly.
    bool esOdbcDirecto() const;
    // The ODBC part of a raw ODBC string (every pair but PROVIDER).
    QString sinProveedor() const;

private:
    QList<QPair<QString, QString>> pares_;
};
