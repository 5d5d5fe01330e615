#pragma once
// The colours and texts of one item in its state: cell and caption colours,
// the badge, the check box and the attention dot. Geometry is in twips,
// relative to the surface the mark is drawn on (the icon box or the cell).
#include "ColoresBarra.h"
#include <QLineF>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <optional>
#include <vector>

struct EstadoItem {
    bool usable = false;     // the item and the bar are enabled
    bool activo = false;     // the item is the active one
    bool checkable = false;  // through the printer and share routing
    bool tieneIcono = false; // an icon file was accepted or the key has a base image
    int BadgeCount = 0;
    bool Attention = false;
    ColorRGB AttentionColor = 0;
};

struct FuenteBadge {
    QString nombre;
    double puntos = 0;
    bool negrita = false;
};

struct AspectoItem {
    ColorRGB fondo = 0;
    ColorRGB colorCaption = 0;
    int aumentoFuente = 0;       // points added to the base caption size
    bool centrarCaption = false; // otherwise the base alignment
    QString textoBadge;
    bool badgeOpaco = true;
    ColorRGB fondoBadge = 0;
    ColorRGB colorTextoBadge = 0;
    // The badge font when the state names one; otherwise the badge keeps its own.
    std::optional<FuenteBadge> fuenteBadge;
};

AspectoItem CalcularAspecto(const EstadoItem& e, int estilo, ColorRGB normalBackColor);
// "99+" from 100 on, the count from 1 to 99, "" below 1.
QString TextoBadge(int badgeCount);

struct TrazoMarca {
    QRectF fondo;    // filled with the cell background
    QRectF contorno; // outlined in RGB(238,238,238)
    struct Linea {
        QLineF linea;
        ColorRGB color;
    };
    std::vector<Linea> lineas;
};
// The check box of a checkable item at the top right of a surface ancho wide.
TrazoMarca CalcularMarca(double ancho, bool checked, ColorRGB fondo);

struct TrazoAviso {
    QPointF centroSombra;
    ColorRGB colorSombra;
    QPointF centro;
    double radio = 70;
};
// The attention dot near the top right of a surface ancho wide.
TrazoAviso CalcularAviso(double ancho, ColorRGB fondo);
