#pragma once
// The keys the bar knows, their default captions and tooltips, the built-in
// image of each key and the word that names its per-item properties.
#include <QString>
#include <vector>

struct ClaveConocida {
    const char* clave;
    const char* caption; // nullptr: not in the default set
    const char* toolTip;
    int imagenBase;     // -1: the key has no built-in image
    const char* nombre; // forms "<nombre>Enabled" and "<nombre>Visible"
};

// The 23 known keys, in the order of the stored per-item properties.
const std::vector<ClaveConocida>& ClavesConocidas();

struct ItemPredeterminado {
    QString clave;
    QString caption;
    QString toolTip;
};
// The 19 rows of the default set, in slot order.
const std::vector<ItemPredeterminado>& ItemsPredeterminados();
// The five rows of the report set, in slot order.
const std::vector<ItemPredeterminado>& ItemsReportes();

// Keys are compared upper-cased and trimmed.
QString NormalizarClave(const QString& clave);
// Index 0..18 of the key's built-in image, -1 when it has none.
int IndiceIconoBase(const QString& clave);
// True for the items the default set shows: NUEVO, BORRAR, REPORTE,
// CONSULTAR, CANCELAR, GRABAR and CERRAR.
bool EsItemBase(const QString& clave);
// The key addressed by a per-item property word ("Nuevo", "Consulta",
// "consultar", letter case ignored); empty when the word names no key.
QString ClaveDeNombre(const QString& nombre);
