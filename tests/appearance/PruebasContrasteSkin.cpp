// Readability: the WCAG contrast ratio, the pairs a skin defines, and every
// pair of every shipped skin at 4.5:1 or more.
#include "AjustesApariencia.h"
#include "ArchivoSkin.h"
#include "ContrasteSkin.h"
#include "EntornoApariencia.h"
#include <QImage>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {
const char* kPaletaClara = "[Skin]\n[Paleta]\n"
                           "Window = #FFFFFF\nWindowText = #000000\nBase = #FFFFFF\n"
                           "Text = #000000\nButton = #FFFFFF\nButtonText = #000000\n"
                           "Highlight = #000080\nHighlightedText = #FFFFFF\n"
                           "ToolTipBase = #FFFFFF\nToolTipText = #000000\n"
                           "PlaceholderText = #595959\nLink = #0000EE\n"
                           "[Estilo]\n";

Skin ConHoja(const char* hoja) {
    return *ParsearSkin(QString::fromLatin1(kPaletaClara) + QString::fromLatin1(hoja));
}

// The pairs below 4.5:1, one line each.
QStringList Ilegibles(const Skin& s) {
    QStringList r;
    for (const ParTextoFondo& p : ParesTextoFondo(s)) {
        const double razon = RazonContraste(p.texto, p.fondo);
        if (razon < 4.5)
            r << QStringLiteral("%1: %2 sobre %3 = %4")
                     .arg(p.donde, p.texto.name(), p.fondo.name())
                     .arg(razon, 0, 'f', 2);
    }
    return r;
}

// The five skins of the skin table, as the build ships them.
QList<QPair<QString, Skin>> SkinsDelPrograma() {
    const QString carpeta = QFileInfo(EntornoApariencia::CarpetaSkinsDelPrograma()).path();
    QList<QPair<QString, Skin>> r;
    for (int numero : {1, 2, 3, 4, 5}) {
        const SkinElegido e = SkinDeNumero(numero, carpeta);
        QString error;
        const std::optional<Skin> s = LeerSkin(e.ruta, e.ajustes, &error);
        EXPECT_TRUE(s) << e.ruta.toStdString() << ": " << error.toStdString();
        if (s)
            r.append({RutaArchivoSkin(e.ruta, e.ajustes), *s});
    }
    return r;
}
} // namespace

TEST(ContrasteSkin, RazonSegunWcag) {
    EXPECT_NEAR(RazonContraste(Qt::black, Qt::white), 21.0, 1e-9);
    EXPECT_NEAR(RazonContraste(Qt::white, Qt::black), 21.0, 1e-9);
    EXPECT_NEAR(RazonContraste(QColor(0x33, 0x66, 0x99), QColor(0x33, 0x66, 0x99)), 1.0, 1e-9);
    // The usual threshold examples: #767676 passes on white, #777777 does not.
    EXPECT_GE(RazonContraste(QColor(0x76, 0x76, 0x76), Qt::white), 4.5);
    EXPECT_LT(RazonContraste(QColor(0x77, 0x77, 0x77), Qt::white), 4.5);
    EXPECT_NEAR(RazonContraste(QColor(0xFF, 0x00, 0x00), Qt::white), 4.0, 0.01);
}

TEST(ContrasteSkin, ColoresDeUnValorDeLaHoja) {
    const QPalette p = ConHoja("").paleta;
    EXPECT_EQ(ColoresDeValor(QStringLiteral("#123"), p), QList<QColor>{QColor(0x11, 0x22, 0x33)});
    EXPECT_EQ(ColoresDeValor(QStringLiteral("palette(highlighted-text)"), p),
              QList<QColor>{QColor(Qt::white)});
    EXPECT_EQ(ColoresDeValor(QStringLiteral("rgb(1, 2, 3)"), p), QList<QColor>{QColor(1, 2, 3)});
    EXPECT_TRUE(ColoresDeValor(QStringLiteral("transparent"), p).isEmpty());
    EXPECT_TRUE(ColoresDeValor(QStringLiteral("rgba(255, 255, 255, 0)"), p).isEmpty());
    // Every stop of a gradient, whatever way its colour is written.
    EXPECT_EQ(ColoresDeValor(QStringLiteral("qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 "
                                            "#FFFFFF, stop:0.5 rgb(10, 20, 30), stop:1 "
                                            "palette(highlight))"),
                             p),
              (QList<QColor>{Qt::white, QColor(10, 20, 30), QColor(0, 0, 0x80)}));
}

TEST(ContrasteSkin, LosParesQueDefineUnaHoja) {
    // A button's own pair, each stop of its gradient; a text on the window
    // against the windows of the sheet; a frame against the labels' colour;
    // selection colours; a disabled button and a scroll bar handle pair nothing.
    const Skin s = ConHoja("QPushButton { color: #000000; background: qlineargradient(x1:0, "
                           "y1:0, x2:0, y2:1, stop:0 #FFFFFF, stop:1 #202020); }\n"
                           "QGroupBox::title { color: #909090; }\n"
                           "QDialog { background: #303030; }\n"
                           "QStatusBar { color: #FFFFFF; background: #101010; }\n"
                           "QTableView { selection-background-color: #FFFF00; }\n"
                           "QPushButton:disabled { color: #EEEEEE; background: #FFFFFF; }\n"
                           "QScrollBar::handle { background: #FFFFFF; }\n");
    const QStringList malos = Ilegibles(s);
    auto hay = [&](const QString& inicio) {
        return std::any_of(malos.begin(), malos.end(),
                           [&](const QString& m) { return m.startsWith(inicio); });
    };
    EXPECT_TRUE(hay(QStringLiteral("QPushButton: #000000 sobre #202020")));
    EXPECT_FALSE(hay(QStringLiteral("QPushButton: #000000 sobre #ffffff")));
    EXPECT_TRUE(hay(QStringLiteral("QGroupBox::title: #909090 sobre #ffffff")));
    EXPECT_TRUE(hay(QStringLiteral("QGroupBox::title: #909090 sobre #303030")));
    EXPECT_TRUE(hay(QStringLiteral("QDialog: #000000 sobre #303030")));
    // The status bar's labels keep the palette's black, whatever its "color".
    EXPECT_TRUE(hay(QStringLiteral("QStatusBar: #000000 sobre #101010")));
    EXPECT_TRUE(hay(QStringLiteral("QTableView (selección): #ffffff sobre #ffff00")));
    EXPECT_FALSE(hay(QStringLiteral("QPushButton:disabled")));
    EXPECT_FALSE(hay(QStringLiteral("QScrollBar")));
    EXPECT_EQ(malos.size(), 6) << malos.join(u'\n').toStdString();
}

TEST(ContrasteSkin, CadaSkinDelProgramaSeLeeConTodoSuTextoLegible) {
    const QList<QPair<QString, Skin>> skins = SkinsDelPrograma();
    ASSERT_EQ(skins.size(), 5);
    QSet<QRgb> ventanas;
    for (const auto& [archivo, skin] : skins) {
        const QStringList malos = Ilegibles(skin);
        EXPECT_TRUE(malos.isEmpty()) << archivo.toStdString() << "\n"
                                     << malos.join(u'\n').toStdString();
        EXPECT_GT(ParesTextoFondo(skin).size(), 30) << archivo.toStdString();
        // The fonts come from the settings: a skin that set one would undo them.
        static const QRegularExpression fuente(
            QStringLiteral("(^|[;{\\s])font(-family|-size)?\\s*:"));
        EXPECT_FALSE(skin.hoja.contains(fuente)) << archivo.toStdString();
        // The flat marks of text boxes, combo boxes and buttons have a look.
        for (const char* plano : {"QLineEdit[Appearance=\"0\"]", "QPushButton[Appearance=\"0\"]"})
            EXPECT_TRUE(skin.hoja.contains(QLatin1String(plano))) << archivo.toStdString() << plano;
        // Cells keep the colours the grid gives them (editable grey, blue
        // voucher headers): no skin paints the items of a view.
        EXPECT_FALSE(skin.hoja.contains(QRegularExpression(QStringLiteral("View::item\\s*\\{"))))
            << archivo.toStdString();
        // Text on the grid's grey editable cells and its grey fixed column.
        const QColor texto = skin.paleta.color(QPalette::Active, QPalette::Text);
        EXPECT_GE(RazonContraste(texto, QColor(224, 224, 224)), 4.5) << archivo.toStdString();
        EXPECT_GE(RazonContraste(texto, QColor(240, 240, 240)), 4.5) << archivo.toStdString();
        // The images the skin names are shipped with it.
        static const QRegularExpression imagen(QStringLiteral("url\\(\"([^\"]+)\"\\)"));
        for (auto it = imagen.globalMatch(skin.hoja); it.hasNext();) {
            const QString ruta = it.next().captured(1);
            EXPECT_FALSE(QImage(ruta).isNull()) << ruta.toStdString();
        }
        ventanas.insert(skin.paleta.color(QPalette::Active, QPalette::Window).rgb());
    }
    EXPECT_EQ(ventanas.size(), 5) << "cada skin tiene su propio color de ventana";
}
