#pragma once
// Texts that do not fit their room: a label first narrows its letters, and
// when that is not enough ends the text in "…" and shows it whole in its
// tooltip; a grid cell (the view already ends it in "…") gets the same
// tooltip.
#include <QLabel>

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

// The whole text of the cell under a tooltip request when the cell shows it
// shortened; shown as the tooltip, and true when the event was answered. A
// tooltip that the model gives is left to the view.
bool MostrarCeldaRecortada(QAbstractItemView& vista, QHelpEvent& pedido);
