#pragma once
// Texts that do not fit their room: a label or a grid cell first narrows its
// letters, and when that is not enough ends the text in "…" and shows it whole
// in its tooltip.
#include <QLabel>
#include <QStyledItemDelegate>

class QAbstractItemView;
class QHelpEvent;

class EtiquetaRecortada : public QLabel {
    Q_OBJECT
public:
    explicit EtiquetaRecortada(QWidget* parent = nullptr);
    explicit EtiquetaRecortada(const QString& texto, QWidget* parent = nullptr);
    // True when the text does not fit even in narrow letters and is shown
    // shortened.
    bool Recortada() const;
    // What the label shows.
    QString TextoVisible() const;

protected:
    void paintEvent(QPaintEvent* e) override;
    bool event(QEvent* e) override;

private:
    int anchoUtil() const;
    bool cabe(const QFont& letra) const;
    QFont angosta() const;
};

// Draws a grid cell whose text does not fit in narrow letters (the voucher's
// number in its header row, wider than its column in bold).
class DelegadoCeldaAngosta : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* opcion, const QModelIndex& indice) const override;
};

// The whole text of the cell under a tooltip request when the cell shows it
// shortened; shown as the tooltip, and true when the event was answered. A
// tooltip that the model gives is left to the view.
bool MostrarCeldaRecortada(QAbstractItemView& vista, QHelpEvent& pedido);
