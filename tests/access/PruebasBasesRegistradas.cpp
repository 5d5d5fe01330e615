// The registered connections file: its fields, what a damaged file still
// gives, and lines appended to files written by hand or by other programs.
#include "BasesRegistradas.h"
#include "CamposBases.h"
#include "CarpetaTemporal.h"
#include "ReinicioPrueba.h"
#include "UtilGeneral.h"
#include <QFile>
#include <gtest/gtest.h>

namespace {
QByteArray leer(const QString& ruta) {
    QFile f(ruta);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}
} // namespace

TEST(CamposBases, ComasYComillasVanEntreComillasYSeLeenIgual) {
    // SQL Server's own port form and a quote survive a round trip; plain
    // fields are written as they always were.
    const QStringList valores = {QStringLiteral("CONTA / SRV01,1433"), QStringLiteral("Conta"),
                                 QStringLiteral("o\"brien"), QStringLiteral("ABC123"),
                                 QStringLiteral("srv01,1433")};
    QStringList escritos;
    for (const QString& v : valores)
        escritos << CamposBases::Escribir(v);
    EXPECT_EQ(escritos.join(u','),
              QStringLiteral("\"CONTA / SRV01,1433\",Conta,\"o\"\"brien\",ABC123,\"srv01,1433\""));
    EXPECT_EQ(CamposBases::Leer(escritos.join(u',')), valores);
    EXPECT_EQ(CamposBases::Escribir(QStringLiteral("  CONTA / SRV01  ")),
              QStringLiteral("CONTA / SRV01"));
}

TEST(CamposBases, LineasDanadasDanLoQueSePuedeLeer) {
    EXPECT_TRUE(CamposBases::Leer(QStringLiteral("   ")).isEmpty());
    EXPECT_EQ(CamposBases::Leer(QStringLiteral("SOLO / NOMBRE")),
              QStringList{QStringLiteral("SOLO / NOMBRE")});
    EXPECT_EQ(CamposBases::Leer(QStringLiteral(" A , B ,,")),
              (QStringList{QStringLiteral("A"), QStringLiteral("B"), QString(), QString()}));
    // A quote that never closes takes the rest of its line, and only that.
    EXPECT_EQ(CamposBases::Leer(QStringLiteral("\"ROTA / X,base")),
              QStringList{QStringLiteral("ROTA / X,base")});
    // Text after a closing quote is dropped up to the next comma.
    EXPECT_EQ(CamposBases::Leer(QStringLiteral("\"A\"xx,B")),
              (QStringList{QStringLiteral("A"), QStringLiteral("B")}));
    // A quote inside an unquoted field is part of it.
    EXPECT_EQ(CamposBases::Leer(QStringLiteral("AB\"C,D")),
              (QStringList{QStringLiteral("AB\"C"), QStringLiteral("D")}));
}

TEST(CamposBases, TextoUtf8OAnsi) {
    EXPECT_EQ(CamposBases::Decodificar(QByteArray("A\xC3\x91O")), QStringLiteral("AÑO"));
    EXPECT_EQ(CamposBases::Decodificar(QByteArray("A\xD1O")), QStringLiteral("AÑO"));
    // Bytes that are text in no code page still give a line.
    EXPECT_FALSE(CamposBases::Decodificar(QByteArray("\xFF\xFE\x81,B")).isEmpty());
    EXPECT_TRUE(CamposBases::TieneCaracterDeControl(QStringLiteral("ana\nExec=x")));
    EXPECT_TRUE(CamposBases::TieneCaracterDeControl(QStringLiteral("a\tb")));
    EXPECT_FALSE(CamposBases::TieneCaracterDeControl(QStringLiteral("Año 2024 / SRV")));
}

class Bases : public ::testing::Test {
protected:
    void SetUp() override { guion = ReiniciarProceso(); }
    QString ruta() const { return dir.ruta(QStringLiteral("BASES.TXT")); }
    std::shared_ptr<DialogosGuion> guion;
    CarpetaTemporal dir;
};

TEST_F(Bases, SinArchivoLaListaEstaVaciaYElPrimerAgregadoLoCreaConUnaLinea) {
    BasesRegistradas b(ruta());
    EXPECT_FALSE(ExisteArchivo(ruta()));
    EXPECT_TRUE(b.llenarlist().isEmpty());
    EXPECT_FALSE(b.DatosBase(QStringLiteral("CONTA / SRV01")).has_value());
    b.AgregarBase(QStringLiteral(" CONTA / SRV01 "), QStringLiteral("Conta"),
                  QStringLiteral("Conta"), QStringLiteral("Conta"), QStringLiteral("srv01:1433"));
    EXPECT_TRUE(ExisteArchivo(QStringLiteral("\"") + ruta() + QStringLiteral("\"")));
    EXPECT_EQ(leer(ruta()), QByteArray("CONTA / SRV01,Conta,Conta,") +
                                UtilGeneral::Encriptar(QStringLiteral("Conta")).toLatin1() +
                                ",srv01:1433\r\n");
    const auto r = b.DatosBase(QStringLiteral("CONTA / SRV01"));
    ASSERT_TRUE(r.has_value());
    EXPECT_EQ(r->base, QStringLiteral("Conta"));
    EXPECT_EQ(r->usuario, QStringLiteral("Conta"));
    EXPECT_EQ(r->clave, QStringLiteral("Conta"));
    EXPECT_EQ(r->servidor, QStringLiteral("srv01:1433"));
    EXPECT_TRUE(guion->prompts.isEmpty());
}

TEST_F(Bases, ArchivoSinSaltoFinalLaNuevaLineaEmpiezaAparte) {
    dir.escribir(QStringLiteral("BASES.TXT"), "A / S1,A,A,41,s1\r\nB / S2,B,B,42,s2");
    BasesRegistradas b(ruta());
    b.AgregarBase(QStringLiteral("C / S3"), QStringLiteral("C"), QStringLiteral("C"),
                  QStringLiteral("C"), QStringLiteral("s3"));
    EXPECT_TRUE(leer(ruta()).startsWith("A / S1,A,A,41,s1\r\nB / S2,B,B,42,s2\rC / S3,C,C,"));
    EXPECT_EQ(b.llenarlist(), (QStringList{QStringLiteral("A / S1"), QStringLiteral("B / S2"),
                                           QStringLiteral("C / S3")}));
    // A file that ends in a line break (LF alone, as an editor may leave it)
    // gets no extra break.
    dir.escribir(QStringLiteral("BASES.TXT"), "A / S1,A,A,41,s1\n  ");
    b.AgregarBase(QStringLiteral("D / S4"), QStringLiteral("D"), QStringLiteral("D"),
                  QStringLiteral("D"), QStringLiteral("s4"));
    EXPECT_TRUE(leer(ruta()).startsWith("A / S1,A,A,41,s1\n  D / S4,D,D,"));
    EXPECT_EQ(b.llenarlist(), (QStringList{QStringLiteral("A / S1"), QStringLiteral("D / S4")}));
}

TEST_F(Bases, LineasIncompletasEnBlancoYConComillasSueltas) {
    dir.escribir(QStringLiteral("BASES.TXT"), "\xEF\xBB\xBF"
                                              "CORTA / S\r\n"
                                              "\r\n"
                                              "   \r\n"
                                              ",SIN,NOMBRE,,x\r\n"
                                              "\"ROTA / S,ROTA,ROTA\r\n"
                                              "A\xD1O / S,A\xD1O,A\xD1O,,s\r\n"
                                              "BIEN / S2,Bien,Bien,,s2");
    BasesRegistradas b(ruta());
    EXPECT_EQ(b.llenarlist(),
              (QStringList{QStringLiteral("CORTA / S"), QStringLiteral("ROTA / S,ROTA,ROTA"),
                           QStringLiteral("AÑO / S"), QStringLiteral("BIEN / S2")}));
    const auto corta = b.DatosBase(QStringLiteral("CORTA / S"));
    ASSERT_TRUE(corta.has_value());
    EXPECT_TRUE(corta->servidor.isEmpty());
    ASSERT_TRUE(b.DatosBase(QStringLiteral("AÑO / S")).has_value());
    EXPECT_EQ(b.DatosBase(QStringLiteral("BIEN / S2"))->servidor, QStringLiteral("s2"));
    EXPECT_TRUE(guion->prompts.isEmpty());
}

TEST_F(Bases, NombresRepetidosGanaElPrimeroYElCasoCuenta) {
    dir.escribir(QStringLiteral("BASES.TXT"), "CONTA / S,Primera,U,,s1\r\n"
                                              "CONTA / S,Segunda,U,,s2\r\n");
    BasesRegistradas b(ruta());
    EXPECT_EQ(b.DatosBase(QStringLiteral("  CONTA / S "))->base, QStringLiteral("Primera"));
    EXPECT_FALSE(b.DatosBase(QStringLiteral("conta / s")).has_value());
}

TEST_F(Bases, UnArchivoMuyGrandeSeLeeEntero) {
    QByteArray contenido;
    int lineas = 0;
    while (contenido.size() < 10 * 1024 * 1024) {
        contenido += "BASE" + QByteArray::number(lineas) + " / SRV,B,B,41,srv\r\n";
        if (lineas % 1000 == 0)
            contenido += "\"suelta\r\n\xFF\xFE\r\n" + QByteArray(70000, 'x') + "\r\n";
        ++lineas;
    }
    dir.escribir(QStringLiteral("BASES.TXT"), contenido);
    BasesRegistradas b(ruta());
    const QStringList nombres = b.llenarlist();
    EXPECT_GE(nombres.size(), lineas);
    EXPECT_TRUE(nombres.contains(QStringLiteral("BASE%1 / SRV").arg(lineas - 1)));
    EXPECT_EQ(b.DatosBase(QStringLiteral("BASE%1 / SRV").arg(lineas - 1))->servidor,
              QStringLiteral("srv"));
}

TEST_F(Bases, UnValorConSaltoDeLineaNoSeEscribe) {
    BasesRegistradas b(ruta());
    EXPECT_THROW(b.AgregarBase(QStringLiteral("X / S"), QStringLiteral("X"),
                               QStringLiteral("X\r\nY / S"), QStringLiteral("X"),
                               QStringLiteral("s")),
                 ErrorVB);
    EXPECT_FALSE(QFile::exists(ruta()));
}

TEST_F(Bases, ArchivoAnsiSigueEnAnsi) {
    dir.escribir(QStringLiteral("BASES.TXT"), "A\xD1O / S,A\xD1O,A\xD1O,,s\r\n");
    BasesRegistradas b(ruta());
    b.AgregarBase(QStringLiteral("NIÑO / S"), QStringLiteral("Niño"), QStringLiteral("Niño"),
                  QStringLiteral("x"), QStringLiteral("s"));
    EXPECT_TRUE(leer(ruta()).contains("NI\xD1O / S,Ni\xF1o,Ni\xF1o,"));
    EXPECT_EQ(b.llenarlist(), (QStringList{QStringLiteral("AÑO / S"), QStringLiteral("NIÑO / S")}));
}
