#include "ModeloBarra.h"
#include "IconosBarra.h"
#include "VocabularioBarra.h"
#include <QFileInfo>
#include <algorithm>

namespace {
// Slot indexes are 16-bit in the bar: at most 32767 lugares.
constexpr int ultimoSlotPosible = 32766;
} // namespace

ModeloBarra::ModeloBarra() : items_(19), etiquetas_(19) {}

void ModeloBarra::EstablecerAvisos(Avisos avisos) {
    avisos_ = std::move(avisos);
}

void ModeloBarra::Reorganizar() const {
    if (avisos_.reorganizar)
        avisos_.reorganizar();
}

void ModeloBarra::Repintar(int i) const {
    if (avisos_.repintar && i >= 0 && i < capacidad())
        avisos_.repintar(i);
}

bool ModeloBarra::AsegurarCapacidad(int n) {
    if (n > ultimoSlotPosible)
        return false;
    int h = capacidad() - 1;
    if (n <= h)
        return true;
    while (h < n)
        h = std::min(2 * h + 1, ultimoSlotPosible);
    items_.resize(static_cast<size_t>(h) + 1);
    etiquetas_.resize(static_cast<size_t>(h) + 1);
    return true;
}

void ModeloBarra::LimpiarItem(int i) {
    items_[static_cast<size_t>(i)] = ItemBarra{};
}

void ModeloBarra::AgregarItemBase(const QString& clave, const QString& caption,
                                  const QString& toolTip) {
    if (!AsegurarCapacidad(count_))
        return;
    const int i = count_++;
    ItemBarra& it = items_[static_cast<size_t>(i)];
    const QString t = etiquetas_[static_cast<size_t>(i)].trimmed();
    it.Tag = clave;
    it.Caption = t.isEmpty() ? caption : t;
    it.ToolTip = toolTip;
    it.Visible = EsItemBase(clave);
    it.Enabled = true;
    it.BadgeCount = 0;
    etiquetas_[static_cast<size_t>(i)] = caption;
}

void ModeloBarra::LoadDefaultItems() {
    ClearItems();
    for (const ItemPredeterminado& fila : ItemsPredeterminados())
        AgregarItemBase(fila.clave, fila.caption, fila.toolTip);
    active_ = -1;
    Reorganizar();
}

void ModeloBarra::LoadDefaultItemsReportes() {
    const auto& filas = ItemsReportes();
    AsegurarCapacidad(static_cast<int>(filas.size()) - 1);
    for (int i = 0; i < capacidad(); ++i) {
        LimpiarItem(i);
        if (i >= static_cast<int>(filas.size()))
            continue;
        ItemBarra& it = items_[static_cast<size_t>(i)];
        it.Tag = filas[static_cast<size_t>(i)].clave;
        it.Caption = filas[static_cast<size_t>(i)].caption;
        it.ToolTip = filas[static_cast<size_t>(i)].toolTip;
        it.Visible = true;
        etiquetas_[static_cast<size_t>(i)] = it.Caption;
    }
    count_ = static_cast<int>(filas.size());
    active_ = -1;
    hover_ = -1;
    Reorganizar();
}

void ModeloBarra::ClearItems() {
    for (int i = 0; i < capacidad(); ++i)
        LimpiarItem(i);
    count_ = 0;
    active_ = -1;
    hover_ = -1;
    Reorganizar();
}

bool ModeloBarra::AddItem(const QString& BTag, const QString& BCaption, const QString& BToolTip,
                          bool bCheckable) {
    const QString tag = BTag.trimmed();
    if (tag.isEmpty())
        return false;
    int i = BuscarItem(tag);
    const bool nuevo = i < 0;
    if (nuevo) {
        if (!AsegurarCapacidad(count_))
            return false;
        i = count_++;
    }
    ItemBarra& it = items_[static_cast<size_t>(i)];
    it.Tag = tag;
    it.Caption = BCaption;
    it.ToolTip = BToolTip.trimmed().isEmpty() ? BCaption : BToolTip;
    it.Visible = true;
    if (nuevo)
        it.Enabled = true;
    const QString carpeta = avisos_.carpetaImagenes ? avisos_.carpetaImagenes() : QString();
    if (!carpeta.trimmed().isEmpty()) {
        const ArchivosIcono a = BuscarArchivosIcono(carpeta, tag);
        it.IconFile = a.normal;
        it.IconFileOver = a.over;
        it.IconFileDis = a.dis;
        CargarIconoItem(i);
    } else {
        it.IconFile.clear();
        it.IconFileOver.clear();
        it.IconFileDis.clear();
        it.HasPng = false;
        RestaurarIconoBase(i);
    }
    Reorganizar();
    SetItemCheckable(tag, bCheckable);
    return true;
}

bool ModeloBarra::SetItemIcon(const QString&, const QString&) {
    return false;
}

void ModeloBarra::SetItemBadge(const QString& BTag, int nCount) {
    const int i = BuscarItem(BTag);
    if (i < 0)
        return;
    items_[static_cast<size_t>(i)].BadgeCount = nCount < 0 ? 0 : nCount;
    Repintar(i);
}

void ModeloBarra::SetItemAttention(const QString& BTag, bool bAttention, int nColor) {
    const int i = BuscarItem(BTag);
    if (i < 0)
        return;
    ItemBarra& it = items_[static_cast<size_t>(i)];
    it.Attention = bAttention;
    if (nColor != -1)
        it.AttentionColor = static_cast<ColorRGB>(nColor);
    Repintar(i);
}

bool ModeloBarra::ItemAttention(const QString& BTag) const {
    const int i = BuscarItem(BTag);
    return i >= 0 && item(i).Attention;
}

void ModeloBarra::SetItemAviso(const QString& BTag, bool bAviso, int nColor) {
    SetItemAttention(BTag, bAviso, nColor);
}

bool ModeloBarra::ItemAviso(const QString& BTag) const {
    return ItemAttention(BTag);
}

void ModeloBarra::SetItemVisible(const QString& BTag, bool bVisible) {
    const int i = BuscarItem(BTag);
    if (i < 0 || item(i).Visible == bVisible)
        return;
    items_[static_cast<size_t>(i)].Visible = bVisible;
    if (!bVisible && active_ == i)
        active_ = -1;
    Reorganizar();
}

bool ModeloBarra::ItemVisible(const QString& BTag) const {
    const int i = BuscarItem(BTag);
    return i >= 0 && item(i).Visible;
}

void ModeloBarra::SetItemEnabled(const QString& BTag, bool bEnabled) {
    const int i = BuscarItem(BTag);
    if (i < 0 || item(i).Enabled == bEnabled)
        return;
    items_[static_cast<size_t>(i)].Enabled = bEnabled;
    if (!bEnabled) {
        if (active_ == i)
            active_ = -1;
        if (hover_ == i)
            hover_ = -1;
    }
    Repintar(i);
}

bool ModeloBarra::ItemEnabled(const QString& BTag) const {
    const int i = BuscarItem(BTag);
    return i >= 0 && item(i).Enabled;
}

ModeloBarra::Ruta ModeloBarra::RutaCheck(int i) const {
    const QString k = NormalizarClave(item(i).Tag);
    if (k == QLatin1String("IMPRESORA"))
        return Ruta::Impresora;
    if (k == QLatin1String("COMPARTIR"))
        return Ruta::Compartir;
    return Ruta::Item;
}

bool ModeloBarra::Checkable(int i) const {
    switch (RutaCheck(i)) {
    case Ruta::Impresora:
        return impresoraCheckable_;
    case Ruta::Compartir:
        return compartirCheckable_;
    case Ruta::Item:
        break;
    }
    return item(i).Checkable;
}

bool ModeloBarra::Checked(int i) const {
    switch (RutaCheck(i)) {
    case Ruta::Impresora:
        return impresoraChecked_;
    case Ruta::Compartir:
        return compartirChecked_;
    case Ruta::Item:
        break;
    }
    return item(i).Checked;
}

void ModeloBarra::SetItemCheckable(const QString& BTag, bool bCheckable) {
    const int i = BuscarItem(BTag);
    if (i < 0)
        return;
    switch (RutaCheck(i)) {
    case Ruta::Impresora:
        impresoraCheckable_ = bCheckable;
        if (!bCheckable)
            impresoraChecked_ = false;
        break;
    case Ruta::Compartir:
        compartirCheckable_ = bCheckable;
        if (!bCheckable)
            compartirChecked_ = false;
        break;
    case Ruta::Item: {
        ItemBarra& it = items_[static_cast<size_t>(i)];
        it.Checkable = bCheckable;
        if (!bCheckable)
            it.Checked = false;
        break;
    }
    }
    Repintar(i);
}

bool ModeloBarra::ItemCheckable(const QString& BTag) const {
    const int i = BuscarItem(BTag);
    return i >= 0 && Checkable(i);
}

void ModeloBarra::SetItemChecked(const QString& BTag, bool bChecked) {
    const int i = BuscarItem(BTag);
    if (i < 0 || !Checkable(i))
        return;
    switch (RutaCheck(i)) {
    case Ruta::Impresora:
        impresoraChecked_ = bChecked;
        break;
    case Ruta::Compartir:
        compartirChecked_ = bChecked;
        break;
    case Ruta::Item:
        items_[static_cast<size_t>(i)].Checked = bChecked;
        break;
    }
    Repintar(i);
}

bool ModeloBarra::ItemChecked(const QString& BTag) const {
    const int i = BuscarItem(BTag);
    return i >= 0 && Checked(i);
}

void ModeloBarra::SetActive(const QString& BTag) {
    const int i = BuscarItem(BTag);
    if (i < 0 || !item(i).Visible || !item(i).Enabled)
        return;
    active_ = i;
    Reorganizar();
}

int ModeloBarra::BuscarItem(const QString& clave) const {
    const QString k = NormalizarClave(clave);
    if (k.isEmpty())
        return -1;
    for (int i = 0; i < count_; ++i) {
        if (item(i).Tag.toUpper() == k)
            return i;
    }
    return -1;
}

bool ModeloBarra::EsUsable(const QString& clave) const {
    const int i = BuscarItem(clave);
    return i >= 0 && item(i).Visible && item(i).Enabled;
}

void ModeloBarra::AsegurarItems() {
    if (count_ < 1)
        LoadDefaultItems();
}

void ModeloBarra::RefreshIcons() {
    const QString carpeta = avisos_.carpetaImagenes ? avisos_.carpetaImagenes() : QString();
    for (int i = 0; i < count_; ++i) {
        ItemBarra& it = items_[static_cast<size_t>(i)];
        ArchivosIcono a;
        if (!carpeta.trimmed().isEmpty())
            a = BuscarArchivosIcono(carpeta, it.Tag);
        it.IconFile = a.normal;
        it.IconFileOver = a.over;
        it.IconFileDis = a.dis;
        CargarIconoItem(i);
    }
    Reorganizar();
}

void ModeloBarra::CargarIconoItem(int i) {
    ItemBarra& it = items_[static_cast<size_t>(i)];
    const QString archivo = it.IconFile.trimmed();
    const QString prefijo = QStringLiteral("Tag=") + it.Tag;
    if (archivo.isEmpty()) {
        it.HasPng = false;
        RestaurarIconoBase(i);
        diagnostico_ = prefijo + QStringLiteral(" sin PNG. Se usa icono base.");
    } else if (!QFileInfo::exists(archivo)) {
        it.HasPng = false;
        RestaurarIconoBase(i);
        diagnostico_ = prefijo + QStringLiteral(" PNG inexistente: ") + archivo +
                       QStringLiteral(" | Se usa icono base.");
    } else if (EsArchivoPng(archivo)) {
        // PNG files are read again each time the icon is drawn.
        it.HasPng = true;
        it.IconPicture = QImage();
        diagnostico_ = prefijo + QStringLiteral(" PNG cargado: ") + archivo;
    } else {
        const QImage imagen = CargarImagen(archivo);
        if (imagen.isNull()) {
            it.HasPng = false;
            RestaurarIconoBase(i);
            diagnostico_ = prefijo + QStringLiteral(" ERROR al cargar PNG: ") + archivo +
                           QStringLiteral(" | Se usa icono base.");
        } else {
            it.IconPicture = imagen;
            it.HasPng = true;
            diagnostico_ = prefijo + QStringLiteral(" cargado: ") + archivo;
        }
    }
}

void ModeloBarra::RestaurarIconoBase(int i) {
    items_[static_cast<size_t>(i)].IconPicture = QImage();
}

void ModeloBarra::FijarHover(int i) {
    if (!enabled_ || i < -1 || i >= count_)
        i = -1;
    if (i == hover_)
        return;
    const int anterior = hover_;
    hover_ = i;
    Repintar(anterior);
    Repintar(i);
}

bool ModeloBarra::PuedePulsar(int i) const {
    return enabled_ && i >= 0 && i < count_ && item(i).Visible && item(i).Enabled;
}

bool ModeloBarra::AlternarCheck(int i) {
    const bool nuevo = !Checked(i);
    switch (RutaCheck(i)) {
    case Ruta::Impresora:
        impresoraChecked_ = nuevo;
        break;
    case Ruta::Compartir:
        compartirChecked_ = nuevo;
        break;
    case Ruta::Item:
        items_[static_cast<size_t>(i)].Checked = nuevo;
        break;
    }
    return nuevo;
}

void ModeloBarra::Activar(int i) {
    const int anterior = active_;
    active_ = i;
    if (anterior != i)
        Repintar(anterior);
    Repintar(i);
}

void ModeloBarra::PerderFoco() {
    active_ = -1;
    hover_ = -1;
    Reorganizar();
}

bool ModeloBarra::Usable(int i) const {
    return item(i).Enabled && enabled_;
}

void ModeloBarra::SetEnabled(bool enabled) {
    enabled_ = enabled;
    if (!enabled)
        hover_ = -1;
    Reorganizar();
}

void ModeloBarra::SetImpresoraCheckable(bool v) {
    impresoraCheckable_ = v;
    if (!v)
        impresoraChecked_ = false;
    Reorganizar();
}

void ModeloBarra::SetImpresoraChecked(bool v) {
    if (impresoraCheckable_)
        impresoraChecked_ = v;
    Reorganizar();
}

void ModeloBarra::SetCompartirCheckable(bool v) {
    compartirCheckable_ = v;
    if (!v)
        compartirChecked_ = false;
    Reorganizar();
}

void ModeloBarra::SetCompartirChecked(bool v) {
    if (compartirCheckable_)
        compartirChecked_ = v;
    Reorganizar();
}
