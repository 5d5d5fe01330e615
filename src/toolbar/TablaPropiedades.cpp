// The table of the bar's properties.
#include "ModUtilVexBar.h"
#include "ModeloBarra.h"
#include "PropiedadesBarra.h"
#include "Twips.h"
#include <type_traits>

namespace {

// A plain value of the bar, read and written as it is.
template <auto campo> constexpr AccesoPropiedad Campo() {
    using Valor = std::remove_cvref_t<decltype(std::declval<PropiedadesBarra&>().*campo)>;
    return {
        [](const PropiedadesBarra& p, const ModeloBarra&) { return QVariant::fromValue(p.*campo); },
        [](DestinoPropiedades& d, const QVariant& v) { d.p.*campo = v.value<Valor>(); }};
}

// A flag the item table keeps, written through its own rules.
template <bool (ModeloBarra::*leer)() const, void (ModeloBarra::*fijar)(bool)>
constexpr AccesoPropiedad DelModelo() {
    return {[](const PropiedadesBarra&, const ModeloBarra& m) { return QVariant((m.*leer)()); },
            [](DestinoPropiedades& d, const QVariant& v) { (d.modelo.*fijar)(v.toBool()); }};
}

QVariant LeerEnabled(const PropiedadesBarra&, const ModeloBarra& m) {
    return m.Enabled();
}

void EscribirEnabled(DestinoPropiedades& d, const QVariant& v) {
    if (d.habilitar)
        d.habilitar(v.toBool());
    else
        d.modelo.SetEnabled(v.toBool());
}

// A fixed orientation: the control's aspect no longer decides it.
void EscribirHorizontal(DestinoPropiedades& d, const QVariant& v) {
    d.p.Horizontal = v.toBool();
    d.p.AutoOrientacion = false;
}

// A size in twips sets the pixels too; a size not above 0 is ignored.
void EscribirIconSize(DestinoPropiedades& d, const QVariant& v) {
    if (v.toDouble() <= 0)
        return;
    d.p.IconSize = v.toDouble();
    d.p.IconPx = LimitarIconPx(TwipsAPixeles(d.p.IconSize, d.twipsPorPixel));
}

void EscribirIconPx(DestinoPropiedades& d, const QVariant& v) {
    d.p.IconPx = v.toInt();
    d.p.IconSize = PixelesATwips(d.p.IconPx, d.twipsPorPixel);
}

void EscribirEstilo(DestinoPropiedades& d, const QVariant& v) {
    AplicarColores(d.p, v.toInt());
}

void EstiloDelContexto(DestinoPropiedades& d) {
    AplicarColores(d.p, EstiloDeContexto(d.p));
}

// The value is ignored: the style comes from the settings file.
void EscribirTheme(DestinoPropiedades& d, const QVariant&) {
    EstiloDelContexto(d);
}

void CargarIconos(DestinoPropiedades& d) {
    d.modelo.RefreshIcons();
}

void PresetSiVSCode(DestinoPropiedades& d) {
    if (d.p.EstiloVSCode)
        AplicarPresetVSCode(d.p, d.p.ShowCaptions, d.twipsPorPixel);
}

QString Recortado(const QString& s) {
    return s.trimmed();
}

QString RecortadoEnMayusculas(const QString& s) {
    return s.trimmed().toUpper();
}

// The gap was stored under three names over time: "ButtonGap" wins, then
// "SeparacionBotones", then "ItemGap" (whose old default 30 means no gap).
QVariant HuecoGuardado(const BolsaPropiedades& b, const DestinoPropiedades&, const QString&) {
    constexpr double ausente = 32767;
    const double itemGap = b.Leer("ItemGap", 30).toDouble();
    double gap = b.Leer("ButtonGap", ausente).toDouble();
    if (gap == ausente) {
        gap = b.Leer("SeparacionBotones", ausente).toDouble();
        if (gap == ausente)
            gap = itemGap == 30 ? 0 : itemGap;
    }
    return gap;
}

// The stored size in twips counts only as the default of the pixels.
QVariant PixelesDeIconSize(const BolsaPropiedades& b, const DestinoPropiedades& d, const QString&) {
    return TwipsAPixeles(b.Leer("IconSize", 480.0).toDouble(), d.twipsPorPixel);
}

// Never read back: the "img_menu" folder of the system folder the settings
// file names, else of the application folder.
QVariant CarpetaDeIconos(const BolsaPropiedades&, const DestinoPropiedades&,
                         const QString& carpetaAplicacion) {
    const QString sistema =
        ModUtilVexBar::LeerIni("cn000pr.ini", "Brevanta", "PathSistema", carpetaAplicacion)
            .trimmed();
    return ModUtilVexBar::AgregarBarraFinal(sistema.isEmpty() ? carpetaAplicacion : sistema) +
           "img_menu/";
}

using P = PropiedadesBarra;
using T = TipoPropiedad;
using M = ModeloBarra;

} // namespace

const std::vector<FilaPropiedad>& TablaPropiedades() {
    static const std::vector<FilaPropiedad> tabla = {
        {.id = Propiedad::Enabled,
         .nombres = {"Enabled"},
         .tipo = T::Bandera,
         .acceso = {LeerEnabled, EscribirEnabled},
         .guardadoPorDefecto = true,
         .restaurada = {.nombres = {"Enabled"}, .porDefecto = true}},
        {.id = Propiedad::ShowCaptions,
         .nombres = {"ShowCaptions", "MostrarTitulo", "ConTitulo"},
         .tipo = T::Bandera,
         .acceso = Campo<&P::ShowCaptions>(),
         .disponer = true,
         .guardadoPorDefecto = true,
         .restaurada = {.nombres = {"ShowCaptions", "MostrarTitulo", "ConTitulo"},
                        .porDefecto = true}},
        {.id = Propiedad::Horizontal,
         .nombres = {"Horizontal", "ModoHorizontal"},
         .tipo = T::Bandera,
         .acceso = {Campo<&P::Horizontal>().leer, EscribirHorizontal},
         .disponer = true,
         .guardadoPorDefecto = false,
         .restaurada = {.nombres = {"Horizontal", "ModoHorizontal"}, .porDefecto = false}},
        {.id = Propiedad::AutoOrientacion,
         .nombres = {"AutoOrientacion"},
         .tipo = T::Bandera,
         .acceso = Campo<&P::AutoOrientacion>(),
         .disponer = true,
         .guardadoPorDefecto = true,
         .restaurada = {.nombres = {"AutoOrientacion"}, .porDefecto = true}},
        {.id = Propiedad::ItemHeight,
         .nombres = {"ItemHeight"},
         .tipo = T::Twips,
         .minimo = Minimo{480, 480},
         .acceso = Campo<&P::ItemHeight>(),
         .disponer = true,
         .guardadoPorDefecto = 520.0,
         .restaurada = {.nombres = {"ItemHeight"}, .porDefecto = 600.0}},
        {.id = Propiedad::ButtonGap,
         .nombres = {"ButtonGap", "SeparacionBotones", "ItemGap"},
         .tipo = T::Twips,
         .minimo = Minimo{-300, -300},
         .acceso = Campo<&P::ButtonGap>(),
         .disponer = true,
         .guardadoPorDefecto = 0.0,
         .restaurada = {.inicial = HuecoGuardado, .limitada = true}},
        {.id = Propiedad::TopOffset,
         .nombres = {"TopOffset", "TopBotones"},
         .tipo = T::Twips,
         .acceso = Campo<&P::TopOffset>(),
         .disponer = true,
         .guardadoPorDefecto = 10.0,
         .restaurada = {.nombres = {"TopBotones", "TopOffset"}, .porDefecto = 10.0}},
        {.id = Propiedad::GroupGap,
         .nombres = {"GroupGap"},
         .tipo = T::Twips,
         .minimo = Minimo{0, 0},
         .acceso = Campo<&P::GroupGap>(),
         .disponer = true,
         .guardadoPorDefecto = 0.0,
         .restaurada = {.nombres = {"GroupGap"}, .porDefecto = 0.0}},
        {.id = Propiedad::GroupBreakAfterTag,
         .nombres = {"GroupBreakAfterTag", "GroupBreakTag"},
         .tipo = T::Texto,
         .normalizar = RecortadoEnMayusculas,
         .acceso = Campo<&P::GroupBreakAfterTag>(),
         .disponer = true,
         .guardadoPorDefecto = QString(),
         .restaurada = {.nombres = {"GroupBreakTag", "GroupBreakAfterTag"},
                        .porDefecto = QString(),
                        .limitada = true}},
        // Restored through IconPx, whose stored default it is.
        {.id = Propiedad::IconSize,
         .nombres = {"IconSize"},
         .tipo = T::Twips,
         .acceso = {Campo<&P::IconSize>().leer, EscribirIconSize},
         .disponer = true,
         .guardadoPorDefecto = 480.0},
        {.id = Propiedad::IconPx,
         .nombres = {"IconPx", "TamanoIcono"},
         .tipo = T::Pixeles,
         .minimo = Minimo{1, 42},
         .acceso = {Campo<&P::IconPx>().leer, EscribirIconPx},
         .disponer = true,
         .guardadoPorDefecto = 32,
         .restaurada = {.nombres = {"IconPx", "TamanoIcono"},
                        .inicial = PixelesDeIconSize,
                        .limitada = true}},
        // The style and its colours are never read back: they come from the
        // settings file.
        {.id = Propiedad::Estilo,
         .nombres = {"Estilo"},
         .tipo = T::Estilo,
         .acceso = {Campo<&P::Estilo>().leer, EscribirEstilo},
         .disponer = true,
         .guardadoPorDefecto = 2},
        {.id = Propiedad::Theme,
         .nombres = {"Theme"},
         .tipo = T::Estilo,
         .acceso = {Campo<&P::Estilo>().leer, EscribirTheme},
         .disponer = true,
         .guardadoPorDefecto = 2},
        {.id = Propiedad::NormalBackColor,
         .nombres = {"NormalBackColor"},
         .tipo = T::Color,
         .acceso = Campo<&P::NormalBackColor>(),
         .disponer = true,
         .guardadoPorDefecto = RGB(52, 52, 52)},
        {.id = Propiedad::ActiveBackColor,
         .nombres = {"ActiveBackColor"},
         .tipo = T::Color,
         .acceso = Campo<&P::ActiveBackColor>(),
         .disponer = true,
         .guardadoPorDefecto = RGB(64, 64, 64)},
        {.id = Propiedad::ActiveBarColor,
         .nombres = {"ActiveBarColor"},
         .tipo = T::Color,
         .acceso = Campo<&P::ActiveBarColor>(),
         .disponer = true,
         .guardadoPorDefecto = RGB(255, 255, 255)},
        {.id = Propiedad::ImageFolder,
         .nombres = {"ImageFolder"},
         .tipo = T::Texto,
         .normalizar = ModUtilVexBar::AgregarBarraFinal,
         .acceso = Campo<&P::ImageFolder>(),
         .trasFijar = CargarIconos,
         .guardadoPorDefecto = QString(),
         .restaurada = {.inicial = CarpetaDeIconos}},
        {.id = Propiedad::ContextUserName,
         .nombres = {"ContextUserName"},
         .tipo = T::Texto,
         .normalizar = Recortado,
         .acceso = Campo<&P::ContextUserName>(),
         .trasFijar = EstiloDelContexto,
         .disponer = true,
         .guardadoPorDefecto = QString(),
         .restaurada = {.nombres = {"ContextUserName"}, .porDefecto = QString(), .limitada = true}},
        {.id = Propiedad::ContextDbName,
         .nombres = {"ContextDbName"},
         .tipo = T::Texto,
         .normalizar = Recortado,
         .acceso = Campo<&P::ContextDbName>(),
         .trasFijar = EstiloDelContexto,
         .disponer = true,
         .guardadoPorDefecto = QString(),
         .restaurada = {.nombres = {"ContextDbName"}, .porDefecto = QString(), .limitada = true}},
        {.id = Propiedad::DebugMode,
         .nombres = {"DebugMode"},
         .tipo = T::Bandera,
         .acceso = Campo<&P::DebugMode>(),
         .guardadoPorDefecto = false,
         .restaurada = {.nombres = {"DebugMode"}, .porDefecto = false}},
        {.id = Propiedad::EstiloVSCode,
         .nombres = {"EstiloVSCode"},
         .tipo = T::Bandera,
         .acceso = Campo<&P::EstiloVSCode>(),
         .trasFijar = PresetSiVSCode,
         .disponer = true,
         .guardadoPorDefecto = false,
         .restaurada = {.nombres = {"EstiloVSCode"}, .porDefecto = false}},
        // Checkable before checked: a check is ignored unless its item is checkable.
        {.id = Propiedad::ImpresoraCheckable,
         .nombres = {"ImpresoraCheckable"},
         .tipo = T::Bandera,
         .acceso = DelModelo<&M::ImpresoraCheckable, &M::SetImpresoraCheckable>(),
         .guardadoPorDefecto = true,
         .restaurada = {.nombres = {"ImpresoraCheckable"}, .porDefecto = true}},
        {.id = Propiedad::ImpresoraChecked,
         .nombres = {"ImpresoraChecked"},
         .tipo = T::Bandera,
         .acceso = DelModelo<&M::ImpresoraChecked, &M::SetImpresoraChecked>(),
         .guardadoPorDefecto = false,
         .restaurada = {.nombres = {"ImpresoraChecked"}, .porDefecto = false}},
        {.id = Propiedad::CompartirCheckable,
         .nombres = {"CompartirCheckable"},
         .tipo = T::Bandera,
         .acceso = DelModelo<&M::CompartirCheckable, &M::SetCompartirCheckable>(),
         .guardadoPorDefecto = false,
         .restaurada = {.nombres = {"CompartirCheckable"}, .porDefecto = false}},
        {.id = Propiedad::CompartirChecked,
         .nombres = {"CompartirChecked"},
         .tipo = T::Bandera,
         .acceso = DelModelo<&M::CompartirChecked, &M::SetCompartirChecked>(),
         .guardadoPorDefecto = false,
         .restaurada = {.nombres = {"CompartirChecked"}, .porDefecto = false}},
    };
    return tabla;
}
