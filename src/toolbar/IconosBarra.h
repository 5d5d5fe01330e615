#pragma once
// Finding the icon files of the items in the icon folder, choosing the file
// for the item's state and fitting a picture into its icon box.
#include "ItemBarra.h"
#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>

struct ArchivosIcono {
    QString normal; // <KEY>.png
    QString over;   // <KEY>_over.png, for the hover or active state
    QString dis;    // <KEY>_dis.png, for the disabled state
};

bool CarpetaExiste(const QString& carpeta);
// The folder the icons are taken from: the given folder when it exists, else
// "img_menu", "imagenes/img_menu" or "images/img_menu" under the executable's
// folder (or the executable's folder itself), else the same under the
// application folder. The result ends in a separator.
QString ResolverCarpetaImagenes(const QString& imageFolder, const QString& carpetaEjecutable,
                                const QString& carpetaAplicacion);
// The three files for the key in the folder; each empty when it does not exist.
ArchivosIcono BuscarArchivosIcono(const QString& carpeta, const QString& clave);
// The file that shows the item in its state.
QString ArchivoIconoActual(const ItemBarra& item, bool usable, bool hoverOActivo);
bool EsArchivoPng(const QString& archivo);
// Any picture format the image readers know; null when it cannot be read.
QImage CargarImagen(const QString& archivo);
// Where a picture of the given size is drawn inside a box: reduced (never
// enlarged) to the target size and to the box, keeping its proportions, and
// centred. A target below 1 takes the box size.
QRect RectanguloIcono(QSize imagen, QSize objetivo, QSize caja);
