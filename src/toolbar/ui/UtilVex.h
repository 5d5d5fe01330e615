#pragma once
// The button bar: a row or column of items identified by key words, each a
// coloured cell with an optional icon, a caption under it, a badge, an
// attention dot and a check box. The item table, layout, colours and property
// rules live in plain classes; this widget keeps them together, paints the
// result and turns mouse, focus and key events into the bar's operations.
#include "AspectoItem.h"
#include "DisposicionBarra.h"
#include "ModeloBarra.h"
#include "PropiedadesBarra.h"
#include <QFont>
#include <QImage>
#include <QWidget>
#include <vector>

class UtilVex : public QWidget {
    Q_OBJECT
public:
    // A new instance: default properties, the style of the context and the
    // default items.
    explicit UtilVex(QWidget* parent = nullptr);
    // A stored instance: the properties read back from the bag, no items until
    // the first per-item property is read or written.
    explicit UtilVex(const BolsaPropiedades& guardadas, QWidget* parent = nullptr);

    void Guardar(BolsaPropiedades& b) const;

    // Items.
    void LoadDefaultItems();
    void LoadDefaultItemsReportes();
    void ClearItems();
    bool AddItem(const QString& BTag, const QString& BCaption, const QString& BToolTip = {},
                 bool bCheckable = false);
    bool SetItemIcon(const QString& BTag, const QString& zFile);
    void SetItemBadge(const QString& BTag, int nCount);
    void SetItemAttention(const QString& BTag, bool bAttention, int nColor = -1);
    bool ItemAttention(const QString& BTag) const;
    void SetItemAviso(const QString& BTag, bool bAviso, int nColor = -1);
    bool ItemAviso(const QString& BTag) const;
    void SetItemVisible(const QString& BTag, bool bVisible);
    bool ItemVisible(const QString& BTag) const;
    void SetItemEnabled(const QString& BTag, bool bEnabled);
    bool ItemEnabled(const QString& BTag) const;
    void SetItemCheckable(const QString& BTag, bool bCheckable);
    bool ItemCheckable(const QString& BTag) const;
    void SetItemChecked(const QString& BTag, bool bChecked);
    bool ItemChecked(const QString& BTag) const;
    void SetActive(const QString& BTag);

    // Icons from the icon folder.
    void RefreshIcons();
    void LoadIconsFromFolder(const QString& zFolder);

    // Styles.
    void ApplyColorStyle(int nStyle);
    void AplicarEstiloVSCode(bool MostrarTitulos, int TamIconoPx);
    void LoadVSCodeSample();

    // Raises click for the item a function key stands for (Windows key code:
    // 27 Esc, 113 F2 ... 121 F10); the code is left unchanged.
    void KeyAnalisis(int& KeyCode);
    // Sets the caption font again from the settings file and lays out.
    void ActualizarBotones();

    void Reorganizar();
    void IniciarActualizacion();
    void FinalizarActualizacion();

    // Properties. The aliases and the per-item properties ("NuevoEnabled",
    // "ConsultaVisible", ...) are reached by name.
    QVariant Propiedad(const QString& nombre);
    void FijarPropiedad(const QString& nombre, const QVariant& valor);

    void SetEnabled(bool v);
    bool ShowCaptions() const { return p_.ShowCaptions; }
    void SetShowCaptions(bool v);
    bool Horizontal() const { return p_.Horizontal; }
    void SetHorizontal(bool v); // also turns AutoOrientacion off
    bool AutoOrientacion() const { return p_.AutoOrientacion; }
    void SetAutoOrientacion(bool v);
    double ItemHeight() const { return p_.ItemHeight; }
    void SetItemHeight(double v);
    double ButtonGap() const { return p_.ButtonGap; }
    void SetButtonGap(double v);
    double TopOffset() const { return p_.TopOffset; }
    void SetTopOffset(double v);
    double GroupGap() const { return p_.GroupGap; }
    void SetGroupGap(double v);
    QString GroupBreakAfterTag() const { return p_.GroupBreakAfterTag; }
    void SetGroupBreakAfterTag(const QString& v);
    double IconSize() const { return p_.IconSize; }
    void SetIconSize(double v);
    int IconPx() const { return p_.IconPx; }
    void SetIconPx(int v);
    QString ImageFolder() const { return p_.ImageFolder; }
    void SetImageFolder(const QString& v);
    QString ContextUserName() const { return p_.ContextUserName; }
    void SetContextUserName(const QString& v);
    QString ContextDbName() const { return p_.ContextDbName; }
    void SetContextDbName(const QString& v);
    bool DebugMode() const { return p_.DebugMode; }
    void SetDebugMode(bool v);
    bool EstiloVSCode() const { return p_.EstiloVSCode; }
    void SetEstiloVSCode(bool v);
    int Estilo() const { return p_.Estilo; }
    void SetEstilo(int v);
    int Theme() const { return p_.Estilo; }
    void SetTheme(int v); // the value is ignored: the style comes from the settings file
    ColorRGB NormalBackColor() const { return p_.NormalBackColor; }
    void SetNormalBackColor(ColorRGB v);
    ColorRGB ActiveBackColor() const { return p_.ActiveBackColor; }
    void SetActiveBackColor(ColorRGB v);
    ColorRGB ActiveBarColor() const { return p_.ActiveBarColor; }
    void SetActiveBarColor(ColorRGB v);
    bool ImpresoraCheckable() const { return modelo_.ImpresoraCheckable(); }
    void SetImpresoraCheckable(bool v);
    bool ImpresoraChecked() const { return modelo_.ImpresoraChecked(); }
    void SetImpresoraChecked(bool v);
    bool CompartirCheckable() const { return modelo_.CompartirCheckable(); }
    void SetCompartirCheckable(bool v);
    bool CompartirChecked() const { return modelo_.CompartirChecked(); }
    void SetCompartirChecked(bool v);

    // What is on screen, for the window that places the bar and for tests.
    const ModeloBarra& Modelo() const { return modelo_; }
    bool EsHorizontal() const { return horizontal_; }
    // The cell of item i in pixels; empty when it is not shown.
    QRect RectanguloCelda(int i) const;
    QRect RectanguloCaption(int i) const;
    // The caption text shown under item i.
    QString TextoCaption(int i) const;
    QString TextoBadge(int i) const;
    // Where the icon of item i is drawn, relative to its icon box; empty when none.
    QRect RectanguloIcono(int i) const;
    // The icon file drawn for item i, "" when none.
    QString ArchivoIconoDibujado(int i) const;
    ColorRGB ColorFondoItem(int i) const;
    ColorRGB ColorCaptionItem(int i) const;
    QSize sizeHint() const override;

signals:
    void click(const QString& texto);
    void CheckClick(bool checked, const QString& texto);
    // A property was set, so the window definition has changed.
    void PropiedadCambiada(const QString& nombre);

protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void leaveEvent(QEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void changeEvent(QEvent* e) override;
    bool event(QEvent* e) override;

private:
    // The five parts of one slot as they are shown.
    struct Celda {
        bool colocada = false;
        QRectF celda; // twips
        PartesCelda partes;
        AspectoItem aspecto;
        FuenteBadge fuenteBadge{QStringLiteral("MS Sans Serif"), 8.25, false};
        QString caption;
        QImage icono;    // scaled to rectIcono
        QRect rectIcono; // pixels, inside the icon box
        QString archivoIcono;
        bool marca = false;
        bool checked = false;
        bool aviso = false;
    };

    void Crear();
    void Nueva();
    void Restaurar(const BolsaPropiedades& b);
    void AplicarFuenteIni();
    void PintarItem(int i);
    void UbicarPartes(int i);
    void RepintarItem(int i);
    void DibujarIcono(int i);
    void PulsarItem(int i);
    int ItemEn(const QPoint& pos) const;
    QFont FuenteCaption(int i) const;
    QRect APixeles(const QRectF& twips) const;
    // Where the property table reads and writes: this bar's values, items and enabled state.
    DestinoPropiedades Destino();
    // Sets a property as its row says, lays out when the row asks for it and
    // reports the change under the property's name.
    void Fijar(::Propiedad id, const QVariant& v);

    ModeloBarra modelo_;
    PropiedadesBarra p_;
    ContadorActualizacion actualizacion_;
    std::vector<Celda> celdas_;
    std::optional<QRectF> banda_;
    bool horizontal_ = true;
    QString nombreFuente_ = QStringLiteral("Segoe UI");
    double factor_ = 15;
    int pulsado_ = -1;
};
