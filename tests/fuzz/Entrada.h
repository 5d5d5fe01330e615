#pragma once
// What every harness shares: the bytes of one input as text, as the program
// reads outside text (UTF-8, or the workstation's code page when it is not
// valid UTF-8), and the input written to a file for the readers of files.
#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QString>
#include <QStringDecoder>
#include <cstddef>
#include <cstdint>

inline QByteArray Bytes(const std::uint8_t* datos, std::size_t largo) {
    return QByteArray(reinterpret_cast<const char*>(datos), static_cast<qsizetype>(largo));
}

inline QString Texto(const std::uint8_t* datos, std::size_t largo) {
    const QByteArray b = Bytes(datos, largo);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString t = utf8(b);
    return utf8.hasError() ? QString::fromLatin1(b) : t;
}

// A file of this process in the temporary folder holding the input.
inline QString EnArchivo(const char* nombre, const std::uint8_t* datos, std::size_t largo) {
    const QString ruta = QDir::temp().filePath(QStringLiteral("tarquel-fuzz-%1-%2")
                                                   .arg(QCoreApplication::applicationPid())
                                                   .arg(QString::fromLatin1(nombre)));
    QFile f(ruta);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(Bytes(datos, largo));
    return ruta;
}
