#include "UtilVex.h"
#include "IconosBarra.h"
#include "ModUtilVexBar.h"
#include "Programa.h"
#include "TeclasBarra.h"
#include "Twips.h"
#include "VocabularioBarra.h"
#include <QCoreApplication>
#include <QFocusEvent>
#include <QFontMetricsF>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

namespace {
// The template caption label: a small single-line font, centred text.
constexpr double tamanoBaseCaption = 8;
constexpr Qt::Alignment alineacionBaseCaption = Qt::AlignHCenter | Qt::AlignTop;
// The template cell.
constexpr double anchoPlantilla = 840;
constexpr double altoPlantilla = 720;
// The size of the bar in the main window, 7335 × 975 twips.
constexpr double anchoPreferido = 7335;
constexpr double altoPreferido = 975;

// Runs a receiver of the bar's events; what it throws does not reach the bar.
template <typename F> void SinErrores(F&& f) {
    try {
        f();
    } catch (...) {
    }
}
} // namespace

UtilVex::UtilVex(QWidget* parent) : QWidget(parent) {
    Crear();
    Nueva();
}

UtilVex::UtilVex(const BolsaPropiedades& guardadas, QWidget* parent) : QWidget(parent) {
    Crear();
    Restaurar(guardadas);
}

void UtilVex::Crear() {
    factor_ = TwipsPorPixel();
    setMouseTracking(true);
    setFocusPolicy(Qt::ClickFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    // A bar created inside a disabled window starts disabled; the item table
    // holds the state the Enabled property reads.
    modelo_.SetEnabled(isEnabled());
    modelo_.EstablecerAvisos({
        [this] { Reorganizar(); },
        [this](int i) { RepintarItem(i); },
        [this] {
            return ResolverCarpetaImagenes(p_.ImageFolder, QCoreApplication::applicationDirPath(),
                                           Programa::Carpeta());
        },
    });
    modelo_.AsegurarCapacidad(18);
    celdas_.assign(static_cast<size_t>(modelo_.capacidad()), Celda{});
    AplicarFuenteIni();
    Reorganizar();
}

void UtilVex::Nueva() {
    p_ = PropiedadesBarra{};
    p_.IconSize = PixelesATwips(p_.IconPx, factor_);
    ApplyColorStyle(EstiloDeContexto(p_));
    modelo_.LoadDefaultItems();
}

void UtilVex::Restaurar(const BolsaPropiedades& b) {
    IniciarActualizacion();
    modelo_.PerderFoco();
    DestinoPropiedades d = Destino();
    RestaurarPropiedades(b, d, Programa::Carpeta());
    Reorganizar();
    FinalizarActualizacion();
    RefreshIcons();
}

void UtilVex::Guardar(BolsaPropiedades& b) const {
    GuardarPropiedades(b, p_, modelo_);
}

// ---- Items ----

void UtilVex::LoadDefaultItems() {
    modelo_.LoadDefaultItems();
}
void UtilVex::LoadDefaultItemsReportes() {
    modelo_.LoadDefaultItemsReportes();
}
void UtilVex::ClearItems() {
    modelo_.ClearItems();
}
bool UtilVex::AddItem(const QString& BTag, const QString& BCaption, const QString& BToolTip,
                      bool bCheckable) {
    return modelo_.AddItem(BTag, BCaption, BToolTip, bCheckable);
}
bool UtilVex::SetItemIcon(const QString& BTag, const QString& zFile) {
    return modelo_.SetItemIcon(BTag, zFile);
}
void UtilVex::SetItemBadge(const QString& BTag, int nCount) {
    modelo_.SetItemBadge(BTag, nCount);
}
void UtilVex::SetItemAttention(const QString& BTag, bool bAttention, int nColor) {
    modelo_.SetItemAttention(BTag, bAttention, nColor);
}
bool UtilVex::ItemAttention(const QString& BTag) const {
    return modelo_.ItemAttention(BTag);
}
void UtilVex::SetItemAviso(const QString& BTag, bool bAviso, int nColor) {
    modelo_.SetItemAviso(BTag, bAviso, nColor);
}
bool UtilVex::ItemAviso(const QString& BTag) const {
    return modelo_.ItemAviso(BTag);
}
void UtilVex::SetItemVisible(const QString& BTag, bool bVisible) {
    modelo_.SetItemVisible(BTag, bVisible);
}
bool UtilVex::ItemVisible(const QString& BTag) const {
    return modelo_.ItemVisible(BTag);
}
void UtilVex::SetItemEnabled(const QString& BTag, bool bEnabled) {
    modelo_.SetItemEnabled(BTag, bEnabled);
}
bool UtilVex::ItemEnabled(const QString& BTag) const {
    return modelo_.ItemEnabled(BTag);
}
void UtilVex::SetItemCheckable(const QString& BTag, bool bCheckable) {
    modelo_.SetItemCheckable(BTag, bCheckable);
}
bool UtilVex::ItemCheckable(const QString& BTag) const {
    return modelo_.ItemCheckable(BTag);
}
void UtilVex::SetItemChecked(const QString& BTag, bool bChecked) {
    modelo_.SetItemChecked(BTag, bChecked);
}
bool UtilVex::ItemChecked(const QString& BTag) const {
    return modelo_.ItemChecked(BTag);
}
void UtilVex::SetActive(const QString& BTag) {
    modelo_.SetActive(BTag);
}

void UtilVex::RefreshIcons() {
    modelo_.RefreshIcons();
}

void UtilVex::LoadIconsFromFolder(const QString& zFolder) {
    SetImageFolder(zFolder);
}

// ---- Styles ----

void UtilVex::ApplyColorStyle(int nStyle) {
    AplicarColores(p_, nStyle);
    Reorganizar();
}

void UtilVex::AplicarEstiloVSCode(bool MostrarTitulos, int) {
    AplicarPresetVSCode(p_, MostrarTitulos, factor_);
    Reorganizar();
}

void UtilVex::LoadVSCodeSample() {
    modelo_.ClearItems();
    const char* const filas[][3] = {
        {"FILES", "Files", "Explorador"},       {"SEARCH", "Search", "Busqueda"},
        {"GIT", "Source", "Control de codigo"}, {"RUN", "Run", "Run y debug"},
        {"EXT", "Ext", "Extensiones"},          {"AI", "AI", "Asistente"},
    };
    for (const auto& f : filas)
        modelo_.AddItem(QLatin1String(f[0]), QLatin1String(f[1]), QLatin1String(f[2]), false);
}

void UtilVex::AplicarFuenteIni() {
    nombreFuente_ = ModUtilVexBar::FuenteIni();
}

void UtilVex::ActualizarBotones() {
    modelo_.AsegurarCapacidad(18);
    AplicarFuenteIni();
    Reorganizar();
}

// ---- Keys ----

void UtilVex::KeyAnalisis(int& KeyCode) {
    const QString clave =
        ClaveDeTecla(KeyCode, [this](const QString& k) { return modelo_.EsUsable(k); });
    if (!clave.isEmpty())
        SinErrores([&] { emit click(clave); });
}

// ---- Layout and painting ----

void UtilVex::IniciarActualizacion() {
    actualizacion_.Iniciar();
}

void UtilVex::FinalizarActualizacion() {
    if (actualizacion_.Finalizar())
        Reorganizar();
}

void UtilVex::Reorganizar() {
    if (!actualizacion_.Pedir())
        return;
    EntradaDisposicion e;
    e.anchoControl = PixelesATwips(width(), factor_);
    e.altoControl = PixelesATwips(height(), factor_);
    e.anchoPlantilla = anchoPlantilla;
    e.altoPlantilla = altoPlantilla;
    e.ItemHeight = p_.ItemHeight;
    e.TopOffset = p_.TopOffset;
    e.ButtonGap = p_.ButtonGap;
    e.GroupGap = p_.GroupGap;
    e.GroupBreakAfterTag = p_.GroupBreakAfterTag;
    e.ShowCaptions = p_.ShowCaptions;
    e.Horizontal = p_.Horizontal;
    e.AutoOrientacion = p_.AutoOrientacion;

    std::vector<SlotDisposicion> lugares(static_cast<size_t>(modelo_.capacidad()));
    for (int i = 0; i < modelo_.count(); ++i)
        lugares[static_cast<size_t>(i)] = {modelo_.item(i).Tag, modelo_.item(i).Visible};
    const Disposicion d = CalcularDisposicion(e, lugares);
    horizontal_ = d.horizontal;
    banda_ = d.banda;

    celdas_.resize(static_cast<size_t>(modelo_.capacidad()));
    for (Celda& c : celdas_)
        c.colocada = false;
    for (const CeldaUbicada& u : d.celdas) {
        Celda& c = celdas_[static_cast<size_t>(u.indice)];
        c.colocada = true;
        c.celda = u.celda;
        PintarItem(u.indice);
        UbicarPartes(u.indice);
    }
    update();
}

QFont UtilVex::FuenteCaption(int i) const {
    QFont f(nombreFuente_);
    f.setPointSizeF(tamanoBaseCaption + celdas_[static_cast<size_t>(i)].aspecto.aumentoFuente);
    f.setBold(false);
    f.setItalic(false);
    return f;
}

void UtilVex::PintarItem(int i) {
    const ItemBarra& it = modelo_.item(i);
    EstadoItem e;
    e.usable = modelo_.Usable(i);
    e.activo = modelo_.active() == i;
    e.checkable = modelo_.Checkable(i);
    e.tieneIcono = it.HasPng || IndiceIconoBase(it.Tag) >= 0;
    e.BadgeCount = it.BadgeCount;
    e.Attention = it.Attention;
    e.AttentionColor = it.AttentionColor;
    Celda& c = celdas_[static_cast<size_t>(i)];
    c.aspecto = CalcularAspecto(e, p_.Estilo, p_.NormalBackColor);
    if (c.aspecto.fuenteBadge)
        c.fuenteBadge = *c.aspecto.fuenteBadge;
}

void UtilVex::UbicarPartes(int i) {
    Celda& c = celdas_[static_cast<size_t>(i)];
    const ItemBarra& it = modelo_.item(i);
    const QFontMetricsF fm(FuenteCaption(i));
    const double altoTexto = PixelesATwips(fm.boundingRect(QStringLiteral("Ag")).height(), factor_);
    c.partes = ::UbicarPartes(c.celda, altoTexto, it.BadgeCount, it.Attention, p_.ShowCaptions);
    const auto medir = [&](const QString& t) {
        return PixelesATwips(fm.horizontalAdvance(t), factor_);
    };
    c.caption = AjustarTexto(it.Caption, c.celda.width() - 20, medir);
    c.caption.replace(u' ', QChar(0xA0));
    c.icono = QImage();
    c.rectIcono = QRect();
    c.archivoIcono.clear();
    if (it.HasPng)
        DibujarIcono(i);
    c.marca = modelo_.Checkable(i);
    c.checked = modelo_.Checked(i);
    c.aviso = it.Attention && it.BadgeCount < 1;
}

void UtilVex::DibujarIcono(int i) {
    Celda& c = celdas_[static_cast<size_t>(i)];
    const ItemBarra& it = modelo_.item(i);
    const bool enFoco = modelo_.hover() == i || modelo_.active() == i;
    QString archivo = ArchivoIconoActual(it, modelo_.Usable(i), enFoco);
    if (archivo.isEmpty())
        archivo = it.IconFile;
    if (archivo.isEmpty())
        return;
    QImage imagen = CargarImagen(archivo);
    if (imagen.isNull() && !EsArchivoPng(archivo))
        imagen = it.IconPicture;
    if (imagen.isNull())
        return;
    const QRect caja = APixeles(c.partes.cajaIcono);
    const QRect r = ::RectanguloIcono(imagen.size(), QSize(p_.IconPx, p_.IconPx), caja.size());
    if (r.isEmpty())
        return;
    c.icono = imagen.size() == r.size()
                  ? imagen
                  : imagen.scaled(r.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    c.rectIcono = r;
    c.archivoIcono = archivo;
}

void UtilVex::RepintarItem(int i) {
    if (i < 0 || i >= modelo_.count() || !modelo_.item(i).Visible)
        return;
    if (static_cast<size_t>(i) >= celdas_.size() || !celdas_[static_cast<size_t>(i)].colocada)
        return;
    PintarItem(i);
    UbicarPartes(i);
    update();
}

QRect UtilVex::APixeles(const QRectF& t) const {
    return {TwipsAPixeles(t.left(), factor_), TwipsAPixeles(t.top(), factor_),
            TwipsAPixeles(t.width(), factor_), TwipsAPixeles(t.height(), factor_)};
}

void UtilVex::paintEvent(QPaintEvent*) {
    QPainter pt(this);
    pt.fillRect(rect(), AQColor(p_.NormalBackColor));
    if (banda_)
        pt.fillRect(APixeles(*banda_), AQColor(AjustarColor(p_.NormalBackColor, 28)));
    const auto aPx = [this](const QPointF& p) { return p / factor_; };
    for (size_t n = 0; n < celdas_.size(); ++n) {
        const Celda& c = celdas_[n];
        if (!c.colocada)
            continue;
        const int i = static_cast<int>(n);
        const AspectoItem& a = c.aspecto;
        const QRect celda = APixeles(c.celda);
        pt.fillRect(celda, AQColor(a.fondo));
        if (!c.icono.isNull())
            pt.drawImage(c.rectIcono.translated(celda.topLeft()), c.icono);
        pt.save();
        pt.translate(celda.topLeft());
        pt.setClipRect(QRect(QPoint(0, 0), celda.size()));
        pt.setRenderHint(QPainter::Antialiasing);
        if (c.marca) {
            const TrazoMarca m = CalcularMarca(c.celda.width(), c.checked, a.fondo);
            pt.fillRect(QRectF(aPx(m.fondo.topLeft()), aPx(m.fondo.bottomRight())),
                        AQColor(a.fondo));
            pt.setPen(QPen(AQColor(RGB(238, 238, 238)), 1));
            pt.drawRect(QRectF(aPx(m.contorno.topLeft()), aPx(m.contorno.bottomRight())));
            for (const TrazoMarca::Linea& l : m.lineas) {
                pt.setPen(QPen(AQColor(l.color), 1.5, Qt::SolidLine, Qt::RoundCap));
                pt.drawLine(QLineF(aPx(l.linea.p1()), aPx(l.linea.p2())));
            }
        }
        if (c.aviso) {
            const TrazoAviso av = CalcularAviso(c.celda.width(), a.fondo);
            const double radio = av.radio / factor_;
            for (const auto& [centro, color] :
                 {std::pair{av.centroSombra, av.colorSombra},
                  std::pair{av.centro, modelo_.item(i).AttentionColor}}) {
                pt.setPen(AQColor(color));
                pt.setBrush(AQColor(color));
                pt.drawEllipse(aPx(centro), radio, radio);
            }
        }
        pt.restore();
        if (c.partes.captionVisible) {
            const QRect cap = APixeles(c.partes.caption);
            pt.fillRect(cap, AQColor(a.fondo));
            pt.setFont(FuenteCaption(i));
            pt.setPen(AQColor(a.colorCaption));
            pt.drawText(
                cap,
                (a.centrarCaption ? Qt::AlignHCenter | Qt::AlignTop : alineacionBaseCaption) |
                    Qt::TextSingleLine,
                c.caption);
        }
        if (c.partes.badgeVisible) {
            const QRect b = APixeles(c.partes.badge);
            if (a.badgeOpaco)
                pt.fillRect(b, AQColor(a.fondoBadge));
            QFont f(c.fuenteBadge.nombre);
            f.setPointSizeF(c.fuenteBadge.puntos);
            f.setBold(c.fuenteBadge.negrita);
            pt.setFont(f);
            pt.setPen(AQColor(a.colorTextoBadge));
            pt.drawText(b, Qt::AlignCenter | Qt::TextSingleLine, a.textoBadge);
        }
    }
}

void UtilVex::resizeEvent(QResizeEvent*) {
    Reorganizar();
}

// ---- Mouse, focus and tooltips ----

int UtilVex::ItemEn(const QPoint& pos) const {
    for (int i = static_cast<int>(celdas_.size()) - 1; i >= 0; --i) {
        const Celda& c = celdas_[static_cast<size_t>(i)];
        if (!c.colocada)
            continue;
        if ((c.partes.badgeVisible && APixeles(c.partes.badge).contains(pos)) ||
            (c.partes.captionVisible && APixeles(c.partes.caption).contains(pos)) ||
            APixeles(c.celda).contains(pos))
            return i;
    }
    return -1;
}

void UtilVex::mouseMoveEvent(QMouseEvent* e) {
    const int i = ItemEn(e->position().toPoint());
    const bool sobreItem =
        i >= 0 && i < modelo_.count() && modelo_.item(i).Visible && modelo_.item(i).Enabled;
    modelo_.FijarHover(sobreItem ? i : -1);
}

void UtilVex::mousePressEvent(QMouseEvent* e) {
    pulsado_ = e->button() == Qt::LeftButton ? ItemEn(e->position().toPoint()) : -1;
}

void UtilVex::mouseReleaseEvent(QMouseEvent* e) {
    const int i = e->button() == Qt::LeftButton ? ItemEn(e->position().toPoint()) : -1;
    if (i >= 0 && i == pulsado_)
        PulsarItem(i);
    pulsado_ = -1;
}

void UtilVex::PulsarItem(int i) {
    if (!modelo_.PuedePulsar(i))
        return;
    const QString caption = modelo_.item(i).Caption;
    if (modelo_.Checkable(i)) {
        const bool checked = modelo_.AlternarCheck(i);
        SinErrores([&] { emit CheckClick(checked, caption); });
    }
    // A receiver of CheckClick may have changed the items.
    if (i < modelo_.count())
        modelo_.Activar(i);
    SinErrores([&] { emit click(caption); });
}

void UtilVex::leaveEvent(QEvent*) {
    modelo_.FijarHover(-1);
}

void UtilVex::focusOutEvent(QFocusEvent*) {
    modelo_.PerderFoco();
}

void UtilVex::changeEvent(QEvent* e) {
    if (e->type() == QEvent::EnabledChange)
        modelo_.SetEnabled(isEnabled());
    QWidget::changeEvent(e);
}

bool UtilVex::event(QEvent* e) {
    if (e->type() == QEvent::ToolTip) {
        auto* ayuda = static_cast<QHelpEvent*>(e);
        const int i = ItemEn(ayuda->pos());
        if (i >= 0 && i < modelo_.count() && !modelo_.item(i).ToolTip.isEmpty())
            QToolTip::showText(ayuda->globalPos(), modelo_.item(i).ToolTip, this);
        else
            QToolTip::hideText();
        return true;
    }
    return QWidget::event(e);
}

// ---- What is shown ----

QRect UtilVex::RectanguloCelda(int i) const {
    if (i < 0 || static_cast<size_t>(i) >= celdas_.size() ||
        !celdas_[static_cast<size_t>(i)].colocada)
        return {};
    return APixeles(celdas_[static_cast<size_t>(i)].celda);
}

QRect UtilVex::RectanguloCaption(int i) const {
    if (RectanguloCelda(i).isNull() || !celdas_[static_cast<size_t>(i)].partes.captionVisible)
        return {};
    return APixeles(celdas_[static_cast<size_t>(i)].partes.caption);
}

QString UtilVex::TextoCaption(int i) const {
    return RectanguloCelda(i).isNull() ? QString() : celdas_[static_cast<size_t>(i)].caption;
}

QString UtilVex::TextoBadge(int i) const {
    if (RectanguloCelda(i).isNull() || !celdas_[static_cast<size_t>(i)].partes.badgeVisible)
        return {};
    return celdas_[static_cast<size_t>(i)].aspecto.textoBadge;
}

QRect UtilVex::RectanguloIcono(int i) const {
    return RectanguloCelda(i).isNull() ? QRect() : celdas_[static_cast<size_t>(i)].rectIcono;
}

QString UtilVex::ArchivoIconoDibujado(int i) const {
    return RectanguloCelda(i).isNull() ? QString() : celdas_[static_cast<size_t>(i)].archivoIcono;
}

ColorRGB UtilVex::ColorFondoItem(int i) const {
    return celdas_[static_cast<size_t>(i)].aspecto.fondo;
}

ColorRGB UtilVex::ColorCaptionItem(int i) const {
    return celdas_[static_cast<size_t>(i)].aspecto.colorCaption;
}

QSize UtilVex::sizeHint() const {
    return {TwipsAPixeles(anchoPreferido, factor_), TwipsAPixeles(altoPreferido, factor_)};
}
