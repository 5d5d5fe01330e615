#include "PartesBusqueda.h"
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

void TextoBusqueda::focusInEvent(QFocusEvent* e) {
    QLineEdit::focusInEvent(e);
    if (alRecibirFoco)
        alRecibirFoco();
}

namespace {
QPixmap dibujar(ImagenBusqueda::Dibujo dibujo) {
    QPixmap p(16, 16);
    p.fill(Qt::transparent);
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    switch (dibujo) {
    case ImagenBusqueda::Dibujo::Confirmar: {
        g.setPen(QPen(QColor(0, 140, 0), 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        QPainterPath tilde;
        tilde.moveTo(3, 8.5);
        tilde.lineTo(6.5, 12);
        tilde.lineTo(13, 4);
        g.drawPath(tilde);
        break;
    }
    case ImagenBusqueda::Dibujo::Agregar:
        g.setPen(QPen(QColor(0, 70, 200), 2.6, Qt::SolidLine, Qt::RoundCap));
        g.drawLine(QPointF(8, 3), QPointF(8, 13));
        g.drawLine(QPointF(3, 8), QPointF(13, 8));
        break;
    case ImagenBusqueda::Dibujo::Limpiar:
        g.setPen(QPen(QColor(200, 0, 0), 2.4, Qt::SolidLine, Qt::RoundCap));
        g.drawLine(QPointF(4, 4), QPointF(12, 12));
        g.drawLine(QPointF(12, 4), QPointF(4, 12));
        break;
    }
    return p;
}
} // namespace

ImagenBusqueda::ImagenBusqueda(Dibujo dibujo, const QString& ayuda, QWidget* padre)
    : QLabel(padre) {
    setPixmap(dibujar(dibujo));
    setAlignment(Qt::AlignCenter);
    setToolTip(ayuda);
    setCursor(Qt::PointingHandCursor);
}

void ImagenBusqueda::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton)
        emit clicked();
}

void BotonDia::mouseDoubleClickEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton)
        emit dobleClic();
    else
        QPushButton::mouseDoubleClickEvent(e);
}

int ModeloFilasBusqueda::rowCount(const QModelIndex& padre) const {
    return padre.isValid() ? 0 : static_cast<int>(filas_.size());
}

QVariant ModeloFilasBusqueda::data(const QModelIndex& indice, int rol) const {
    if (!indice.isValid() || indice.row() >= filas_.size() || rol != Qt::DisplayRole)
        return {};
    return filas_.at(indice.row()).Texto();
}

void ModeloFilasBusqueda::Fijar(QList<FilaBusqueda> filas) {
    beginResetModel();
    filas_ = std::move(filas);
    endResetModel();
}

void ModeloFilasBusqueda::Vaciar() {
    if (filas_.isEmpty())
        return;
    beginResetModel();
    filas_.clear();
    endResetModel();
}
