#pragma once
// Quick add: a description that the lookup does not find becomes a new row of
// the lookup table, with the next free code right-aligned in the table's code
// width. Sales and purchase motives also get their default accounting rows,
// one per fiscal condition, copied from a template row. The new row and its
// motive rows are written in one transaction: all or none.
#include <QDate>
#include <QString>
#include <QStringList>
#include <functional>

class Conexion;

namespace AltaRapida {

// Whether quick add is offered for a table, the menu task that grants it and
// the width of the new codes.
struct Regla {
    bool disponible = false;
    QString tarea;
    int largoCodigo = 4;
};
Regla ReglaDe(const QString& tabla);

// What a quick add needs from the control.
struct Pedido {
    QString texto; // the typed description, trimmed
    QString tabla;
    QString campoDescripcion;
    QString campoCodigo;
    QString cuenta; // account of a new maintenance row
    int largoCodigo = 4;
    QDate hoy = QDate::currentDate();
};

// The statements, in the order they run.
QString SentenciaExiste(const Pedido& p);
QString SentenciaMaximo(const Pedido& p);
// The code after the largest one found (text or null), right-aligned.
QString SiguienteCodigo(const QString& maximo, bool hayMaximo, int largo);
// The first 50 characters without commas and apostrophes.
QString Descripcion(const QString& texto);
QString SentenciaInsertar(const Pedido& p, const QString& codigo, const QString& descripcion);
// The template row of the motive's default rows; empty for other tables.
QString SentenciaPlantilla(const QString& tabla);
// The default rows of a new motive, one statement per fiscal condition
// joined by CR LF; valorDe gives the template row's value of a column.
QString SentenciasMotivo(const QString& tabla, const QString& codigo,
                         const std::function<QString(const QString&)>& valorDe);
// The fiscal condition codes of the default motive rows.
QStringList CondicionesIva();

// Runs the quick add on cn. Returns the new code (with its blanks), or empty
// text when nothing was written; the operator is told why through the
// dialogs.
QString Ejecutar(Conexion& cn, const Pedido& p);

} // namespace AltaRapida
