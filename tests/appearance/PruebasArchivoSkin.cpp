// Skin files: what a complete skin gives, and every kind of damaged file
// refused as a whole.
#include "ArchivoSkin.h"
#include "CarpetaTemporal.h"
#include <QDir>
#include <gtest/gtest.h>

namespace {
const QByteArray kPaleta = "[Paleta]\n"
                           "Window = #F0F0F0\n"
                           "windowtext = 30, 30, 30\n"
                           "Base = white\n"
                           "Text = #000\n"
                           "Button = #E8E8E8\n"
                           "ButtonText = #1E1E1E\n"
                           "Highlight = #316AC5\n"
                           "HighlightedText = #FFFFFF\n"
                           "ToolTipBase = #FFFFE1\n"
                           "ToolTipText = #000000\n";
const QByteArray kCompleto = "; un skin mínimo\n[Skin]\nNombre = Prueba\n\n" + kPaleta +
                             "[Estilo]\n"
                             "/* un comentario con { llave */\n"
                             "QPushButton { border: 1px solid palette(dark); }\n"
                             "[no es una sección: es parte de la hoja]\n";

std::optional<Skin> Parsear(const QByteArray& texto, QString* error = nullptr) {
    return ParsearSkin(QString::fromUtf8(texto), error);
}
} // namespace

TEST(ArchivoSkin, UnSkinCompletoDaSuPaletaYSuHojaTalCual) {
    const std::optional<Skin> s = Parsear(kCompleto);
    ASSERT_TRUE(s);
    EXPECT_EQ(s->nombre, QStringLiteral("Prueba"));
    EXPECT_EQ(s->paleta.color(QPalette::Active, QPalette::WindowText), QColor(30, 30, 30));
    EXPECT_EQ(s->paleta.color(QPalette::Inactive, QPalette::Base), QColor(Qt::white));
    EXPECT_EQ(s->paleta.color(QPalette::Active, QPalette::Highlight), QColor(0x31, 0x6A, 0xC5));
    EXPECT_EQ(s->colores.size(), 10);
    EXPECT_TRUE(s->hoja.startsWith(QStringLiteral("/* un comentario")));
    EXPECT_TRUE(s->hoja.contains(QStringLiteral("[no es una sección: es parte de la hoja]")));
    // Disabled texts go halfway to their surface; enabled ones are as written.
    const QColor desactivado = s->paleta.color(QPalette::Disabled, QPalette::ButtonText);
    EXPECT_NEAR(desactivado.red(), (0x1E + 0xE8) / 2, 1);
    // Without a placeholder colour, one between the text and the box.
    const QColor aviso = s->paleta.color(QPalette::Active, QPalette::PlaceholderText);
    EXPECT_GT(aviso.red(), 0);
    EXPECT_LT(aviso.red(), 255);
}

TEST(ArchivoSkin, UnArchivoDanadoNoEsUnSkin) {
    struct Caso {
        const char* que;
        QByteArray texto;
    };
    QByteArray sinRol = kPaleta;
    sinRol.replace("Highlight = #316AC5\n", "");
    const Caso casos[] = {
        {"vacío", ""},
        {"sin [Skin]", kPaleta + "[Estilo]\n"},
        {"sin [Estilo]", "[Skin]\n" + kPaleta},
        {"sin [Paleta]", "[Skin]\n[Estilo]\nQWidget {}\n"},
        {"falta un rol obligatorio", "[Skin]\n" + sinRol + "[Estilo]\n"},
        {"color ilegible", "[Skin]\n" + kPaleta + "Link = #12345G\n[Estilo]\n"},
        {"componente fuera de rango", "[Skin]\n" + kPaleta + "Link = 10, 300, 10\n[Estilo]\n"},
        {"rol desconocido", "[Skin]\n" + kPaleta + "Fondo = #FFFFFF\n[Estilo]\n"},
        {"línea sin igual", "[Skin]\n" + kPaleta + "Window #FFFFFF\n[Estilo]\n"},
        {"sección desconocida", "[Skin]\n[Colores]\n" + kPaleta + "[Estilo]\n"},
        {"llave sin cerrar", "[Skin]\n" + kPaleta + "[Estilo]\nQPushButton { color: red;\n"},
        {"llave de más", "[Skin]\n" + kPaleta + "[Estilo]\nQPushButton { color: red; } }\n"},
        {"comentario sin cerrar", "[Skin]\n" + kPaleta + "[Estilo]\n/* QPushButton {}\n"},
        {"comilla sin cerrar",
         "[Skin]\n" + kPaleta + "[Estilo]\nQLabel { qproperty-text: \"a; }\n"},
    };
    for (const Caso& c : casos) {
        QString error;
        EXPECT_FALSE(Parsear(c.texto, &error)) << c.que;
        EXPECT_FALSE(error.isEmpty()) << c.que;
    }
}

TEST(ArchivoSkin, ArchivosYCarpetasDeSkins) {
    CarpetaTemporal t;
    t.escribir(QStringLiteral("Uno.cjstyles"), kCompleto);
    QDir(t.ruta()).mkpath(QStringLiteral("Carpeta"));
    t.escribir(QStringLiteral("Carpeta/Normal.ini"), "\xEF\xBB\xBF" + kCompleto);
    t.escribir(QStringLiteral("Binario.cjstyles"), QByteArray("[Skin]\0\x01\x02", 9) + kPaleta);
    t.escribir(QStringLiteral("Latin1.cjstyles"),
               QByteArray("[Skin]\nNombre = Se\xF1or\n") + kPaleta + "[Estilo]\n");

    EXPECT_TRUE(LeerSkin(t.ruta(QStringLiteral("Uno.cjstyles")), QString()));
    // A skin folder with its settings file; the byte order mark is not text.
    const auto enCarpeta =
        LeerSkin(t.ruta(QStringLiteral("Carpeta")), QStringLiteral("Normal.ini"));
    ASSERT_TRUE(enCarpeta);
    EXPECT_EQ(enCarpeta->nombre, QStringLiteral("Prueba"));
    EXPECT_EQ(LeerSkin(t.ruta(QStringLiteral("Latin1.cjstyles")), QString())->nombre,
              QStringLiteral("Señor"));
    // Images named with a relative path are the skin's own, next to its file.
    t.escribir(QStringLiteral("Carpeta/Imagenes.ini"),
               kCompleto + "QComboBox::down-arrow { image: url(flecha.png); }\n"
                           "QCheckBox::indicator { image: url( 'sub/marca.png' ); }\n"
                           "QRadioButton::indicator { image: url(:/recurso.png); }\n"
                           "QToolButton { image: url(\"/opt/iconos/uno.png\"); }\n");
    const QString hoja =
        LeerSkin(t.ruta(QStringLiteral("Carpeta")), QStringLiteral("Imagenes.ini"))->hoja;
    const QString carpeta = QDir(t.ruta(QStringLiteral("Carpeta"))).absolutePath();
    EXPECT_TRUE(hoja.contains(QStringLiteral("url(\"%1/flecha.png\")").arg(carpeta)));
    EXPECT_TRUE(hoja.contains(QStringLiteral("url(\"%1/sub/marca.png\")").arg(carpeta)));
    EXPECT_TRUE(hoja.contains(QStringLiteral("url(:/recurso.png)")));
    EXPECT_TRUE(hoja.contains(QStringLiteral("url(\"/opt/iconos/uno.png\")")));
    QString error;
    // A folder without a settings name, a missing settings file, a missing
    // file, a binary file.
    EXPECT_FALSE(LeerSkin(t.ruta(QStringLiteral("Carpeta")), QString(), &error));
    EXPECT_FALSE(LeerSkin(t.ruta(QStringLiteral("Carpeta")), QStringLiteral("Otro.ini")));
    EXPECT_FALSE(LeerSkin(t.ruta(QStringLiteral("Falta.cjstyles")), QString()));
    EXPECT_FALSE(LeerSkin(t.ruta(QStringLiteral("Binario.cjstyles")), QString()));
    EXPECT_FALSE(LeerSkin(QString(), QString()));
}
