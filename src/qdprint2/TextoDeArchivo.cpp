#include "TextoDeArchivo.h"
#include <QStringDecoder>

QString TextoDeArchivo(const QByteArray& datos) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString texto = utf8(datos);
    if (utf8.hasError())
        texto = QString::fromLatin1(datos);
    if (texto.startsWith(QChar(0xFEFF)))
        texto.remove(0, 1);
    return texto;
}
