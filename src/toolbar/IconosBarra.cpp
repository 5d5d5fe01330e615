#include "IconosBarra.h"
#include "ModUtilVexBar.h"
#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <algorithm>
#include <cmath>

namespace {
const char* const subcarpetas[] = {"img_menu", "imagenes/img_menu", "images/img_menu"};

bool ArchivoExiste(const QString& archivo) {
    return QFileInfo(archivo).isFile();
}

// The first icon sub-folder that exists under base, or an empty text.
QString SubcarpetaIconos(const QString& base) {
    for (const char* sub : subcarpetas) {
        const QString c = base + QLatin1String(sub);
        if (CarpetaExiste(c))
            return c + QLatin1Char('/');
    }
    return {};
}
} // namespace

bool CarpetaExiste(const QString& carpeta) {
    return !carpeta.trimmed().isEmpty() && QFileInfo(carpeta).isDir();
}

QString ResolverCarpetaImagenes(const QString& imageFolder, const QString& carpetaEjecutable,
                                const QString& carpetaAplicacion) {
    const QString f = ModUtilVexBar::AgregarBarraFinal(imageFolder);
    if (!f.trimmed().isEmpty() && CarpetaExiste(f))
        return f;
    const QString base = ModUtilVexBar::AgregarBarraFinal(carpetaEjecutable);
    if (!base.isEmpty()) {
        const QString sub = SubcarpetaIconos(base);
        if (!sub.isEmpty())
            return sub;
        if (CarpetaExiste(base))
            return base;
    }
    const QString app = ModUtilVexBar::AgregarBarraFinal(carpetaAplicacion);
    const QString sub = SubcarpetaIconos(app);
    if (!sub.isEmpty())
        return sub;
    if (CarpetaExiste(app))
        return app;
    return app + QStringLiteral("img_menu/");
}

ArchivosIcono BuscarArchivosIcono(const QString& carpeta, const QString& clave) {
    const QString k = clave.trimmed().toUpper();
    auto siExiste = [](const QString& archivo) {
        return ArchivoExiste(archivo) ? archivo : QString();
    };
    return {siExiste(carpeta + k + QStringLiteral(".png")),
            siExiste(carpeta + k + QStringLiteral("_over.png")),
            siExiste(carpeta + k + QStringLiteral("_dis.png"))};
}

QString ArchivoIconoActual(const ItemBarra& item, bool usable, bool hoverOActivo) {
    if (!usable && !item.IconFileDis.isEmpty())
        return item.IconFileDis;
    if (!item.IconFileOver.isEmpty() && usable && hoverOActivo)
        return item.IconFileOver;
    return item.IconFile;
}

bool EsArchivoPng(const QString& archivo) {
    return archivo.trimmed().endsWith(QLatin1String(".png"), Qt::CaseInsensitive);
}

QImage CargarImagen(const QString& archivo) {
    QImageReader lector(archivo);
    return lector.read();
}

QRect RectanguloIcono(QSize imagen, QSize objetivo, QSize caja) {
    if (imagen.width() < 1 || imagen.height() < 1 || caja.isEmpty())
        return {};
    if (objetivo.width() < 1 || objetivo.height() < 1)
        objetivo = caja;
    // The icon box clips what does not fit, so the target never exceeds it.
    const int limiteW = std::min(objetivo.width(), caja.width());
    const int limiteH = std::min(objetivo.height(), caja.height());
    int dw = imagen.width();
    int dh = imagen.height();
    if (limiteW < dw || limiteH < dh) {
        double ratio = static_cast<double>(limiteW) / imagen.width();
        if (imagen.height() * ratio > limiteH)
            ratio = static_cast<double>(limiteH) / imagen.height();
        dw = std::max(1, static_cast<int>(std::lround(imagen.width() * ratio)));
        dh = std::max(1, static_cast<int>(std::lround(imagen.height() * ratio)));
    }
    const int x = std::max(0, (caja.width() - dw) / 2);
    const int y = std::max(0, (caja.height() - dh) / 2);
    return {x, y, dw, dh};
}
