#include "CamposBases.h"
#include <QStringDecoder>

namespace CamposBases {

QStringList Leer(const QString& linea) {
    QStringList campos;
    if (linea.trimmed().isEmpty())
        return campos;
    const qsizetype n = linea.size();
    qsizetype i = 0;
    for (;;) {
        while (i < n && (linea[i] == u' ' || linea[i] == u'\t'))
            ++i;
        QString campo;
        if (i < n && linea[i] == u'"') {
            ++i;
            while (i < n) {
                if (linea[i] == u'"') {
                    if (i + 1 < n && linea[i + 1] == u'"') {
                        campo += u'"';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                campo += linea[i++];
            }
            // Whatever stands between the closing quote and the comma is dropped.
            while (i < n && linea[i] != u',')
                ++i;
        } else {
            const qsizetype inicio = i;
            while (i < n && linea[i] != u',')
                ++i;
            campo = linea.mid(inicio, i - inicio).trimmed();
        }
        campos << campo;
        if (i >= n)
            break;
        ++i; // the comma
    }
    return campos;
}

QString Escribir(const QString& campo) {
    const QString t = campo.trimmed();
    if (!t.contains(u',') && !t.contains(u'"'))
        return t;
    return u'"' + QString(t).replace(QStringLiteral("\""), QStringLiteral("\"\"")) + u'"';
}

bool EsUtf8(const QByteArray& bytes) {
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    const QString texto = utf8.decode(bytes);
    (void)texto;
    return !utf8.hasError();
}

QString Decodificar(const QByteArray& bytes) {
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QString texto = utf8.decode(bytes);
    if (!utf8.hasError())
        return texto;
    QStringDecoder ansi("windows-1252");
    if (ansi.isValid())
        return ansi.decode(bytes);
    return QString::fromLatin1(bytes);
}

bool TieneCaracterDeControl(const QString& texto) {
    for (const QChar c : texto)
        if (c.category() == QChar::Other_Control || c == QChar::LineSeparator ||
            c == QChar::ParagraphSeparator)
            return true;
    return false;
}

} // namespace CamposBases
