#pragma once
// Where the cells of the bar go, in twips: orientation, the cell of each
// visible item, the background band, the parts inside a cell and the fitting
// of captions to the cell width. Also the counter that turns a batch of layout
// requests into one pass.
#include <QRectF>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

struct EntradaDisposicion {
    double anchoControl = 0; // twips
    double altoControl = 0;
    double anchoPlantilla = 840; // the template cell
    double altoPlantilla = 720;
    double ItemHeight = 520;
    double TopOffset = 10;
    double ButtonGap = 0;
    double GroupGap = 0;
    QString GroupBreakAfterTag;
    bool ShowCaptions = true;
    bool Horizontal = false;
    bool AutoOrientacion = true;
};

// What the layout needs of each slot.
struct SlotDisposicion {
    QString Tag;
    bool Visible = false; // an item below count that is visible
};

struct CeldaUbicada {
    int indice = 0;
    QRectF celda;
    QRectF barra; // accent bar
};

struct Disposicion {
    bool horizontal = false;
    std::optional<QRectF> banda;      // the area painted in the separator colour
    std::vector<CeldaUbicada> celdas; // visible items, in slot order
};

Disposicion CalcularDisposicion(const EntradaDisposicion& e,
                                const std::vector<SlotDisposicion>& lugares);

struct PartesCelda {
    QRectF caption;
    QRectF barra;
    QRectF badge;
    QRectF cajaIcono;
    bool captionVisible = false;
    bool badgeVisible = false;
};

// The parts of a cell: the caption under it, the accent bar at its left, the
// badge at its top right corner and the icon box over it. altoTexto is the
// height of "Ag" in the caption font.
PartesCelda UbicarPartes(const QRectF& celda, double altoTexto, int badgeCount, bool attention,
                         bool showCaptions);

// The caption on one line, cut with "..." when it is wider than ancho; medir
// gives the width of a text in the same unit as ancho.
QString AjustarTexto(const QString& texto, double ancho,
                     const std::function<double(const QString&)>& medir);

// The update counter of the bar: while it is above 0 a layout request is kept
// pending and run once when the counter returns to 0.
class ContadorActualizacion {
public:
    void Iniciar();
    // True when the pending layout must run now.
    bool Finalizar();
    // True when the layout may run now; otherwise it is kept pending.
    bool Pedir();

private:
    int contador_ = 0;
    bool pendiente_ = false;
};
