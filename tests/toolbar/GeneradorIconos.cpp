// Draws the icons of the default items into a folder as "<KEY>.png",
// "<KEY>_over.png" and "<KEY>_dis.png" (48 × 48 pixels, white line drawings on
// a transparent ground). Run once; the output is kept in src/toolbar/img_menu.
#include "VocabularioBarra.h"
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>
#include <cstdio>
#include <functional>
#include <map>

namespace {
using Dibujo = std::function<void(QPainter&)>;

void Documento(QPainter& p) {
    QPainterPath h;
    h.moveTo(12, 6);
    h.lineTo(28, 6);
    h.lineTo(36, 14);
    h.lineTo(36, 42);
    h.lineTo(12, 42);
    h.closeSubpath();
    p.drawPath(h);
    p.drawLine(QPointF(28, 6), QPointF(28, 14));
    p.drawLine(QPointF(28, 14), QPointF(36, 14));
}

const std::map<QString, Dibujo>& Dibujos() {
    static const std::map<QString, Dibujo> d = {
        {"NUEVO",
         [](QPainter& p) {
             Documento(p);
             p.drawLine(QPointF(24, 20), QPointF(24, 34));
             p.drawLine(QPointF(17, 27), QPointF(31, 27));
         }},
        {"BORRAR",
         [](QPainter& p) {
             p.drawLine(QPointF(10, 12), QPointF(38, 12));
             p.drawRect(QRectF(20, 6, 8, 6));
             QPainterPath c;
             c.moveTo(13, 12);
             c.lineTo(16, 42);
             c.lineTo(32, 42);
             c.lineTo(35, 12);
             p.drawPath(c);
             p.drawLine(QPointF(21, 18), QPointF(21, 36));
             p.drawLine(QPointF(27, 18), QPointF(27, 36));
         }},
        {"REPORTE",
         [](QPainter& p) {
             p.drawLine(QPointF(8, 40), QPointF(40, 40));
             p.drawRect(QRectF(11, 26, 6, 14));
             p.drawRect(QRectF(21, 14, 6, 26));
             p.drawRect(QRectF(31, 20, 6, 20));
         }},
        {"CONSULTAR",
         [](QPainter& p) {
             p.drawEllipse(QPointF(20, 20), 11, 11);
             p.save();
             QPen grueso = p.pen();
             grueso.setWidthF(5);
             p.setPen(grueso);
             p.drawLine(QPointF(29, 29), QPointF(40, 40));
             p.restore();
         }},
        {"PLANILLA",
         [](QPainter& p) {
             p.drawRect(QRectF(7, 9, 34, 30));
             for (double y : {19.0, 29.0})
                 p.drawLine(QPointF(7, y), QPointF(41, y));
             for (double x : {18.0, 29.0})
                 p.drawLine(QPointF(x, 9), QPointF(x, 39));
         }},
        {"CANCELAR",
         [](QPainter& p) {
             p.drawEllipse(QPointF(24, 24), 16, 16);
             p.drawLine(QPointF(13, 35), QPointF(35, 13));
         }},
        {"GRABAR",
         [](QPainter& p) {
             QPainterPath c;
             c.moveTo(8, 8);
             c.lineTo(34, 8);
             c.lineTo(40, 14);
             c.lineTo(40, 40);
             c.lineTo(8, 40);
             c.closeSubpath();
             p.drawPath(c);
             p.drawRect(QRectF(15, 8, 16, 10));
             p.drawRect(QRectF(14, 26, 20, 14));
         }},
        {"CERRAR",
         [](QPainter& p) {
             p.drawRect(QRectF(10, 6, 20, 36));
             p.drawLine(QPointF(24, 24), QPointF(42, 24));
             p.drawLine(QPointF(36, 18), QPointF(42, 24));
             p.drawLine(QPointF(36, 30), QPointF(42, 24));
         }},
        {"CLIENTE",
         [](QPainter& p) {
             p.drawEllipse(QPointF(24, 16), 8, 8);
             QPainterPath c;
             c.moveTo(9, 42);
             c.cubicTo(9, 28, 39, 28, 39, 42);
             p.drawPath(c);
         }},
        {"PEDIDO",
         [](QPainter& p) {
             p.drawRect(QRectF(11, 9, 26, 33));
             p.drawRect(QRectF(18, 5, 12, 7));
             for (double y : {20.0, 27.0, 34.0})
                 p.drawLine(QPointF(16, y), QPointF(32, y));
         }},
        {"REMITO",
         [](QPainter& p) {
             p.drawRect(QRectF(5, 14, 24, 18));
             QPainterPath c;
             c.moveTo(29, 20);
             c.lineTo(37, 20);
             c.lineTo(43, 27);
             c.lineTo(43, 32);
             c.lineTo(29, 32);
             p.drawPath(c);
             p.drawEllipse(QPointF(13, 35), 4, 4);
             p.drawEllipse(QPointF(36, 35), 4, 4);
         }},
        {"CAJERO",
         [](QPainter& p) {
             p.drawRect(QRectF(6, 24, 36, 16));
             p.drawRect(QRectF(12, 10, 24, 14));
             p.drawLine(QPointF(16, 17), QPointF(32, 17));
             p.drawEllipse(QPointF(24, 32), 3, 3);
         }},
        {"UNIDADNEGOCIO",
         [](QPainter& p) {
             p.drawRect(QRectF(10, 8, 18, 34));
             p.drawRect(QRectF(28, 20, 12, 22));
             for (double y : {14.0, 22.0, 30.0}) {
                 p.drawLine(QPointF(15, y), QPointF(17, y));
                 p.drawLine(QPointF(21, y), QPointF(23, y));
             }
             p.drawRect(QRectF(16, 35, 6, 7));
         }},
        {"IMPORTAR",
         [](QPainter& p) {
             QPainterPath c;
             c.moveTo(8, 28);
             c.lineTo(8, 40);
             c.lineTo(40, 40);
             c.lineTo(40, 28);
             p.drawPath(c);
             p.drawLine(QPointF(24, 6), QPointF(24, 32));
             p.drawLine(QPointF(16, 24), QPointF(24, 32));
             p.drawLine(QPointF(32, 24), QPointF(24, 32));
         }},
        {"PROCESARIA",
         [](QPainter& p) {
             auto estrella = [&](QPointF c, double r) {
                 QPainterPath e;
                 e.moveTo(c.x(), c.y() - r);
                 e.quadTo(c, QPointF(c.x() + r, c.y()));
                 e.quadTo(c, QPointF(c.x(), c.y() + r));
                 e.quadTo(c, QPointF(c.x() - r, c.y()));
                 e.quadTo(c, QPointF(c.x(), c.y() - r));
                 p.drawPath(e);
             };
             estrella(QPointF(20, 26), 15);
             estrella(QPointF(36, 12), 7);
         }},
        {"PANTALLA",
         [](QPainter& p) {
             p.drawRect(QRectF(6, 8, 36, 24));
             p.drawLine(QPointF(24, 32), QPointF(24, 39));
             p.drawLine(QPointF(15, 40), QPointF(33, 40));
         }},
        {"IMPRESORA",
         [](QPainter& p) {
             p.drawRect(QRectF(14, 6, 20, 12));
             p.drawRect(QRectF(6, 18, 36, 16));
             p.drawRect(QRectF(14, 28, 20, 14));
             p.drawLine(QPointF(18, 34), QPointF(30, 34));
         }},
        {"COMPARTIR",
         [](QPainter& p) {
             const QPointF a(34, 11), b(13, 24), c(34, 37);
             p.drawLine(a, b);
             p.drawLine(b, c);
             for (QPointF n : {a, b, c})
                 p.drawEllipse(n, 5, 5);
         }},
        {"AJUSTES",
         [](QPainter& p) {
             QPainterPath r;
             const QPointF c(24, 24);
             for (int k = 0; k < 16; ++k) {
                 const double ang = k * M_PI / 8;
                 const double radio = (k % 2 == 0) ? 17 : 13;
                 const QPointF q(c.x() + radio * qCos(ang), c.y() + radio * qSin(ang));
                 if (k == 0)
                     r.moveTo(q);
                 else
                     r.lineTo(q);
             }
             r.closeSubpath();
             p.drawPath(r);
             p.drawEllipse(c, 6, 6);
         }},
    };
    return d;
}

QImage Dibujar(const Dibujo& dibujo, const QColor& color) {
    QImage img(48, 48, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(color, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    dibujo(p);
    return img;
}
} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "uso: %s <carpeta>\n", argv[0]);
        return 2;
    }
    const QDir carpeta(QString::fromLocal8Bit(argv[1]));
    QDir().mkpath(carpeta.path());
    for (const ItemPredeterminado& item : ItemsPredeterminados()) {
        const auto it = Dibujos().find(item.clave);
        if (it == Dibujos().end()) {
            std::fprintf(stderr, "sin dibujo: %s\n", qPrintable(item.clave));
            return 1;
        }
        const QString base = carpeta.filePath(item.clave);
        Dibujar(it->second, QColor(255, 255, 255)).save(base + ".png");
        Dibujar(it->second, QColor(255, 214, 102)).save(base + "_over.png");
        Dibujar(it->second, QColor(255, 255, 255, 110)).save(base + "_dis.png");
    }
    return 0;
}
