#include "ContrasteSkin.h"
#include <QMap>
#include <QMetaEnum>
#include <QRegularExpression>
#include <cmath>

namespace {

double lineal(double canal) {
    return canal <= 0.04045 ? canal / 12.92 : std::pow((canal + 0.055) / 1.055, 2.4);
}

double luminancia(const QColor& c) {
    return 0.2126 * lineal(c.redF()) + 0.7152 * lineal(c.greenF()) + 0.0722 * lineal(c.blueF());
}

// The sheet without its comments.
QString sinComentarios(QString hoja) {
    static const QRegularExpression comentario(QStringLiteral("/\\*.*?\\*/"),
                                               QRegularExpression::DotMatchesEverythingOption);
    return hoja.remove(comentario);
}

struct Regla {
    QString selector;
    QMap<QString, QString> declaraciones; // property in lower case → value
};

QList<Regla> reglas(const QString& hoja) {
    QList<Regla> r;
    const QString t = sinComentarios(hoja);
    qsizetype desde = 0;
    for (;;) {
        const qsizetype abre = t.indexOf(u'{', desde);
        if (abre < 0)
            break;
        const qsizetype cierra = t.indexOf(u'}', abre);
        if (cierra < 0)
            break;
        QMap<QString, QString> decl;
        for (const QString& d : t.mid(abre + 1, cierra - abre - 1).split(u';')) {
            const qsizetype dosPuntos = d.indexOf(u':');
            if (dosPuntos > 0)
                decl.insert(d.left(dosPuntos).trimmed().toLower(), d.mid(dosPuntos + 1).trimmed());
        }
        for (const QString& s : t.mid(desde, abre - desde).split(u','))
            if (!s.trimmed().isEmpty())
                r.append({s.simplified(), decl});
        desde = cierra + 1;
    }
    return r;
}

// The part of the last compound of a selector that names the widget class and
// its sub-control: "QTableView QHeaderView::section:hover" → "QHeaderView",
// "section".
void claseYParte(const QString& selector, QString& clase, QString& parte) {
    QString ultimo = selector.split(u' ', Qt::SkipEmptyParts).value(-1);
    if (ultimo.isEmpty())
        ultimo = selector;
    ultimo.remove(QRegularExpression(QStringLiteral("\\[[^\\]]*\\]")));
    const qsizetype sub = ultimo.indexOf(QStringLiteral("::"));
    if (sub >= 0) {
        parte = ultimo.mid(sub + 2).section(u':', 0, 0);
        ultimo = ultimo.left(sub);
    }
    clase = ultimo.section(u':', 0, 0).section(u'#', 0, 0).remove(u'.');
}

// Sub-controls that never carry text.
bool parteSinTexto(const QString& parte) {
    static const QStringList partes = {
        QStringLiteral("handle"),        QStringLiteral("chunk"),
        QStringLiteral("groove"),        QStringLiteral("add-line"),
        QStringLiteral("sub-line"),      QStringLiteral("add-page"),
        QStringLiteral("sub-page"),      QStringLiteral("indicator"),
        QStringLiteral("drop-down"),     QStringLiteral("down-arrow"),
        QStringLiteral("up-arrow"),      QStringLiteral("left-arrow"),
        QStringLiteral("right-arrow"),   QStringLiteral("up-button"),
        QStringLiteral("down-button"),   QStringLiteral("separator"),
        QStringLiteral("corner"),        QStringLiteral("branch"),
        QStringLiteral("scroller"),      QStringLiteral("tear"),
        QStringLiteral("close-button"),  QStringLiteral("float-button"),
        QStringLiteral("menu-indicator")};
    return partes.contains(parte, Qt::CaseInsensitive);
}

// Widgets that draw no text of their own.
bool claseSinTexto(const QString& clase) {
    static const QStringList clases = {QStringLiteral("QScrollBar"), QStringLiteral("QSplitter"),
                                       QStringLiteral("QSlider"), QStringLiteral("QScrollArea")};
    return clases.contains(clase);
}

// Surfaces that hold labels: their text is the labels' palette colour,
// whatever "color" the rule gives (it does not reach the labels).
bool esSuperficie(const QString& clase, const QString& parte) {
    static const QStringList clases = {
        QStringLiteral("QDialog"),    QStringLiteral("QMainWindow"),   QStringLiteral("QWidget"),
        QStringLiteral("QFrame"),     QStringLiteral("QStatusBar"),    QStringLiteral("QGroupBox"),
        QStringLiteral("QTabWidget"), QStringLiteral("QStackedWidget")};
    if (parte.compare(QLatin1String("pane"), Qt::CaseInsensitive) == 0)
        return true;
    return parte.isEmpty() && clases.contains(clase);
}

// The palette roles a widget class draws its text and its surface with.
QPair<QPalette::ColorRole, QPalette::ColorRole> rolesDe(const QString& clase,
                                                        const QString& parte) {
    static const QStringList deTexto = {
        QStringLiteral("QLineEdit"),      QStringLiteral("QTextEdit"),
        QStringLiteral("QPlainTextEdit"), QStringLiteral("QAbstractItemView"),
        QStringLiteral("QListView"),      QStringLiteral("QListWidget"),
        QStringLiteral("QTreeView"),      QStringLiteral("QTreeWidget"),
        QStringLiteral("QTableView"),     QStringLiteral("QTableWidget"),
        QStringLiteral("QSpinBox"),       QStringLiteral("QDoubleSpinBox"),
        QStringLiteral("QDateEdit"),      QStringLiteral("QAbstractSpinBox")};
    static const QStringList deBoton = {
        QStringLiteral("QPushButton"), QStringLiteral("QToolButton"),
        QStringLiteral("QComboBox"),   QStringLiteral("QHeaderView"),
        QStringLiteral("QTabBar"),     QStringLiteral("QTableCornerButton")};
    if (clase == QLatin1String("QToolTip"))
        return {QPalette::ToolTipText, QPalette::ToolTipBase};
    if (parte.compare(QLatin1String("item"), Qt::CaseInsensitive) == 0 || deTexto.contains(clase))
        return {QPalette::Text, QPalette::Base};
    if (deBoton.contains(clase) ||
        parte.compare(QLatin1String("section"), Qt::CaseInsensitive) == 0 ||
        parte.compare(QLatin1String("tab"), Qt::CaseInsensitive) == 0)
        return {QPalette::ButtonText, QPalette::Button};
    return {QPalette::WindowText, QPalette::Window};
}

QList<QColor> fondos(const QMap<QString, QString>& decl, const QPalette& p) {
    QList<QColor> r;
    for (const char* propiedad : {"background", "background-color"}) {
        const auto it = decl.constFind(QLatin1String(propiedad));
        if (it != decl.constEnd())
            r << ColoresDeValor(it.value(), p);
    }
    return r;
}

QList<QColor> textos(const QMap<QString, QString>& decl, const char* propiedad, const QPalette& p) {
    const auto it = decl.constFind(QLatin1String(propiedad));
    return it == decl.constEnd() ? QList<QColor>() : ColoresDeValor(it.value(), p);
}

void emparejar(QList<ParTextoFondo>& r, const QString& donde, const QList<QColor>& letras,
               const QList<QColor>& superficies) {
    for (const QColor& l : letras)
        for (const QColor& f : superficies)
            r.append({donde, l, f});
}

} // namespace

double RazonContraste(const QColor& a, const QColor& b) {
    const double la = luminancia(a);
    const double lb = luminancia(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QList<QColor> ColoresDeValor(const QString& valor, const QPalette& paleta) {
    static const QRegularExpression color(
        QStringLiteral("#[0-9a-fA-F]{3,8}\\b|rgba?\\s*\\([^)]*\\)|"
                       "palette\\s*\\(\\s*([a-zA-Z-]+)\\s*\\)|\\b[a-zA-Z]+\\b"));
    // The colours named in a piece of the value, at most the first one.
    auto colores = [&](const QString& texto, bool soloElPrimero) {
        QList<QColor> r;
        for (auto it = color.globalMatch(texto); it.hasNext();) {
            const QRegularExpressionMatch m = it.next();
            const QString t = m.captured(0);
            QColor c;
            if (!m.captured(1).isEmpty()) {
                if (const auto rol = RolDeNombre(m.captured(1).remove(u'-')))
                    c = paleta.color(QPalette::Active, *rol);
            } else if (t.startsWith(QLatin1String("rgb"), Qt::CaseInsensitive)) {
                const QStringList n = t.section(u'(', 1).section(u')', 0, 0).split(u',');
                // A colour that lets everything through is no surface.
                const bool invisible = n.size() >= 4 && n[3].trimmed().toDouble() == 0;
                if (n.size() >= 3 && !invisible)
                    c = QColor(n[0].trimmed().toInt(), n[1].trimmed().toInt(),
                               n[2].trimmed().toInt());
            } else if (QColor::isValidColorName(t) &&
                       t.compare(QLatin1String("transparent"), Qt::CaseInsensitive) != 0) {
                c = QColor::fromString(t);
            }
            if (!c.isValid())
                continue;
            r << c;
            if (soloElPrimero)
                break;
        }
        return r;
    };
    if (!valor.contains(QLatin1String("gradient"), Qt::CaseInsensitive))
        return colores(valor, false);
    // A gradient: the colour after each "stop:n".
    static const QRegularExpression parada(QStringLiteral("stop\\s*:\\s*[0-9.]+"));
    QList<QColor> r;
    const QStringList trozos = valor.split(parada);
    for (qsizetype i = 1; i < trozos.size(); ++i)
        r << colores(trozos[i], true);
    return r;
}

QList<ParTextoFondo> ParesTextoFondo(const Skin& skin) {
    QList<ParTextoFondo> r;
    const QPalette& p = skin.paleta;
    const QPair<QPalette::ColorRole, QPalette::ColorRole> deLaPaleta[] = {
        {QPalette::WindowText, QPalette::Window},
        {QPalette::Text, QPalette::Base},
        {QPalette::Text, QPalette::AlternateBase},
        {QPalette::PlaceholderText, QPalette::Base},
        {QPalette::ButtonText, QPalette::Button},
        {QPalette::HighlightedText, QPalette::Highlight},
        {QPalette::ToolTipText, QPalette::ToolTipBase},
        {QPalette::Link, QPalette::Window},
        {QPalette::Link, QPalette::Base}};
    const QMetaEnum roles = QMetaEnum::fromType<QPalette::ColorRole>();
    for (const auto& [texto, fondo] : deLaPaleta)
        r.append({QStringLiteral("paleta: %1/%2")
                      .arg(QLatin1String(roles.valueToKey(texto)),
                           QLatin1String(roles.valueToKey(fondo))),
                  p.color(QPalette::Active, texto), p.color(QPalette::Active, fondo)});

    // Labels, group titles and check boxes stand on the windows, frames and
    // status bars of the sheet as much as on the palette's window colour.
    const QList<Regla> lista = reglas(skin.hoja);
    QList<QColor> superficies{p.color(QPalette::Active, QPalette::Window)};
    for (const Regla& regla : lista) {
        QString clase, parte;
        claseYParte(regla.selector, clase, parte);
        if (esSuperficie(clase, parte))
            superficies << fondos(regla.declaraciones, p);
    }

    for (const Regla& regla : lista) {
        // Disabled controls need no contrast (WCAG exempts them).
        if (regla.selector.contains(QLatin1String(":disabled"), Qt::CaseInsensitive))
            continue;
        QString clase, parte;
        claseYParte(regla.selector, clase, parte);
        const auto [rolTexto, rolFondo] = rolesDe(clase, parte);
        const QMap<QString, QString>& d = regla.declaraciones;
        const QList<QColor> letrasDadas = textos(d, "color", p);
        const QList<QColor> fondosDados = fondos(d, p);
        const QColor letraPaleta = p.color(QPalette::Active, rolTexto);
        if (esSuperficie(clase, parte)) {
            emparejar(r, regla.selector, {p.color(QPalette::Active, QPalette::WindowText)},
                      fondosDados);
        } else if (!letrasDadas.isEmpty() || !(parteSinTexto(parte) || claseSinTexto(clase))) {
            QList<QColor> letras = letrasDadas;
            QList<QColor> debajo = fondosDados;
            if (letras.isEmpty() && !debajo.isEmpty())
                letras << letraPaleta;
            if (!letras.isEmpty() && debajo.isEmpty())
                debajo = rolFondo == QPalette::Window
                             ? superficies
                             : QList<QColor>{p.color(QPalette::Active, rolFondo)};
            emparejar(r, regla.selector, letras, debajo);
            emparejar(r, regla.selector + QStringLiteral(" (filas alternas)"),
                      letras.isEmpty() ? QList<QColor>{letraPaleta} : letras,
                      textos(d, "alternate-background-color", p));
        }
        QList<QColor> seleccion = textos(d, "selection-color", p);
        QList<QColor> fondoSeleccion = textos(d, "selection-background-color", p);
        if (seleccion.isEmpty() && fondoSeleccion.isEmpty())
            continue;
        if (seleccion.isEmpty())
            seleccion << p.color(QPalette::Active, QPalette::HighlightedText);
        if (fondoSeleccion.isEmpty())
            fondoSeleccion << p.color(QPalette::Active, QPalette::Highlight);
        emparejar(r, regla.selector + QStringLiteral(" (selección)"), seleccion, fondoSeleccion);
    }
    return r;
}
