#include "CajaProgreso.h"
#include "ModeloAsientos.h"
#include "UtilGeneral.h"
#include <QPainter>
#include <cmath>

CajaProgreso::CajaProgreso(QWidget* parent) : QWidget(parent) {
    Limpiar();
}

void CajaProgreso::Limpiar() {
    imagen_ = QImage(std::max(1, width()), std::max(1, height()), QImage::Format_RGB32);
    imagen_.fill(Qt::white);
    update();
}

void CajaProgreso::resizeEvent(QResizeEvent*) {
    Limpiar();
}

void CajaProgreso::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(0, 0, imagen_);
}

QString LeyendaProgreso(const QString& porcentaje, const QString& texto) {
    // The format "###" writes no digits for zero or for nothing.
    const long n = std::lround(UtilGeneral::ValorNumero(porcentaje));
    return texto + u' ' + (n == 0 ? QString() : QString::number(n)) + u'%';
}

void DibujarProgreso(CajaProgreso& caja, const QString& porcentaje, std::uint32_t color,
                     const QString& texto) {
    caja.Limpiar();
    QImage& img = caja.imagen_;
    QPainter p(&img);
    const QString leyenda = LeyendaProgreso(porcentaje, texto);
    p.setPen(Qt::black);
    p.drawText(img.rect(), Qt::AlignCenter, leyenda);
    const double pct = std::clamp(UtilGeneral::ValorNumero(porcentaje), 0.0, 100.0);
    const int ancho = static_cast<int>(std::lround(img.width() * pct / 100.0));
    if (ancho > 0) {
        p.setCompositionMode(QPainter::RasterOp_NotSourceXorDestination);
        p.fillRect(QRect(0, 0, ancho, img.height()), Colores::AQColor(color));
    }
    p.end();
    caja.update();
}
