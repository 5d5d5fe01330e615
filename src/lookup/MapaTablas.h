#pragma once
// The lookup table map: from a table name alone it decides which column is
// shown and searched, which column is the code, which extra condition every
// search carries, whether the name is rewritten and whether the lookup is
// available. An ordered list of names and prefixes; the first matching rule
// wins, then a tail table by the resulting table refines the filter.
#include <QString>

struct PreparacionTabla {
    // The lookup is available for the table.
    bool disponible = true;
    // The article lookups are switched off: the preparation stops at once
    // (nothing after the rule applies).
    bool cortada = false;
    // The table searched, and the caller's variable afterwards.
    QString tabla;
    QString nombreLlamador;
    // Display column (searched and sorted on) and code column; a rule that
    // leaves them unchanged keeps the ones it was given.
    QString campoDescripcion;
    QString campoCodigo;
    // Extra condition appended to the search's WHERE clause, or empty.
    QString filtroExtra;
    // The name asks for the date picker.
    bool calendario = false;
};

namespace MapaTablas {

// Prepares the name given to the lookup. descripcion and codigo are the
// columns of the previous preparation, kept by the rules that leave them
// unchanged.
PreparacionTabla Preparar(const QString& nombre, const QString& descripcion, const QString& codigo,
                          bool deshabilitarArticulos);

// The code column "ID" & resto, without a final "S" (either case).
QString ColumnaId(const QString& resto);

} // namespace MapaTablas
