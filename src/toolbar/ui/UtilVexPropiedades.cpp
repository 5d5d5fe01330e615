// The property setters of the bar and the access to every property by name,
// all through the table of properties.
#include "UtilVex.h"

DestinoPropiedades UtilVex::Destino() {
    return {p_, modelo_, factor_, [this](bool v) { setEnabled(v); }};
}

void UtilVex::Fijar(::Propiedad id, const QVariant& v) {
    const FilaPropiedad& f = FilaDe(id);
    DestinoPropiedades d = Destino();
    FijarValor(f, d, v);
    if (f.disponer)
        Reorganizar();
    emit PropiedadCambiada(f.nombres.first());
}

QVariant UtilVex::Propiedad(const QString& nombre) {
    return LeerValor(BuscarPropiedad(nombre), p_, modelo_);
}

void UtilVex::FijarPropiedad(const QString& nombre, const QVariant& v) {
    const NombrePropiedad n = BuscarPropiedad(nombre);
    if (n.fila != nullptr)
        return Fijar(n.propiedad, v);
    if (n.clave.isEmpty())
        return;
    FijarEstadoItem(n, modelo_, v.toBool());
    emit PropiedadCambiada(nombre);
}

void UtilVex::SetEnabled(bool v) {
    Fijar(Propiedad::Enabled, v);
}
void UtilVex::SetShowCaptions(bool v) {
    Fijar(Propiedad::ShowCaptions, v);
}
void UtilVex::SetHorizontal(bool v) {
    Fijar(Propiedad::Horizontal, v);
}
void UtilVex::SetAutoOrientacion(bool v) {
    Fijar(Propiedad::AutoOrientacion, v);
}
void UtilVex::SetItemHeight(double v) {
    Fijar(Propiedad::ItemHeight, v);
}
void UtilVex::SetButtonGap(double v) {
    Fijar(Propiedad::ButtonGap, v);
}
void UtilVex::SetTopOffset(double v) {
    Fijar(Propiedad::TopOffset, v);
}
void UtilVex::SetGroupGap(double v) {
    Fijar(Propiedad::GroupGap, v);
}
void UtilVex::SetGroupBreakAfterTag(const QString& v) {
    Fijar(Propiedad::GroupBreakAfterTag, v);
}
void UtilVex::SetIconSize(double v) {
    Fijar(Propiedad::IconSize, v);
}
void UtilVex::SetIconPx(int v) {
    Fijar(Propiedad::IconPx, v);
}
void UtilVex::SetImageFolder(const QString& v) {
    Fijar(Propiedad::ImageFolder, v);
}
void UtilVex::SetContextUserName(const QString& v) {
    Fijar(Propiedad::ContextUserName, v);
}
void UtilVex::SetContextDbName(const QString& v) {
    Fijar(Propiedad::ContextDbName, v);
}
void UtilVex::SetDebugMode(bool v) {
    Fijar(Propiedad::DebugMode, v);
}
void UtilVex::SetEstiloVSCode(bool v) {
    Fijar(Propiedad::EstiloVSCode, v);
}
void UtilVex::SetEstilo(int v) {
    Fijar(Propiedad::Estilo, v);
}
void UtilVex::SetTheme(int v) {
    Fijar(Propiedad::Theme, v);
}
void UtilVex::SetNormalBackColor(ColorRGB v) {
    Fijar(Propiedad::NormalBackColor, v);
}
void UtilVex::SetActiveBackColor(ColorRGB v) {
    Fijar(Propiedad::ActiveBackColor, v);
}
void UtilVex::SetActiveBarColor(ColorRGB v) {
    Fijar(Propiedad::ActiveBarColor, v);
}
void UtilVex::SetImpresoraCheckable(bool v) {
    Fijar(Propiedad::ImpresoraCheckable, v);
}
void UtilVex::SetImpresoraChecked(bool v) {
    Fijar(Propiedad::ImpresoraChecked, v);
}
void UtilVex::SetCompartirCheckable(bool v) {
    Fijar(Propiedad::CompartirCheckable, v);
}
void UtilVex::SetCompartirChecked(bool v) {
    Fijar(Propiedad::CompartirChecked, v);
}
