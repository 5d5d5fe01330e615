#pragma once
// The properties of the bar in one table: each row gives a property's names,
// type, limits, how it is read and written, what its setter does besides, and
// how it is written to and read back from the window definition. Finding a
// property by name, setting it, and saving and restoring a bar all walk the
// table.
#include "BolsaPropiedades.h"
#include "ValoresBarra.h"
#include <QString>
#include <QStringList>
#include <QVariant>
#include <functional>
#include <optional>
#include <vector>

class ModeloBarra;

// Where the rows read and write: the bar's values and its item table, which
// keeps the enabled state and the check flags of the printer and share items.
struct DestinoPropiedades {
    PropiedadesBarra& p;
    ModeloBarra& modelo;
    double twipsPorPixel;
    // Enables or disables the whole bar; empty: the item table's own flag. A
    // widget passes its own, which keeps the item table in step.
    std::function<void(bool)> habilitar;
};

// Every property, in table order, and the per-item properties.
enum class Propiedad {
    Ninguna,
    Enabled,
    ShowCaptions,
    Horizontal,
    AutoOrientacion,
    ItemHeight,
    ButtonGap,
    TopOffset,
    GroupGap,
    GroupBreakAfterTag,
    IconSize,
    IconPx,
    Estilo,
    Theme,
    NormalBackColor,
    ActiveBackColor,
    ActiveBarColor,
    ImageFolder,
    ContextUserName,
    ContextDbName,
    DebugMode,
    EstiloVSCode,
    ImpresoraCheckable,
    ImpresoraChecked,
    CompartirCheckable,
    CompartirChecked,
    ItemEnabled, // "<Name>Enabled"
    ItemVisible, // "<Name>Visible"
};

enum class TipoPropiedad {
    Bandera, // flag
    Twips,   // single
    Pixeles, // integer
    Estilo,  // integer 1..5
    Texto,
    Color, // RGB number
};

// A value below minimo is stored as enSuLugar.
struct Minimo {
    double minimo;
    double enSuLugar;
};

struct AccesoPropiedad {
    QVariant (*leer)(const PropiedadesBarra&, const ModeloBarra&);
    // Stores the value given, already of the row's type and limited.
    void (*escribir)(DestinoPropiedades&, const QVariant&);
};

struct LecturaGuardada {
    // Read in this order, each with the result so far as its default.
    QStringList nombres = {};
    QVariant porDefecto = {};
    // The value the names are read over, instead of porDefecto; with no names,
    // the value restored. Without names and without it the property is not
    // read back.
    QVariant (*inicial)(const BolsaPropiedades&, const DestinoPropiedades&,
                        const QString& carpetaAplicacion) = nullptr;
    // The setter's limits apply to the value read.
    bool limitada = false;
};

struct FilaPropiedad {
    Propiedad id;
    // The property's name, then its aliases. Every one is written when the
    // bar is saved.
    QStringList nombres;
    TipoPropiedad tipo;
    std::optional<Minimo> minimo = std::nullopt;
    QString (*normalizar)(const QString&) = nullptr; // texts
    AccesoPropiedad acceso;
    // What only the setter does after writing; restoring a bar does not.
    void (*trasFijar)(DestinoPropiedades&) = nullptr;
    // The setter lays the bar out again; the rows whose writes go through
    // the item table get their layout from it.
    bool disponer = false;
    // The container leaves the value out when it equals this.
    QVariant guardadoPorDefecto;
    LecturaGuardada restaurada = {};
};

// The rows in the order the bar is saved and restored: a row that turns
// another property as it is written (Horizontal turns AutoOrientacion off)
// comes before it.
const std::vector<FilaPropiedad>& TablaPropiedades();
const FilaPropiedad& FilaDe(Propiedad id);

struct NombrePropiedad {
    Propiedad propiedad = Propiedad::Ninguna;
    QString clave;                       // the item key of a per-item property
    const FilaPropiedad* fila = nullptr; // the row of any other property
};
// A name or alias of a row, or "<Name>Enabled" / "<Name>Visible" of a known
// item; letter case and surrounding blanks are ignored.
NombrePropiedad BuscarPropiedad(const QString& nombre);

// The value as the row's setter stores it: of the row's type, limited and
// normalised.
QVariant Limitar(const FilaPropiedad& f, const QVariant& valor);
double LimitarItemHeight(double v);
double LimitarButtonGap(double v);
double LimitarGroupGap(double v);
int LimitarIconPx(int v);

// What a setter does short of laying out and reporting the change: limits
// the value, writes it, then runs the row's own step.
void FijarValor(const FilaPropiedad& f, DestinoPropiedades& d, const QVariant& valor);
// The value of a property found by name; a per-item property first loads the
// default items when there are none. Invalid for an unknown name.
QVariant LeerValor(const NombrePropiedad& n, const PropiedadesBarra& p, ModeloBarra& modelo);
// Sets a per-item property, first loading the default items when there are none.
void FijarEstadoItem(const NombrePropiedad& n, ModeloBarra& modelo, bool valor);

// Restores a stored bar: every row read back in table order, then the style
// of the context held before (a stored style is never read), the dark preset
// when it is on, and the stored state of the items that exist.
// carpetaAplicacion is where the icons are looked for when the settings file
// names no system folder.
void RestaurarPropiedades(const BolsaPropiedades& b, DestinoPropiedades& d,
                          const QString& carpetaAplicacion);

// What the rows read back from a stored bar, without a bar to restore.
struct Restauradas {
    PropiedadesBarra p;
    bool Enabled = true;
    bool ImpresoraCheckable = true;
    bool ImpresoraChecked = false;
    bool CompartirCheckable = false;
    bool CompartirChecked = false;
};
// anteriores gives the values that are not read back.
Restauradas LeerPropiedades(const BolsaPropiedades& b, const PropiedadesBarra& anteriores,
                            double twipsPorPixel, const QString& carpetaAplicacion);
// The stored enabled and visible state of each known item that exists.
void RestaurarEstadosItems(const BolsaPropiedades& b, ModeloBarra& modelo);
// Writes every row under all its names, then the state of every known item.
void GuardarPropiedades(BolsaPropiedades& b, const PropiedadesBarra& p, const ModeloBarra& modelo);
