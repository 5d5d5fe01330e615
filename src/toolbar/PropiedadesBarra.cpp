#include "PropiedadesBarra.h"
#include "ModUtilVexBar.h"
#include "ModeloBarra.h"
#include "Twips.h"
#include "VocabularioBarra.h"
#include <algorithm>

double LimitarItemHeight(double v) {
    return std::max(480.0, v);
}
double LimitarButtonGap(double v) {
    return std::max(-300.0, v);
}
double LimitarGroupGap(double v) {
    return std::max(0.0, v);
}
int LimitarIconPx(int v) {
    return v < 1 ? 42 : v;
}

NombrePropiedad BuscarPropiedad(const QString& nombre) {
    static const QMap<QString, Propiedad> nombres = {
        {"enabled", Propiedad::Enabled},
        {"showcaptions", Propiedad::ShowCaptions},
        {"mostrartitulo", Propiedad::ShowCaptions},
        {"contitulo", Propiedad::ShowCaptions},
        {"horizontal", Propiedad::Horizontal},
        {"modohorizontal", Propiedad::Horizontal},
        {"autoorientacion", Propiedad::AutoOrientacion},
        {"itemheight", Propiedad::ItemHeight},
        {"buttongap", Propiedad::ButtonGap},
        {"separacionbotones", Propiedad::ButtonGap},
        {"itemgap", Propiedad::ButtonGap},
        {"topoffset", Propiedad::TopOffset},
        {"topbotones", Propiedad::TopOffset},
        {"groupgap", Propiedad::GroupGap},
        {"groupbreakaftertag", Propiedad::GroupBreakAfterTag},
        {"groupbreaktag", Propiedad::GroupBreakAfterTag},
        {"iconsize", Propiedad::IconSize},
        {"iconpx", Propiedad::IconPx},
        {"tamanoicono", Propiedad::IconPx},
        {"imagefolder", Propiedad::ImageFolder},
        {"contextusername", Propiedad::ContextUserName},
        {"contextdbname", Propiedad::ContextDbName},
        {"debugmode", Propiedad::DebugMode},
        {"estilovscode", Propiedad::EstiloVSCode},
        {"estilo", Propiedad::Estilo},
        {"theme", Propiedad::Theme},
        {"normalbackcolor", Propiedad::NormalBackColor},
        {"activebackcolor", Propiedad::ActiveBackColor},
        {"activebarcolor", Propiedad::ActiveBarColor},
        {"impresoracheckable", Propiedad::ImpresoraCheckable},
        {"impresorachecked", Propiedad::ImpresoraChecked},
        {"compartircheckable", Propiedad::CompartirCheckable},
        {"compartirchecked", Propiedad::CompartirChecked},
    };
    const QString n = nombre.trimmed().toLower();
    const auto it = nombres.constFind(n);
    if (it != nombres.constEnd())
        return {*it, {}};
    for (const auto& [sufijo, propiedad] :
         {std::pair{QStringLiteral("enabled"), Propiedad::ItemEnabled},
          std::pair{QStringLiteral("visible"), Propiedad::ItemVisible}}) {
        if (n.endsWith(sufijo)) {
            const QString clave = ClaveDeNombre(n.left(n.size() - sufijo.size()));
            if (!clave.isEmpty())
                return {propiedad, clave};
        }
    }
    return {};
}

namespace {
bool LeerBool(const BolsaPropiedades& b, const char* nombre, bool porDefecto) {
    return b.Leer(QLatin1String(nombre), porDefecto).toBool();
}
double LeerNumero(const BolsaPropiedades& b, const char* nombre, double porDefecto) {
    return b.Leer(QLatin1String(nombre), porDefecto).toDouble();
}
QString LeerTexto(const BolsaPropiedades& b, const char* nombre, const QString& porDefecto) {
    return b.Leer(QLatin1String(nombre), porDefecto).toString();
}

// The gap was stored under three names over time: "ButtonGap" wins, then
// "SeparacionBotones", then "ItemGap" (whose old default 30 means no gap).
double LeerGap(const BolsaPropiedades& b) {
    constexpr double ausente = 32767;
    const double itemGap = LeerNumero(b, "ItemGap", 30);
    double gap = LeerNumero(b, "ButtonGap", ausente);
    if (gap == ausente) {
        gap = LeerNumero(b, "SeparacionBotones", ausente);
        if (gap == ausente)
            gap = itemGap == 30 ? 0 : itemGap;
    }
    return LimitarButtonGap(gap);
}
} // namespace

Restauradas LeerPropiedades(const BolsaPropiedades& b, const PropiedadesBarra& anteriores,
                            double twipsPorPixel, const QString& carpetaAplicacion) {
    Restauradas r;
    r.p = anteriores;
    PropiedadesBarra& p = r.p;
    r.Enabled = LeerBool(b, "Enabled", true);
    p.ShowCaptions = LeerBool(b, "ShowCaptions", true);
    p.ShowCaptions = LeerBool(b, "MostrarTitulo", p.ShowCaptions);
    p.ShowCaptions = LeerBool(b, "ConTitulo", p.ShowCaptions);
    p.Horizontal = LeerBool(b, "Horizontal", false);
    p.Horizontal = LeerBool(b, "ModoHorizontal", p.Horizontal);
    p.AutoOrientacion = LeerBool(b, "AutoOrientacion", true);
    p.ItemHeight = LeerNumero(b, "ItemHeight", 600);
    p.ButtonGap = LeerGap(b);
    p.TopOffset = LeerNumero(b, "TopBotones", 10);
    p.TopOffset = LeerNumero(b, "TopOffset", p.TopOffset);
    p.GroupGap = LeerNumero(b, "GroupGap", 0);
    p.GroupBreakAfterTag = LeerTexto(b, "GroupBreakTag", QString());
    p.GroupBreakAfterTag =
        LeerTexto(b, "GroupBreakAfterTag", p.GroupBreakAfterTag).trimmed().toUpper();
    p.IconSize = LeerNumero(b, "IconSize", 480);
    int px = b.Leer(QStringLiteral("IconPx"), TwipsAPixeles(p.IconSize, twipsPorPixel)).toInt();
    px = b.Leer(QStringLiteral("TamanoIcono"), px).toInt();
    p.IconPx = LimitarIconPx(px);
    p.IconSize = PixelesATwips(p.IconPx, twipsPorPixel);

    const QString sistema =
        ModUtilVexBar::LeerIni(QStringLiteral("cn000pr.ini"), QStringLiteral("Brevanta"),
                               QStringLiteral("PathSistema"), carpetaAplicacion)
            .trimmed();
    p.ImageFolder =
        ModUtilVexBar::AgregarBarraFinal(sistema.isEmpty() ? carpetaAplicacion : sistema) +
        QStringLiteral("img_menu/");

    p.ContextUserName = LeerTexto(b, "ContextUserName", QString()).trimmed();
    p.ContextDbName = LeerTexto(b, "ContextDbName", QString()).trimmed();
    p.DebugMode = LeerBool(b, "DebugMode", false);
    p.EstiloVSCode = LeerBool(b, "EstiloVSCode", false);
    r.ImpresoraCheckable = LeerBool(b, "ImpresoraCheckable", true);
    r.ImpresoraChecked = LeerBool(b, "ImpresoraChecked", false);
    r.CompartirCheckable = LeerBool(b, "CompartirCheckable", false);
    r.CompartirChecked = LeerBool(b, "CompartirChecked", false);
    return r;
}

void RestaurarEstadosItems(const BolsaPropiedades& b, ModeloBarra& modelo) {
    for (const ClaveConocida& c : ClavesConocidas()) {
        const QString clave = QLatin1String(c.clave);
        const QString nombre = QLatin1String(c.nombre);
        modelo.SetItemEnabled(
            clave, b.Leer(nombre + QStringLiteral("Enabled"), modelo.ItemEnabled(clave)).toBool());
        modelo.SetItemVisible(
            clave, b.Leer(nombre + QStringLiteral("Visible"), modelo.ItemVisible(clave)).toBool());
    }
}

void GuardarPropiedades(BolsaPropiedades& b, const PropiedadesBarra& p, const ModeloBarra& modelo) {
    b.Escribir(QStringLiteral("Enabled"), modelo.Enabled(), true);
    for (const char* n : {"ShowCaptions", "MostrarTitulo", "ConTitulo"})
        b.Escribir(QLatin1String(n), p.ShowCaptions, true);
    for (const char* n : {"Horizontal", "ModoHorizontal"})
        b.Escribir(QLatin1String(n), p.Horizontal, false);
    b.Escribir(QStringLiteral("AutoOrientacion"), p.AutoOrientacion, true);
    b.Escribir(QStringLiteral("ItemHeight"), p.ItemHeight, 520.0);
    for (const char* n : {"ItemGap", "ButtonGap", "SeparacionBotones"})
        b.Escribir(QLatin1String(n), p.ButtonGap, 0.0);
    for (const char* n : {"TopOffset", "TopBotones"})
        b.Escribir(QLatin1String(n), p.TopOffset, 10.0);
    b.Escribir(QStringLiteral("GroupGap"), p.GroupGap, 0.0);
    for (const char* n : {"GroupBreakAfterTag", "GroupBreakTag"})
        b.Escribir(QLatin1String(n), p.GroupBreakAfterTag, QString());
    b.Escribir(QStringLiteral("IconSize"), p.IconSize, 480.0);
    for (const char* n : {"IconPx", "TamanoIcono"})
        b.Escribir(QLatin1String(n), p.IconPx, 32);
    for (const char* n : {"Estilo", "Theme"})
        b.Escribir(QLatin1String(n), p.Estilo, 2);
    b.Escribir(QStringLiteral("NormalBackColor"), p.NormalBackColor, RGB(52, 52, 52));
    b.Escribir(QStringLiteral("ActiveBackColor"), p.ActiveBackColor, RGB(64, 64, 64));
    b.Escribir(QStringLiteral("ActiveBarColor"), p.ActiveBarColor, RGB(255, 255, 255));
    b.Escribir(QStringLiteral("ImageFolder"), p.ImageFolder, QString());
    b.Escribir(QStringLiteral("ContextUserName"), p.ContextUserName, QString());
    b.Escribir(QStringLiteral("ContextDbName"), p.ContextDbName, QString());
    b.Escribir(QStringLiteral("DebugMode"), p.DebugMode, false);
    b.Escribir(QStringLiteral("EstiloVSCode"), p.EstiloVSCode, false);
    b.Escribir(QStringLiteral("ImpresoraCheckable"), modelo.ImpresoraCheckable(), true);
    b.Escribir(QStringLiteral("ImpresoraChecked"), modelo.ImpresoraChecked(), false);
    b.Escribir(QStringLiteral("CompartirCheckable"), modelo.CompartirCheckable(), false);
    b.Escribir(QStringLiteral("CompartirChecked"), modelo.CompartirChecked(), false);
    for (const ClaveConocida& c : ClavesConocidas()) {
        const QString clave = QLatin1String(c.clave);
        const QString nombre = QLatin1String(c.nombre);
        b.Escribir(nombre + QStringLiteral("Enabled"), modelo.ItemEnabled(clave));
        b.Escribir(nombre + QStringLiteral("Visible"), modelo.ItemVisible(clave));
    }
}
