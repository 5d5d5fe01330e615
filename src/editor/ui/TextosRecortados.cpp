#include "TextosRecortados.h"
#include <QAbstractItemView>
#include <QHelpEvent>
#include <QPainter>
#include <QStyle>
#include <QToolTip>

namespace {
// The room the view leaves for a cell's text: its margins on both sides.
int margenCelda(const QWidget* vista) {
    return vista->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, vista) + 1;
}

QFont angostaDe(QFont letra) {
    letra.setStretch(QFont::Condensed);
    return letra;
}
} // namespace

EtiquetaRecortada::EtiquetaRecortada(QWidget* parent) : QLabel(parent) {}

EtiquetaRecortada::EtiquetaRecortada(const QString& texto, QWidget* parent)
    : QLabel(texto, parent) {}

int EtiquetaRecortada::anchoUtil() const {
    const int sangria = indent() > 0 ? indent() : 0;
    return contentsRect().width() - 2 * margin() - sangria;
}

bool EtiquetaRecortada::cabe(const QFont& letra) const {
    return QFontMetrics(letra).horizontalAdvance(text()) <= anchoUtil();
}

QFont EtiquetaRecortada::angosta() const {
    return angostaDe(font());
}

bool EtiquetaRecortada::Recortada() const {
    return !cabe(angosta());
}

QString EtiquetaRecortada::TextoVisible() const {
    return Recortada() ? QFontMetrics(angosta()).elidedText(text(), Qt::ElideRight, anchoUtil())
                       : text();
}

void EtiquetaRecortada::paintEvent(QPaintEvent* e) {
    if (cabe(font())) {
        QLabel::paintEvent(e);
        return;
    }
    QPainter p(this);
    p.setFont(angosta());
    drawFrame(&p);
    const int m = margin();
    const QRect zona = contentsRect().adjusted(m, m, -m, -m);
    style()->drawItemText(&p, zona, QStyle::visualAlignment(layoutDirection(), alignment()),
                          palette(), isEnabled(), TextoVisible(), foregroundRole());
}

bool EtiquetaRecortada::event(QEvent* e) {
    if (e->type() == QEvent::ToolTip && toolTip().isEmpty()) {
        auto* ayuda = static_cast<QHelpEvent*>(e);
        if (Recortada())
            QToolTip::showText(ayuda->globalPos(), text(), this);
        else
            QToolTip::hideText();
        return true;
    }
    return QLabel::event(e);
}

void DelegadoCeldaAngosta::initStyleOption(QStyleOptionViewItem* opcion,
                                           const QModelIndex& indice) const {
    QStyledItemDelegate::initStyleOption(opcion, indice);
    if (opcion->text.isEmpty())
        return;
    const int ancho = opcion->rect.width() - 2 * margenCelda(opcion->widget);
    if (QFontMetrics(opcion->font).horizontalAdvance(opcion->text) > ancho)
        opcion->font = angostaDe(opcion->font);
}

bool MostrarCeldaRecortada(QAbstractItemView& vista, QHelpEvent& pedido) {
    const QModelIndex i = vista.indexAt(pedido.pos());
    if (!i.isValid() || !i.data(Qt::ToolTipRole).toString().isEmpty())
        return false;
    const QString texto = i.data(Qt::DisplayRole).toString();
    const QVariant letra = i.data(Qt::FontRole);
    // Shortened only when even the narrow letters do not fit.
    const QFontMetrics medida(angostaDe(letra.isValid() ? letra.value<QFont>() : vista.font()));
    const QRect celda = vista.visualRect(i);
    if (medida.horizontalAdvance(texto) > celda.width() - 2 * margenCelda(&vista))
        QToolTip::showText(pedido.globalPos(), texto, vista.viewport(), celda);
    else
        QToolTip::hideText();
    return true;
}
