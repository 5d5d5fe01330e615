#pragma once
// The launch of the suite's sibling programs with the session's parameter
// string, and the entry viewer started on a voucher.
#include <QString>

class ModeloAsientos;

// The additional parameter that names the voucher of a grid row (a line row
// belongs to its voucher); empty when the row holds no voucher.
QString ParametroVisor(const ModeloAsientos& grilla, int fila);
// The session text a sibling program receives, with the additional value.
QString CadenaSesion(const QString& adicional);
// Starts "shell:<name>" from the program folder with the session text;
// returns the process number, 0 (after the message) when it did not start.
qint64 EjecutarPrograma(const QString& programa, QString parametro);
