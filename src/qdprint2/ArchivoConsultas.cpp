#include "ArchivoConsultas.h"
#include "UtilGeneral.h"
#include <QFile>

namespace ArchivoConsultas {
namespace {
QByteArray campo(const QString& texto, int largo) {
    QByteArray b = texto.toLatin1().left(largo);
    b.append(QByteArray(largo - b.size(), ' '));
    return b;
}
} // namespace

QString TablaLimpia(const QString& campo) {
    return UtilGeneral::QuitarCaracteres(campo, QString(QChar(0)) + QChar(255)).trimmed();
}

QList<RegistroConsulta> Leer(const QString& archivo) {
    QList<RegistroConsulta> r;
    QFile f(archivo);
    if (!f.open(QIODevice::ReadOnly))
        return r;
    for (;;) {
        const QByteArray reg = f.read(LargoRegistro);
        if (reg.size() < 1200)
            break;
        r.append({QString::fromLatin1(reg.mid(0, 100)), QString::fromLatin1(reg.mid(100, 100)),
                  QString::fromLatin1(reg.mid(200, 500)), QString::fromLatin1(reg.mid(700, 500))});
    }
    return r;
}

bool Agregar(const QString& archivo, const RegistroConsulta& registro) {
    QFile f(archivo);
    if (!f.open(QIODevice::ReadWrite))
        return false;
    const qint64 numero = f.size() / LargoRegistro; // next free record, counted from 0
    if (!f.seek(numero * LargoRegistro))
        return false;
    QByteArray reg = campo(registro.nombre.trimmed(), 100) + campo(registro.tabla, 100) +
                     campo(registro.columnas.trimmed(), 500) + campo(registro.condicion, 500) +
                     QByteArray("\r\n");
    return f.write(reg) == reg.size();
}

} // namespace ArchivoConsultas
