#include "AspectoItem.h"
#include <algorithm>

AspectoItem CalcularAspecto(const EstadoItem& e, int estilo, ColorRGB normalBackColor) {
    AspectoItem a;
    a.fondo = normalBackColor;
    if (estilo == 5 && e.activo && !e.checkable)
        a.fondo = AjustarColor(normalBackColor, -20);
    if (!e.usable)
        a.fondo = AjustarColor(normalBackColor, -6);

    if (!e.usable)
        a.colorCaption = RGB(138, 138, 138);
    else if (e.activo && !e.checkable)
        a.colorCaption = RGB(250, 250, 250);
    else
        a.colorCaption = RGB(255, 255, 255);
    if (!e.tieneIcono) {
        a.aumentoFuente = 2;
        a.centrarCaption = true;
    }

    a.textoBadge = TextoBadge(e.BadgeCount);
    if (e.Attention && e.BadgeCount > 0) {
        a.fondoBadge = e.AttentionColor;
    } else if (e.Attention) {
        // Its colour, the attention colour, gives way to the enabled-state colour below.
        a.badgeOpaco = false;
        a.textoBadge = QString(QChar(0x2022)); // character 149 of the Windows code page
        a.fuenteBadge = FuenteBadge{QStringLiteral("Arial"), 16, true};
    } else {
        a.fondoBadge = RGB(0, 120, 215);
        a.fuenteBadge = FuenteBadge{QStringLiteral("MS Sans Serif"), 8.25, false};
    }
    a.colorTextoBadge = e.usable ? RGB(255, 255, 255) : RGB(120, 120, 120);
    return a;
}

QString TextoBadge(int badgeCount) {
    if (badgeCount >= 100)
        return QStringLiteral("99+");
    if (badgeCount >= 1)
        return QString::number(badgeCount);
    return {};
}

TrazoMarca CalcularMarca(double ancho, bool checked, ColorRGB fondo) {
    TrazoMarca m;
    const double x = std::max(0.0, ancho - 230 - 14);
    const double y = 14;
    m.fondo = QRectF(QPointF(x - 4, 10), QPointF(x + 234, 248));
    m.contorno = QRectF(QPointF(x, 14), QPointF(x + 230, 244));
    auto tilde = [&](double d, ColorRGB color) {
        const QPointF a(x + 44 + d, y + 126 + d), b(x + 84 + d, y + 166 + d),
            c(x + 178 + d, y + 60 + d);
        m.lineas.push_back({QLineF(a, b), color});
        m.lineas.push_back({QLineF(b, c), color});
    };
    if (checked) {
        tilde(1, AjustarColor(fondo, -55));
        tilde(0, RGB(255, 255, 255));
        tilde(2, RGB(255, 255, 255));
    } else {
        tilde(0, AjustarColor(fondo, 34));
    }
    return m;
}

TrazoAviso CalcularAviso(double ancho, ColorRGB fondo) {
    TrazoAviso a;
    const double cx = std::max(70.0, ancho - 70 - 28);
    const double cy = 98;
    a.centroSombra = QPointF(cx + 10, cy + 10);
    a.colorSombra = AjustarColor(fondo, -45);
    a.centro = QPointF(cx, cy);
    return a;
}
