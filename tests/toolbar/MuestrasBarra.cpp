// Renders the bar headless in each colour style and the dark preset,
// horizontal and vertical, without and with the icons of the application
// folder, one PNG per style: muestras_barra <output folder>.
#include "ModUtilVexBar.h"
#include "Programa.h"
#include "UtilVex.h"
#include <QApplication>
#include <QDir>
#include <QPainter>
#include <cstdio>
#include <functional>
#include <memory>

namespace {

// The states the bar can show: an active item, a disabled one, a badge, an
// attention dot and a checked item.
void PrepararItems(UtilVex& b) {
    b.SetItemVisible("IMPRESORA", true);
    b.SetItemChecked("IMPRESORA", true);
    b.SetItemEnabled("BORRAR", false);
    b.SetItemBadge("CONSULTAR", 3);
    b.SetItemAttention("REPORTE", true, -1);
    b.SetActive("GRABAR");
}

QImage Barra(const std::function<void(UtilVex&)>& estilo, bool horizontal, bool iconos) {
    UtilVex b;
    b.resize(horizontal ? QSize(600, 65) : QSize(80, 600));
    estilo(b);
    b.SetHorizontal(horizontal);
    // Cells start TopOffset - 60 twips from the top; 60 keeps their marks inside the bar.
    b.SetTopOffset(60);
    PrepararItems(b);
    if (iconos)
        b.LoadIconsFromFolder(Programa::Carpeta() + "img_menu");
    return b.grab().toImage();
}

QImage Hoja(const QString& titulo, const std::function<void(UtilVex&)>& estilo) {
    const QImage h1 = Barra(estilo, true, false);
    const QImage h2 = Barra(estilo, true, true);
    const QImage v1 = Barra(estilo, false, false);
    const QImage v2 = Barra(estilo, false, true);
    const int margen = 12, rotulo = 22;
    const int ancho = std::max(h1.width(), v1.width() * 2 + margen) + 2 * margen;
    const int alto =
        margen + rotulo + h1.height() + rotulo + h2.height() + rotulo + v1.height() + margen;
    QImage hoja(ancho, alto, QImage::Format_RGB32);
    hoja.fill(QColor(236, 236, 236));
    QPainter p(&hoja);
    p.setPen(Qt::black);
    QFont f = p.font();
    f.setPointSize(9);
    p.setFont(f);
    int y = margen;
    auto poner = [&](const QString& texto, const QImage& img, int x) {
        p.drawText(QRect(x, y, ancho, rotulo), Qt::AlignLeft | Qt::AlignVCenter, texto);
        p.drawImage(x, y + rotulo, img);
    };
    poner(titulo + " - horizontal, sin iconos", h1, margen);
    y += rotulo + h1.height();
    poner("horizontal, con iconos", h2, margen);
    y += rotulo + h2.height();
    poner("vertical", v1, margen);
    p.drawImage(margen * 2 + v1.width(), y + rotulo, v2);
    return hoja;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "uso: %s <carpeta de salida>\n", argv[0]);
        return 2;
    }
    Programa::EstablecerCarpeta(QCoreApplication::applicationDirPath());
    const QDir salida(QString::fromLocal8Bit(argv[1]));
    QDir().mkpath(salida.path());
    int errores = 0;
    for (int estilo = 1; estilo <= 5; ++estilo) {
        const QImage h = Hoja(QString("Estilo %1").arg(estilo),
                              [estilo](UtilVex& b) { b.ApplyColorStyle(estilo); });
        errores += !h.save(salida.filePath(QString("barra_estilo%1.png").arg(estilo)));
    }
    const QImage oscuro =
        Hoja("Estilo oscuro", [](UtilVex& b) { b.AplicarEstiloVSCode(true, 42); });
    errores += !oscuro.save(salida.filePath("barra_oscuro.png"));
    return errores == 0 ? 0 : 1;
}
