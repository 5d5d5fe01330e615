#pragma once
// The fields of one line of the registered connections file: comma-separated
// values in which a field in double quotes may hold commas (a quote inside is
// doubled). Quotes never run past the end of their line, so a stray quote
// spoils at most its own line.
#include <QByteArray>
#include <QString>
#include <QStringList>

namespace CamposBases {

// The fields of a line, in order. Unquoted fields are trimmed; a quoted field
// keeps its text as written. A blank line has no fields.
QStringList Leer(const QString& linea);
// A field as written: trimmed, and in double quotes (quotes inside doubled)
// when it holds a comma or a quote; any other field as it is.
QString Escribir(const QString& campo);
// The text of one line of the file: UTF-8 when the bytes are valid UTF-8,
// otherwise the Windows (ANSI) code page.
QString Decodificar(const QByteArray& bytes);
// True when the bytes are valid UTF-8.
bool EsUtf8(const QByteArray& bytes);
// True when the text holds a line break or another control character.
bool TieneCaracterDeControl(const QString& texto);

} // namespace CamposBases
