#include "LectorIni.h"
#include "TextoDeArchivo.h"
#include <QFile>

namespace LectorIni {
namespace {

bool leerLineas(const QString& archivo, QStringList& lineas) {
    QFile f(archivo);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    const QByteArray datos = f.readAll();
    // Settings files are written in the workstation's code page or in UTF-8.
    QString texto = TextoDeArchivo(datos);
    texto.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    lineas = texto.split(u'\n');
    return true;
}

// The name of a section header line, or a null string when it is none.
QString nombreSeccion(const QString& linea) {
    const QString t = linea.trimmed();
    if (!t.startsWith(u'['))
        return {};
    const int fin = t.indexOf(u']');
    if (fin < 0)
        return {};
    return t.mid(1, fin - 1).trimmed();
}

} // namespace

QString LeerValor(const QString& archivo, const QString& seccion, const QString& clave,
                  const QString& porDefecto) {
    QStringList lineas;
    if (!leerLineas(archivo, lineas))
        return porDefecto;
    const QString secBuscada = seccion.trimmed();
    const QString claveBuscada = clave.trimmed();
    bool dentro = false;
    bool vista = false;
    for (const QString& linea : lineas) {
        const QString sec = nombreSeccion(linea);
        if (!sec.isNull()) {
            if (vista)
                break; // only the first section of the name counts
            dentro = sec.compare(secBuscada, Qt::CaseInsensitive) == 0;
            vista = dentro;
            continue;
        }
        if (!dentro)
            continue;
        const QString t = linea.trimmed();
        if (t.isEmpty() || t.startsWith(u';'))
            continue;
        const int igual = t.indexOf(u'=');
        if (igual < 0)
            continue;
        if (t.left(igual).trimmed().compare(claveBuscada, Qt::CaseInsensitive) != 0)
            continue;
        QString valor = t.mid(igual + 1).trimmed();
        if (valor.size() >= 2 && ((valor.startsWith(u'"') && valor.endsWith(u'"')) ||
                                  (valor.startsWith(u'\'') && valor.endsWith(u'\''))))
            valor = valor.mid(1, valor.size() - 2);
        return valor;
    }
    return porDefecto;
}

QStringList Secciones(const QString& archivo) {
    QStringList lineas;
    QStringList r;
    if (!leerLineas(archivo, lineas))
        return r;
    for (const QString& linea : lineas) {
        const QString sec = nombreSeccion(linea);
        if (!sec.isNull())
            r << sec;
    }
    return r;
}

} // namespace LectorIni
