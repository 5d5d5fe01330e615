#include "CadenaConexion.h"

CadenaConexion::CadenaConexion(const QString& texto) {
    // Values may hold "=" (passwords); braces keep ";" inside a value.
    int i = 0;
    const int n = static_cast<int>(texto.size());
    while (i < n) {
        int igual = texto.indexOf(u'=', i);
        int fin = texto.indexOf(u';', i);
        if (igual < 0 || (fin >= 0 && fin < igual)) {
            if (fin < 0)
                break;
            i = fin + 1;
            continue;
        }
        const QString clave = texto.mid(i, igual - i).trimmed();
        int j = igual + 1;
        while (j < n && texto[j] == u' ')
            ++j;
        if (j < n && texto[j] == u'{') {
            const int cierre = texto.indexOf(u'}', j);
            fin = cierre < 0 ? -1 : texto.indexOf(u';', cierre);
        }
        if (fin < 0)
            fin = n;
        pares_.append({clave, texto.mid(igual + 1, fin - igual - 1).trimmed()});
        i = fin + 1;
    }
}

QString CadenaConexion::valor(const QString& clave) const {
    for (const auto& p : pares_)
        if (p.first.compare(clave, Qt::CaseInsensitive) == 0)
            return p.second;
    return {};
}

bool CadenaConexion::tiene(const QString& clave) const {
    for (const auto& p : pares_)
        if (p.first.compare(clave, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

QString CadenaConexion::valorDe(std::initializer_list<const char*> claves) const {
    for (const char* c : claves)
        if (tiene(QString::fromLatin1(c)))
            return valor(QString::fromLatin1(c));
    return {};
}

bool CadenaConexion::esOdbcDirecto() const {
    return proveedor().startsWith(QStringLiteral("MSDASQL"), Qt::CaseInsensitive) ||
           (proveedor().isEmpty() &&
            (tiene(QStringLiteral("DSN")) || tiene(QStringLiteral("DRIVER"))));
}

QString CadenaConexion::sinProveedor() const {
    QString r;
    for (const auto& p : pares_)
        if (p.first.compare(QStringLiteral("Provider"), Qt::CaseInsensitive) != 0)
            r += p.first + u'=' + p.second + u';';
    return r;
}
