#pragma once
#include <QByteArray>
#include <QString>

// The text of a file written in UTF-8 or in the workstation's code page: UTF-8
// when the bytes are valid UTF-8, Latin-1 otherwise; a leading byte-order mark
// is dropped.
QString TextoDeArchivo(const QByteArray& datos);
