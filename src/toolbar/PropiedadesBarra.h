#pragma once
// The properties of the bar, the limits their setters apply, and how they are
// written to and read back from the window definition.
#include "BolsaPropiedades.h"
#include "ValoresBarra.h"
#include <QString>

class ModeloBarra;

// The setters' limits.
double LimitarItemHeight(double v);
double LimitarButtonGap(double v);
double LimitarGroupGap(double v);
int LimitarIconPx(int v);

// Every property name and alias, and the per-item names.
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
    ImageFolder,
    ContextUserName,
    ContextDbName,
    DebugMode,
    EstiloVSCode,
    Estilo,
    Theme,
    NormalBackColor,
    ActiveBackColor,
    ActiveBarColor,
    ImpresoraCheckable,
    ImpresoraChecked,
    CompartirCheckable,
    CompartirChecked,
    ItemEnabled, // "<Name>Enabled"
    ItemVisible, // "<Name>Visible"
};
struct NombrePropiedad {
    Propiedad propiedad = Propiedad::Ninguna;
    QString clave; // the item key of a per-item property
};
NombrePropiedad BuscarPropiedad(const QString& nombre);

// What a stored instance reads back, besides the item states.
struct Restauradas {
    PropiedadesBarra p;
    bool Enabled = true;
    bool ImpresoraCheckable = true;
    bool ImpresoraChecked = false;
    bool CompartirCheckable = false;
    bool CompartirChecked = false;
};
// Reads the stored values with their defaults and rules. anteriores gives the
// values that are not read back; carpetaAplicacion is where the icons are
// looked for when the settings file names no system folder.
Restauradas LeerPropiedades(const BolsaPropiedades& b, const PropiedadesBarra& anteriores,
                            double twipsPorPixel, const QString& carpetaAplicacion);
// The stored enabled and visible state of each known item that exists.
void RestaurarEstadosItems(const BolsaPropiedades& b, ModeloBarra& modelo);
// Writes every property and the state of every known item.
void GuardarPropiedades(BolsaPropiedades& b, const PropiedadesBarra& p, const ModeloBarra& modelo);
