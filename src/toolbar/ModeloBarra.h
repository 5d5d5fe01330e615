#pragma once
// The item table of the bar: the slots, the item count, the active and hover
// items, the check flags of the printer and share items, and every operation
// that adds, finds, queries and changes items. Whoever shows the bar is told
// through Avisos when it must lay out again or repaint one item.
#include "ItemBarra.h"
#include <QString>
#include <functional>
#include <vector>

class ModeloBarra {
public:
    struct Avisos {
        std::function<void()> reorganizar;        // full layout
        std::function<void(int)> repintar;        // colours, texts and parts of one item
        std::function<QString()> carpetaImagenes; // the icon folder in force
    };

    // Slots 0 to 18, all empty.
    ModeloBarra();
    void EstablecerAvisos(Avisos avisos);

    void LoadDefaultItems();
    void LoadDefaultItemsReportes();
    void ClearItems();
    bool AddItem(const QString& BTag, const QString& BCaption, const QString& BToolTip,
                 bool bCheckable);
    // Icons come from the icon folder only: the file is ignored.
    bool SetItemIcon(const QString& BTag, const QString& zFile);
    void SetItemBadge(const QString& BTag, int nCount);
    // nColor -1 keeps the colour in force.
    void SetItemAttention(const QString& BTag, bool bAttention, int nColor);
    bool ItemAttention(const QString& BTag) const;
    void SetItemAviso(const QString& BTag, bool bAviso, int nColor);
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

    // Finds the three icon files of every item and loads them, then lays out.
    void RefreshIcons();

    int BuscarItem(const QString& clave) const;
    bool EsUsable(const QString& clave) const;
    void AsegurarItems();
    // Grows the storage so that slot n exists; false when n is beyond the
    // 32767 slots the bar can hold.
    bool AsegurarCapacidad(int n);
    void LimpiarItem(int i);
    void AgregarItemBase(const QString& clave, const QString& caption, const QString& toolTip);

    // The hover item becomes i (-1 when the bar is disabled or i is no item);
    // the old and the new hover items are repainted.
    void FijarHover(int i);
    // True when a click on item i counts: the bar is enabled and the item
    // exists, is visible and is enabled.
    bool PuedePulsar(int i) const;
    // Turns the check of item i over and returns the new state.
    bool AlternarCheck(int i);
    // Item i becomes the active one; the previous one and i are repainted.
    void Activar(int i);
    // The focus left the bar: no active and no hover item, layout.
    void PerderFoco();

    // The check of item i, kept in the control flags for the printer and share items.
    bool Checkable(int i) const;
    bool Checked(int i) const;
    // The item can be clicked: its own flag and the bar's.
    bool Usable(int i) const;

    int count() const { return count_; }
    int active() const { return active_; }
    int hover() const { return hover_; }
    int capacidad() const { return static_cast<int>(items_.size()); }
    const ItemBarra& item(int i) const { return items_[static_cast<size_t>(i)]; }
    // The free text each cell keeps; the default set takes it as caption.
    const QString& etiquetaCelda(int i) const { return etiquetas_[static_cast<size_t>(i)]; }
    // The last line about loading an icon (which file, or why the base image is used).
    const QString& ultimoDiagnostico() const { return diagnostico_; }

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    bool ImpresoraCheckable() const { return impresoraCheckable_; }
    bool ImpresoraChecked() const { return impresoraChecked_; }
    bool CompartirCheckable() const { return compartirCheckable_; }
    bool CompartirChecked() const { return compartirChecked_; }
    void SetImpresoraCheckable(bool v);
    void SetImpresoraChecked(bool v);
    void SetCompartirCheckable(bool v);
    void SetCompartirChecked(bool v);

private:
    enum class Ruta { Item, Impresora, Compartir };
    Ruta RutaCheck(int i) const;
    void CargarIconoItem(int i);
    void RestaurarIconoBase(int i);
    void Reorganizar() const;
    void Repintar(int i) const;

    std::vector<ItemBarra> items_;
    std::vector<QString> etiquetas_;
    int count_ = 0;
    int active_ = -1;
    int hover_ = -1;
    bool enabled_ = true;
    bool impresoraCheckable_ = true;
    bool impresoraChecked_ = false;
    bool compartirCheckable_ = false;
    bool compartirChecked_ = false;
    QString diagnostico_;
    Avisos avisos_;
};
