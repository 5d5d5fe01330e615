#include "Sentencias.h"
#include "DB_Dll.h"
#include <QList>
#include <QPair>

namespace {
using Par = QPair<QString, QString>; // column, SQL value text

QList<Par>& pendientes() {
    static QList<Par> lista;
    return lista;
}

QString columnasYValores() {
    QStringList columnas;
    QStringList valores;
    for (const Par& p : pendientes()) {
        columnas << p.first;
        valores << p.second;
    }
    return u'(' + columnas.join(u',') + QStringLiteral(") VALUES (") + valores.join(u',') + u')';
}
} // namespace

void AgregarCampo(const QString& columna, QString& valor, const QString& comilla, bool nuevo) {
    if (nuevo)
        pendientes().clear();
    valor.remove(u'\'');
    const QString sql = valor.compare(QStringLiteral("NULL"), Qt::CaseInsensitive) == 0
                            ? QStringLiteral("Null")
                            : DB_Dll::SQLValue(valor, comilla);
    pendientes().append({columna, sql});
}

void AgregarCampo(const QString& columna, const QString& valor, const QString& comilla,
                  bool nuevo) {
    QString copia = valor;
    AgregarCampo(columna, copia, comilla, nuevo);
}

void ArmarSentencia(QStringList& sentencias, const QString& tabla, bool conservar) {
    sentencias << QStringLiteral("INSERT INTO ") + tabla + u' ' + columnasYValores();
    sentencias << QString();
    if (!conservar)
        pendientes().clear();
}

void ArmarValores(QString& texto, bool borrar) {
    texto += columnasYValores();
    if (borrar)
        pendientes().clear();
}

void ReiniciarCamposPendientes() {
    pendientes().clear();
}
