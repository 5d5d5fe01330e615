// The property setters of the bar and the access to every property by name.
#include "ModUtilVexBar.h"
#include "Twips.h"
#include "UtilVex.h"

void UtilVex::Cambiada(const char* nombre) {
    emit PropiedadCambiada(QLatin1String(nombre));
}

void UtilVex::SetEnabled(bool v) {
    setEnabled(v); // the enabled-change event passes it to the item table
    Cambiada("Enabled");
}

void UtilVex::SetShowCaptions(bool v) {
    p_.ShowCaptions = v;
    Reorganizar();
    Cambiada("ShowCaptions");
}

void UtilVex::SetHorizontal(bool v) {
    p_.Horizontal = v;
    p_.AutoOrientacion = false;
    Reorganizar();
    Cambiada("Horizontal");
}

void UtilVex::SetAutoOrientacion(bool v) {
    p_.AutoOrientacion = v;
    Reorganizar();
    Cambiada("AutoOrientacion");
}

void UtilVex::SetItemHeight(double v) {
    p_.ItemHeight = LimitarItemHeight(v);
    Reorganizar();
    Cambiada("ItemHeight");
}

void UtilVex::SetButtonGap(double v) {
    p_.ButtonGap = LimitarButtonGap(v);
    Reorganizar();
    Cambiada("ButtonGap");
}

void UtilVex::SetTopOffset(double v) {
    p_.TopOffset = v;
    Reorganizar();
    Cambiada("TopOffset");
}

void UtilVex::SetGroupGap(double v) {
    p_.GroupGap = LimitarGroupGap(v);
    Reorganizar();
    Cambiada("GroupGap");
}

void UtilVex::SetGroupBreakAfterTag(const QString& v) {
    p_.GroupBreakAfterTag = v.trimmed().toUpper();
    Reorganizar();
    Cambiada("GroupBreakAfterTag");
}

void UtilVex::SetIconSize(double v) {
    if (v > 0) {
        p_.IconSize = v;
        p_.IconPx = LimitarIconPx(TwipsAPixeles(v, factor_));
    }
    Reorganizar();
    Cambiada("IconSize");
}

void UtilVex::SetIconPx(int v) {
    p_.IconPx = LimitarIconPx(v);
    p_.IconSize = PixelesATwips(p_.IconPx, factor_);
    Reorganizar();
    Cambiada("IconPx");
}

void UtilVex::SetImageFolder(const QString& v) {
    p_.ImageFolder = ModUtilVexBar::AgregarBarraFinal(v);
    RefreshIcons();
    Cambiada("ImageFolder");
}

void UtilVex::SetContextUserName(const QString& v) {
    p_.ContextUserName = v.trimmed();
    ApplyColorStyle(EstiloDeContexto(p_));
    Cambiada("ContextUserName");
}

void UtilVex::SetContextDbName(const QString& v) {
    p_.ContextDbName = v.trimmed();
    ApplyColorStyle(EstiloDeContexto(p_));
    Cambiada("ContextDbName");
}

void UtilVex::SetDebugMode(bool v) {
    p_.DebugMode = v;
    Cambiada("DebugMode");
}

void UtilVex::SetEstiloVSCode(bool v) {
    p_.EstiloVSCode = v;
    if (v)
        AplicarEstiloVSCode(p_.ShowCaptions, p_.IconPx);
    Reorganizar();
    Cambiada("EstiloVSCode");
}

void UtilVex::SetEstilo(int v) {
    ApplyColorStyle(v);
    Cambiada("Estilo");
}

void UtilVex::SetTheme(int) {
    ApplyColorStyle(EstiloDeContexto(p_));
    Cambiada("Theme");
}

void UtilVex::SetNormalBackColor(ColorRGB v) {
    p_.NormalBackColor = v;
    Reorganizar();
    Cambiada("NormalBackColor");
}

void UtilVex::SetActiveBackColor(ColorRGB v) {
    p_.ActiveBackColor = v;
    Reorganizar();
    Cambiada("ActiveBackColor");
}

void UtilVex::SetActiveBarColor(ColorRGB v) {
    p_.ActiveBarColor = v;
    Reorganizar();
    Cambiada("ActiveBarColor");
}

void UtilVex::SetImpresoraCheckable(bool v) {
    modelo_.SetImpresoraCheckable(v);
    Cambiada("ImpresoraCheckable");
}

void UtilVex::SetImpresoraChecked(bool v) {
    modelo_.SetImpresoraChecked(v);
    Cambiada("ImpresoraChecked");
}

void UtilVex::SetCompartirCheckable(bool v) {
    modelo_.SetCompartirCheckable(v);
    Cambiada("CompartirCheckable");
}

void UtilVex::SetCompartirChecked(bool v) {
    modelo_.SetCompartirChecked(v);
    Cambiada("CompartirChecked");
}

QVariant UtilVex::Propiedad(const QString& nombre) {
    const NombrePropiedad n = BuscarPropiedad(nombre);
    switch (n.propiedad) {
    case Propiedad::Ninguna:
        return {};
    case Propiedad::Enabled:
        return isEnabled();
    case Propiedad::ShowCaptions:
        return p_.ShowCaptions;
    case Propiedad::Horizontal:
        return p_.Horizontal;
    case Propiedad::AutoOrientacion:
        return p_.AutoOrientacion;
    case Propiedad::ItemHeight:
        return p_.ItemHeight;
    case Propiedad::ButtonGap:
        return p_.ButtonGap;
    case Propiedad::TopOffset:
        return p_.TopOffset;
    case Propiedad::GroupGap:
        return p_.GroupGap;
    case Propiedad::GroupBreakAfterTag:
        return p_.GroupBreakAfterTag;
    case Propiedad::IconSize:
        return p_.IconSize;
    case Propiedad::IconPx:
        return p_.IconPx;
    case Propiedad::ImageFolder:
        return p_.ImageFolder;
    case Propiedad::ContextUserName:
        return p_.ContextUserName;
    case Propiedad::ContextDbName:
        return p_.ContextDbName;
    case Propiedad::DebugMode:
        return p_.DebugMode;
    case Propiedad::EstiloVSCode:
        return p_.EstiloVSCode;
    case Propiedad::Estilo:
    case Propiedad::Theme:
        return p_.Estilo;
    case Propiedad::NormalBackColor:
        return p_.NormalBackColor;
    case Propiedad::ActiveBackColor:
        return p_.ActiveBackColor;
    case Propiedad::ActiveBarColor:
        return p_.ActiveBarColor;
    case Propiedad::ImpresoraCheckable:
        return modelo_.ImpresoraCheckable();
    case Propiedad::ImpresoraChecked:
        return modelo_.ImpresoraChecked();
    case Propiedad::CompartirCheckable:
        return modelo_.CompartirCheckable();
    case Propiedad::CompartirChecked:
        return modelo_.CompartirChecked();
    case Propiedad::ItemEnabled:
        modelo_.AsegurarItems();
        return modelo_.ItemEnabled(n.clave);
    case Propiedad::ItemVisible:
        modelo_.AsegurarItems();
        return modelo_.ItemVisible(n.clave);
    }
    return {};
}

void UtilVex::FijarPropiedad(const QString& nombre, const QVariant& v) {
    const NombrePropiedad n = BuscarPropiedad(nombre);
    switch (n.propiedad) {
    case Propiedad::Ninguna:
        return;
    case Propiedad::Enabled:
        return SetEnabled(v.toBool());
    case Propiedad::ShowCaptions:
        return SetShowCaptions(v.toBool());
    case Propiedad::Horizontal:
        return SetHorizontal(v.toBool());
    case Propiedad::AutoOrientacion:
        return SetAutoOrientacion(v.toBool());
    case Propiedad::ItemHeight:
        return SetItemHeight(v.toDouble());
    case Propiedad::ButtonGap:
        return SetButtonGap(v.toDouble());
    case Propiedad::TopOffset:
        return SetTopOffset(v.toDouble());
    case Propiedad::GroupGap:
        return SetGroupGap(v.toDouble());
    case Propiedad::GroupBreakAfterTag:
        return SetGroupBreakAfterTag(v.toString());
    case Propiedad::IconSize:
        return SetIconSize(v.toDouble());
    case Propiedad::IconPx:
        return SetIconPx(v.toInt());
    case Propiedad::ImageFolder:
        return SetImageFolder(v.toString());
    case Propiedad::ContextUserName:
        return SetContextUserName(v.toString());
    case Propiedad::ContextDbName:
        return SetContextDbName(v.toString());
    case Propiedad::DebugMode:
        return SetDebugMode(v.toBool());
    case Propiedad::EstiloVSCode:
        return SetEstiloVSCode(v.toBool());
    case Propiedad::Estilo:
        return SetEstilo(v.toInt());
    case Propiedad::Theme:
        return SetTheme(v.toInt());
    case Propiedad::NormalBackColor:
        return SetNormalBackColor(v.toUInt());
    case Propiedad::ActiveBackColor:
        return SetActiveBackColor(v.toUInt());
    case Propiedad::ActiveBarColor:
        return SetActiveBarColor(v.toUInt());
    case Propiedad::ImpresoraCheckable:
        return SetImpresoraCheckable(v.toBool());
    case Propiedad::ImpresoraChecked:
        return SetImpresoraChecked(v.toBool());
    case Propiedad::CompartirCheckable:
        return SetCompartirCheckable(v.toBool());
    case Propiedad::CompartirChecked:
        return SetCompartirChecked(v.toBool());
    case Propiedad::ItemEnabled:
        modelo_.AsegurarItems();
        modelo_.SetItemEnabled(n.clave, v.toBool());
        emit PropiedadCambiada(nombre);
        return;
    case Propiedad::ItemVisible:
        modelo_.AsegurarItems();
        modelo_.SetItemVisible(n.clave, v.toBool());
        emit PropiedadCambiada(nombre);
        return;
    }
}
