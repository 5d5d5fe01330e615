#pragma once
// The decisions of the in-grid editor: how the editor is configured for a
// cell, the check of a typed account, and the write of a confirmed account to
// its journal line.
#include <QString>

class HistorialCambios;
class ModeloAsientos;

struct ConfigEditor {
    QString campo; // data field: the column written
    int largo = 0; // maximum length, 0 for none
    QString tag;   // the search a field opens; empty on cells that cannot be edited
};

// The editor's configuration for a cell of the grid.
ConfigEditor TextPropiedades(const ModeloAsientos& grilla, int fila, int columna);

// Checks the account typed on a line: refusal text, or empty when accepted;
// then texto is the account's main code and cells 2 (description) and 12
// (payment medium) of the row are set.
QString ValidarCuentaEditor(ModeloAsientos& grilla, int fila, QString& texto);

enum class ResultadoUpdate {
    Escrito,
    NoEscrito, // an amount or a cell that cannot be edited: nothing to write
    Rechazado, // not written (a presented coupon, a failure, a line changed or
               // not found): the row shows the database again and the user was told why
};

// Writes a confirmed account of the cell to the journal line of its row, in a
// transaction kept only when the update reached exactly that line, with the
// line's change record and audit row; the correction joins the session's
// history. Amounts are never written. When the line changed since the load,
// the message tells who changed it, if the audit rows say so.
ResultadoUpdate UpdateaCampo(ModeloAsientos& grilla, int fila, int columna, const QString& campo,
                             const QString& valor, HistorialCambios& historial);
