#include "CarpetaTemporal.h"
#include "LectorIni.h"
#include <gtest/gtest.h>

TEST(LectorIni, SeccionesYClavesSinDistinguirMayusculas) {
    CarpetaTemporal dir;
    const QString ini = dir.escribir(QStringLiteral("cn000pr.ini"), "; comentario\r\n"
                                                                    "[OPERADOR1Styles]\r\n"
                                                                    "Styles = 3 \r\n"
                                                                    "Vacia=\r\n"
                                                                    "Citada=\"  con blancos  \"\r\n"
                                                                    "sin igual\r\n"
                                                                    "[Otra]\r\n"
                                                                    "Styles=9\r\n"
                                                                    "[operador1styles]\r\n"
                                                                    "Styles=7\r\n");
    const struct {
        const char* seccion;
        const char* clave;
        const char* esperado;
    } casos[] = {
        {"OPERADOR1Styles", "Styles", "3"},
        {"operador1STYLES", "STYLES", "3"}, // the first section of the name counts
        {"Otra", "styles", "9"},
        {"OPERADOR1Styles", "Vacia", ""},
        {"OPERADOR1Styles", "Citada", "  con blancos  "},
        {"OPERADOR1Styles", "sin igual", "def"},
        {"OPERADOR1Styles", "Falta", "def"},
        {"NoExiste", "Styles", "def"},
    };
    for (const auto& c : casos)
        EXPECT_EQ(LectorIni::LeerValor(ini, QString::fromLatin1(c.seccion),
                                       QString::fromLatin1(c.clave), QStringLiteral("def")),
                  QString::fromLatin1(c.esperado))
            << c.seccion << "/" << c.clave;
    EXPECT_EQ(LectorIni::Secciones(ini),
              QStringList({QStringLiteral("OPERADOR1Styles"), QStringLiteral("Otra"),
                           QStringLiteral("operador1styles")}));
}

TEST(LectorIni, ArchivoAusenteDaElValorPorDefecto) {
    CarpetaTemporal dir;
    EXPECT_EQ(LectorIni::LeerValor(dir.ruta(QStringLiteral("no.ini")), QStringLiteral("A"),
                                   QStringLiteral("B"), QStringLiteral("4")),
              QStringLiteral("4"));
    EXPECT_TRUE(LectorIni::Secciones(dir.ruta(QStringLiteral("no.ini"))).isEmpty());
}

TEST(LectorIni, LeeArchivosEnUtf8YEnLaPaginaDelEquipo) {
    CarpetaTemporal dir;
    const QString utf8 = dir.escribir(QStringLiteral("u.ini"), "\xEF\xBB\xBF[S]\nFont=Señal\n");
    const QString latin1 = dir.escribir(QStringLiteral("l.ini"), "[S]\nFont=Se\xF1"
                                                                 "al\n");
    EXPECT_EQ(LectorIni::LeerValor(utf8, QStringLiteral("s"), QStringLiteral("font"), {}),
              QStringLiteral("Señal"));
    EXPECT_EQ(LectorIni::LeerValor(latin1, QStringLiteral("s"), QStringLiteral("font"), {}),
              QStringLiteral("Señal"));
}
