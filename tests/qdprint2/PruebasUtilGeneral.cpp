#include "ContratoErrores.h"
#include "ImprimirQt.h"
#include "UtilGeneral.h"
#include <QDate>
#include <gtest/gtest.h>

using namespace UtilGeneral;

TEST(Cifrado, DevuelveLoCifradoYNuncaEscribeComasNiSaltos) {
    const QString hostiles[] = {
        QString(),
        QStringLiteral("a"),
        QStringLiteral("clave,con;comas\r\ny saltos\n"),
        QStringLiteral("ñandú ÁÉÍÓÚ €"),
        QStringLiteral("' OR '1'='1"),
        QString(QChar(0)) + QStringLiteral("tras nulo") + QChar(0xFFFF),
        QString(300, QChar(u'x')),
        QStringLiteral("00AAFF"), // plain text that looks like cipher output
    };
    for (const QString& t : hostiles) {
        const QString c = Encriptar(t);
        EXPECT_FALSE(c.contains(u',')) << c.toStdString();
        EXPECT_FALSE(c.contains(u'\r') || c.contains(u'\n'));
        EXPECT_EQ(Desencriptar(c), t) << t.toStdString();
    }
    // Equal characters do not give equal cipher bytes.
    EXPECT_NE(Encriptar(QStringLiteral("aaaa")).left(2),
              Encriptar(QStringLiteral("aaaa")).mid(2, 2));
}

TEST(ValorNumero, LeeElNumeroInicialConCuatroDecimales) {
    const struct {
        const char* texto;
        double valor;
    } casos[] = {
        {"", 0},
        {"abc", 0},
        {"12", 12},
        {"12,5", 12.5},
        {"12.5", 12.5},
        {"1.234,56", 1234.56},
        {"1,234.56", 1234.56},
        {"-3,25", -3.25},
        {"7x8", 7},
        {"  42  ", 42},
        {"0,123456", 0.1235},
    };
    for (const auto& c : casos)
        EXPECT_DOUBLE_EQ(ValorNumero(QString::fromUtf8(c.texto)), c.valor) << c.texto;
}

TEST(TextosCortos, AlineanRecortanYCuentan) {
    EXPECT_EQ(AlinearDerecha(QStringLiteral("1"), 4), QStringLiteral("   1"));
    EXPECT_EQ(AlinearDerecha(QStringLiteral("12345"), 4), QStringLiteral("12345"));
    EXPECT_EQ(Recortar(QStringLiteral("abcdef"), 3), QStringLiteral("abc"));
    EXPECT_EQ(Recortar(QStringLiteral("ab"), -1), QString());
    EXPECT_EQ(ContarPalabras(QStringLiteral("  una   dos tres ")), 3);
    EXPECT_EQ(ContarPalabras(QStringLiteral("   ")), 0);
    EXPECT_EQ(QuitarCaracteres(QStringLiteral("= a=b ="), QStringLiteral("=")),
              QStringLiteral(" ab "));
    EXPECT_EQ(Reemplazar(QStringLiteral("a|B|b"), QStringLiteral("b"), QStringLiteral(",")),
              QStringLiteral("a|,|,"));
    EXPECT_EQ(CarpetaConBarra(QStringLiteral("/tmp")), QStringLiteral("/tmp/"));
    EXPECT_EQ(CarpetaConBarra(QStringLiteral("/tmp/")), QStringLiteral("/tmp/"));
    EXPECT_EQ(ValorTexto(QVariant()), QString());
    EXPECT_EQ(ValorTexto(QVariant(QMetaType(QMetaType::QString))), QString());
    EXPECT_EQ(ValorTexto(1500.0), QStringLiteral("1500"));
    EXPECT_EQ(ValorTexto(12.25), QStringLiteral("12.25"));
    // Never in exponent form, which ValorNumero would read as its mantissa.
    EXPECT_EQ(ValorTexto(3.35e-08), QStringLiteral("0.0000000335"));
    EXPECT_EQ(ValorNumero(ValorTexto(3.35e-08)), 0.0);
    EXPECT_EQ(ValorTexto(-0.00005), QStringLiteral("-0.00005"));
    EXPECT_EQ(ValorTexto(2.5e15), QStringLiteral("2500000000000000"));
    EXPECT_EQ(ValorTexto(1.25e20), QStringLiteral("125000000000000000000"));
}

TEST(LiteralFecha, EsUnValorSqlCompletoParaCadaMotor) {
    EXPECT_EQ(LiteralFecha(QStringLiteral("31/01/2024"), MotorBD::SqlServer),
              QStringLiteral("'20240131'"));
    EXPECT_EQ(LiteralFecha(QStringLiteral("1/2/24"), MotorBD::Sqlite),
              QStringLiteral("'2024-02-01'"));
    EXPECT_EQ(LiteralFecha(QStringLiteral("31/12/99"), MotorBD::Sqlite),
              QStringLiteral("'1999-12-31'"));
    EXPECT_EQ(LiteralFecha(QStringLiteral("05/03/2024"), MotorBD::Oracle),
              QStringLiteral("TO_DATE('05/03/2024','DD/MM/YYYY')"));
    // Anything that is not a date can never reach the statement as text.
    EXPECT_EQ(LiteralFecha(QStringLiteral("31/02/2024"), MotorBD::SqlServer),
              QStringLiteral("NULL"));
    EXPECT_EQ(LiteralFecha(QStringLiteral("1' OR '1'='1"), MotorBD::Sqlite),
              QStringLiteral("NULL"));
}

TEST(ContratoErrores, ReintentarRepiteIgnorarSigueYOtraRespuestaSale) {
    int intentos = 0;
    QList<int> respuestas = {Respuestas::Reintentar, Respuestas::Ignorar, Respuestas::Abortar};
    ContratoErrores c([&](const ErrorVB&) { return respuestas.takeFirst(); });
    QStringList hechos;
    EXPECT_TRUE(c.paso([&] {
        if (++intentos < 2)
            throw ErrorVB(11, QStringLiteral("falla una vez"));
        hechos << QStringLiteral("repetido");
    }));
    EXPECT_TRUE(c.paso([&] { throw ErrorVB(12, QStringLiteral("se ignora")); }));
    EXPECT_TRUE(c.paso([&] { hechos << QStringLiteral("siguiente"); }));
    EXPECT_FALSE(c.paso([&] { throw ErrorVB(13, QStringLiteral("se sale")); }));
    EXPECT_FALSE(c.paso([&] { hechos << QStringLiteral("nunca"); }));
    EXPECT_EQ(hechos, QStringList({QStringLiteral("repetido"), QStringLiteral("siguiente")}));
    EXPECT_EQ(c.ultimoError().numero, 13);
    EXPECT_TRUE(c.salio());
}
