#include "DisposicionBarra.h"
#include <algorithm>

Disposicion CalcularDisposicion(const EntradaDisposicion& e,
                                const std::vector<SlotDisposicion>& lugares) {
    Disposicion d;
    const double cellW = e.anchoPlantilla > 0 ? e.anchoPlantilla : 540;
    const double cellH =
        e.ItemHeight > 0 ? e.ItemHeight : (e.altoPlantilla > 0 ? e.altoPlantilla : 480);
    const double top0 = e.TopOffset - 60;
    d.horizontal = e.AutoOrientacion ? e.anchoControl >= e.altoControl : e.Horizontal;

    if (d.horizontal && e.altoControl > 975)
        d.banda = QRectF(0, 975, e.anchoControl, e.altoControl - 975);
    else if (!d.horizontal && e.anchoControl > 1020)
        d.banda = QRectF(1020, 0, e.anchoControl - 1020, e.altoControl);

    double x = 120;
    double y = e.TopOffset + 80;
    double paso = 0;
    if (!d.horizontal) {
        if (e.ShowCaptions) {
            const auto n = static_cast<double>(
                std::count_if(lugares.begin(), lugares.end(),
                              [](const SlotDisposicion& s) { return s.Visible; }));
            double gap = 20;
            if (n > 1) {
                const double fit =
                    (e.altoControl - 60 - (80 + e.TopOffset) - n * cellH - n * 400) / (n - 1);
                if (fit < gap)
                    gap = fit;
            }
            if (gap < 0)
                gap = 0;
            paso = 400 + gap + e.ButtonGap;
        } else {
            paso = e.ButtonGap;
        }
    }

    const QString grupo = e.GroupBreakAfterTag.trimmed().toUpper();
    for (size_t i = 0; i < lugares.size(); ++i) {
        if (!lugares[i].Visible)
            continue;
        CeldaUbicada c;
        c.indice = static_cast<int>(i);
        if (d.horizontal) {
            c.celda = QRectF(x, top0, cellW, cellH);
            c.barra = QRectF(x, top0, 60, cellH);
            x += cellW + 120 + e.ButtonGap;
        } else {
            c.celda = QRectF(120, y, cellW, cellH);
            c.barra = QRectF(120, y, 60, cellH);
            y += cellH + paso;
        }
        if (e.GroupGap > 0 && !grupo.isEmpty() && lugares[i].Tag.toUpper() == grupo) {
            if (d.horizontal)
                x += e.GroupGap;
            else
                y += e.GroupGap;
        }
        d.celdas.push_back(c);
    }
    return d;
}

PartesCelda UbicarPartes(const QRectF& celda, double altoTexto, int badgeCount, bool attention,
                         bool showCaptions) {
    PartesCelda p;
    const double L = celda.left(), T = celda.top(), W = celda.width(), H = celda.height();
    const double capH = std::max(400.0, altoTexto + 45);
    p.caption = QRectF(L, T + H + 10, W, capH);
    p.captionVisible = showCaptions;
    p.barra = QRectF(L - 80, T, 60, p.caption.bottom() - T);
    if (badgeCount > 0 || !attention)
        p.badge = QRectF(L + W - 315, T + 75, 240, 225);
    else
        p.badge = QRectF(L + W - 210, T + 60, 180, 180);
    p.badgeVisible = badgeCount > 0;
    p.cajaIcono = celda;
    return p;
}

QString AjustarTexto(const QString& texto, double ancho,
                     const std::function<double(const QString&)>& medir) {
    QString limpio = texto.trimmed();
    limpio.replace(u'\r', u' ').replace(u'\n', u' ');
    if (limpio.trimmed().isEmpty())
        return {};
    if (medir(limpio) <= ancho)
        return limpio;
    const QString puntos = QStringLiteral("...");
    for (qsizetype n = limpio.size(); n >= 1; --n) {
        const QString candidato = limpio.left(n) + puntos;
        if (medir(candidato) <= ancho)
            return candidato;
    }
    return puntos;
}

void ContadorActualizacion::Iniciar() {
    ++contador_;
}

bool ContadorActualizacion::Finalizar() {
    if (contador_ > 0)
        --contador_;
    if (contador_ == 0 && pendiente_) {
        pendiente_ = false;
        return true;
    }
    return false;
}

bool ContadorActualizacion::Pedir() {
    if (contador_ > 0) {
        pendiente_ = true;
        return false;
    }
    return true;
}
