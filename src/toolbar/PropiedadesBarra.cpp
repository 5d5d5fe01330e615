// Finding, setting, saving and restoring the bar's properties by walking their table.
#include "PropiedadesBarra.h"
#include "ModeloBarra.h"
#include "VocabularioBarra.h"
#include <QHash>
#include <map>

namespace {

QVariant DeTipo(TipoPropiedad tipo, const QVariant& v) {
    switch (tipo) {
    case TipoPropiedad::Bandera:
        return v.toBool();
    case TipoPropiedad::Twips:
        return v.toDouble();
    case TipoPropiedad::Pixeles:
    case TipoPropiedad::Estilo:
        return v.toInt();
    case TipoPropiedad::Texto:
        return v.toString();
    case TipoPropiedad::Color:
        return v.toUInt();
    }
    return v;
}

void LeerFilas(const BolsaPropiedades& b, DestinoPropiedades& d, const QString& carpetaAplicacion) {
    for (const FilaPropiedad& f : TablaPropiedades()) {
        const LecturaGuardada& r = f.restaurada;
        if (r.nombres.isEmpty() && r.inicial == nullptr)
            continue;
        QVariant v = r.inicial != nullptr ? r.inicial(b, d, carpetaAplicacion) : r.porDefecto;
        for (const QString& n : r.nombres)
            v = DeTipo(f.tipo, b.Leer(n, v));
        f.acceso.escribir(d, r.limitada ? Limitar(f, v) : DeTipo(f.tipo, v));
    }
}

} // namespace

const FilaPropiedad& FilaDe(Propiedad id) {
    static const std::map<Propiedad, const FilaPropiedad*> porId = [] {
        std::map<Propiedad, const FilaPropiedad*> r;
        for (const FilaPropiedad& f : TablaPropiedades())
            r.emplace(f.id, &f);
        return r;
    }();
    return *porId.at(id);
}

NombrePropiedad BuscarPropiedad(const QString& nombre) {
    static const QHash<QString, const FilaPropiedad*> porNombre = [] {
        QHash<QString, const FilaPropiedad*> r;
        for (const FilaPropiedad& f : TablaPropiedades())
            for (const QString& n : f.nombres)
                r.insert(n.toLower(), &f);
        return r;
    }();
    const QString n = nombre.trimmed().toLower();
    if (const FilaPropiedad* f = porNombre.value(n))
        return {f->id, {}, f};
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

QVariant Limitar(const FilaPropiedad& f, const QVariant& valor) {
    QVariant v = DeTipo(f.tipo, valor);
    // Written so that a value that is not a number also takes the replacement.
    if (f.minimo && !(v.toDouble() >= f.minimo->minimo))
        v = DeTipo(f.tipo, f.minimo->enSuLugar);
    if (f.normalizar != nullptr)
        v = f.normalizar(v.toString());
    return v;
}

double LimitarItemHeight(double v) {
    return Limitar(FilaDe(Propiedad::ItemHeight), v).toDouble();
}
double LimitarButtonGap(double v) {
    return Limitar(FilaDe(Propiedad::ButtonGap), v).toDouble();
}
double LimitarGroupGap(double v) {
    return Limitar(FilaDe(Propiedad::GroupGap), v).toDouble();
}
int LimitarIconPx(int v) {
    return Limitar(FilaDe(Propiedad::IconPx), v).toInt();
}

void FijarValor(const FilaPropiedad& f, DestinoPropiedades& d, const QVariant& valor) {
    f.acceso.escribir(d, Limitar(f, valor));
    if (f.trasFijar != nullptr)
        f.trasFijar(d);
}

QVariant LeerValor(const NombrePropiedad& n, const PropiedadesBarra& p, ModeloBarra& modelo) {
    if (n.fila != nullptr)
        return n.fila->acceso.leer(p, modelo);
    if (n.clave.isEmpty())
        return {};
    modelo.AsegurarItems();
    return n.propiedad == Propiedad::ItemEnabled ? modelo.ItemEnabled(n.clave)
                                                 : modelo.ItemVisible(n.clave);
}

void FijarEstadoItem(const NombrePropiedad& n, ModeloBarra& modelo, bool valor) {
    if (n.clave.isEmpty())
        return;
    modelo.AsegurarItems();
    if (n.propiedad == Propiedad::ItemEnabled)
        modelo.SetItemEnabled(n.clave, valor);
    else
        modelo.SetItemVisible(n.clave, valor);
}

void RestaurarPropiedades(const BolsaPropiedades& b, DestinoPropiedades& d,
                          const QString& carpetaAplicacion) {
    const int estilo = EstiloDeContexto(d.p); // the context held before the stored one is read
    LeerFilas(b, d, carpetaAplicacion);
    AplicarColores(d.p, estilo);
    if (d.p.EstiloVSCode)
        AplicarPresetVSCode(d.p, d.p.ShowCaptions, d.twipsPorPixel);
    RestaurarEstadosItems(b, d.modelo);
}

Restauradas LeerPropiedades(const BolsaPropiedades& b, const PropiedadesBarra& anteriores,
                            double twipsPorPixel, const QString& carpetaAplicacion) {
    Restauradas r;
    r.p = anteriores;
    ModeloBarra m;
    DestinoPropiedades d{r.p, m, twipsPorPixel, {}};
    LeerFilas(b, d, carpetaAplicacion);
    r.Enabled = m.Enabled();
    r.ImpresoraCheckable = m.ImpresoraCheckable();
    r.ImpresoraChecked = m.ImpresoraChecked();
    r.CompartirCheckable = m.CompartirCheckable();
    r.CompartirChecked = m.CompartirChecked();
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
    for (const FilaPropiedad& f : TablaPropiedades()) {
        const QVariant v = f.acceso.leer(p, modelo);
        for (const QString& n : f.nombres)
            b.Escribir(n, v, f.guardadoPorDefecto);
    }
    for (const ClaveConocida& c : ClavesConocidas()) {
        const QString clave = QLatin1String(c.clave);
        const QString nombre = QLatin1String(c.nombre);
        b.Escribir(nombre + QStringLiteral("Enabled"), modelo.ItemEnabled(clave));
        b.Escribir(nombre + QStringLiteral("Visible"), modelo.ItemVisible(clave));
    }
}
