#include "BaseEditor.h"
#include "Importes.h"
#include "ImprimirQt.h"
#include "ModeloAsientos.h"
#include "Sesion.h"
#include "Totales.h"
#include <QLocale>
#include <gtest/gtest.h>
#include <limits>

TEST(FmtMoneda, DecimalesSeparadoresYAncho) {
    ReiniciarProceso();
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    sesion().gCantidadDecimales = QStringLiteral("3");
    const struct {
        const char* valor;
        int decimales;
        bool separadores;
        int ancho;
        const char* esperado;
    } casos[] = {
        {"1234567.5", 2, true, 0, "1,234,567.50"},
        {"1234.5", 2, false, 0, "1234.50"},
        {"1234.5", -3, true, 0, "1234.5"},
        {"1234.5", -1, false, 0, "1234.500"},
        {"1234.5", 0, false, 0, "1234.50"},
        {"1234.5", -2, false, 0, "1235"},
        {"", 2, false, 0, "0.00"},
        {"-0.001", 2, false, 0, "0.00"},
        {"7", 2, false, 8, "    7.00"},
        {"7", 2, false, 40, "                     7.00"},
    };
    for (const auto& c : casos)
        EXPECT_EQ(FmtMoneda(QString::fromLatin1(c.valor), c.decimales, c.separadores, c.ancho),
                  QString::fromLatin1(c.esperado))
            << c.valor << " " << c.decimales;
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
    EXPECT_EQ(FmtMoneda(QStringLiteral("1234567,5"), 2, true, 0), QStringLiteral("1.234.567,50"));
    EXPECT_EQ(FmtMoneda(QStringLiteral("1234567,5"), 2, false, 0), QStringLiteral("1234567,50"));
    QLocale::setDefault(QLocale::c());
}

TEST(Totales, DesdeLaGrillaYDiferenciasQueNoSeVen) {
    ReiniciarProceso();
    sesion().gCantidadDecimales = QStringLiteral("2");
    ModeloAsientos g;
    g.AgregarCabecera({"AS", "0001", "00000001", "A", "", ""});
    DatosLinea d;
    d.debeHaber = QStringLiteral("D");
    d.importe = 100.004;
    g.AgregarLinea(1, d);
    d.debeHaber = QStringLiteral("H");
    d.importe = 100.0;
    g.AgregarLinea(2, d);
    TotalesDH t = CalculaDiferenciaDH(g);
    EXPECT_FALSE(t.hayDiferencia); // 100.004 against 100 rounds to no difference
    EXPECT_EQ(t.texto, QStringLiteral("Debe : 100\r\nHaber : 100\r\nDif : 0.00"));
    g.FijarTexto(3, Columnas::Haber, QStringLiteral("90"));
    t = CalculaDiferenciaDH(g);
    EXPECT_TRUE(t.hayDiferencia);
    EXPECT_EQ(t.texto, QStringLiteral("Debe : 100\r\nHaber : 90\r\nDif : 10.00\r\nCon importes "
                                      "no grabados"));
    EXPECT_TRUE(t.incluyeCambios);
}

TEST(Totales, CondicionConYSinAnd) {
    auto guion = ReiniciarProceso();
    BaseEditor base;
    sesion().gCantidadDecimales = QStringLiteral("2");
    QString condicion = QStringLiteral("TC = 'RC'");
    TotalesDH t = CalculaDiferenciaDH(condicion);
    EXPECT_EQ(condicion, QStringLiteral(" and TC = 'RC'"));
    EXPECT_EQ(t.debe, 121.5);
    EXPECT_EQ(t.haber, 121.5);
    QString conAnd = QStringLiteral(" And TC = 'FCC'");
    t = CalculaDiferenciaDH(conAnd);
    EXPECT_EQ(conAnd, QStringLiteral(" And TC = 'FCC'"));
    EXPECT_EQ(t.debe, 300.0);
    QString vacia;
    t = CalculaDiferenciaDH(vacia);
    EXPECT_EQ(t.debe, 592.5); // every line
    EXPECT_TRUE(guion->mensajes().isEmpty());
}

TEST(FmtMoneda, RedondeaElValorDecimalNoSuBinario) {
    ReiniciarProceso();
    QLocale::setDefault(QLocale::c());
    // 0.285 is 0.28499999... in binary: rounding the double would give 0.28.
    EXPECT_EQ(FmtMoneda(QStringLiteral("0.285"), 2, false, 0), QStringLiteral("0.29"));
    EXPECT_EQ(FmtMoneda(QStringLiteral("1.005"), 2, false, 0), QStringLiteral("1.01"));
    EXPECT_EQ(FmtMoneda(QStringLiteral("-2.675"), 2, false, 0), QStringLiteral("-2.68"));
    EXPECT_EQ(FmtMoneda(QStringLiteral("0.0000000335"), 2, false, 0), QStringLiteral("0.00"));
    EXPECT_EQ(FmtMoneda(QStringLiteral("1234567.891"), 8, false, 0),
              QStringLiteral("1234567.89100000")); // beyond the counted decimals
}

TEST(Importes, UnidadesExactasYTextoLlanoRegional) {
    ReiniciarProceso();
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Argentina));
    EXPECT_EQ(Importes::EnUnidades(0.285, 2), 29);
    EXPECT_EQ(Importes::EnUnidades(-0.285, 2), -29);
    EXPECT_EQ(Importes::EnUnidades(12.5, 0), 13);
    EXPECT_EQ(Importes::EnUnidades(1e20, 2), 900000000000000); // held at 9e12
    EXPECT_EQ(Importes::EnUnidades(QStringLiteral("1.234,5"), 2), 123450);
    EXPECT_EQ(Importes::Llano(1319156960, 2), QStringLiteral("13191569,6"));
    EXPECT_EQ(Importes::Llano(-5, 2), QStringLiteral("-0,05"));
    EXPECT_EQ(Importes::Llano(0, 2), QStringLiteral("0"));
    EXPECT_EQ(Importes::ConDecimales(0, 2), QStringLiteral("0,00"));
    EXPECT_EQ(Importes::Llano(QVariant(3.35e-08)), QStringLiteral("0,0000000335"));
    EXPECT_EQ(Importes::Llano(QVariant(121.5)), QStringLiteral("121,5"));
    EXPECT_EQ(Importes::Llano(QVariant(QStringLiteral("A-1.5"))), QStringLiteral("A-1.5"));
    std::int64_t total = std::numeric_limits<std::int64_t>::max() - 1;
    Importes::Sumar(total, 5);
    EXPECT_EQ(total, std::numeric_limits<std::int64_t>::max()); // held, not wrapped
}

TEST(Totales, UnMesBalanceadoConRestoBinarioNoTieneDiferencia) {
    ReiniciarProceso();
    QLocale::setDefault(QLocale::c());
    sesion().gCantidadDecimales = QStringLiteral("2");
    // Amounts of a balanced month whose sum in binary leaves a residue
    // (0.1 + 0.2 is not 0.3): written in exponent form, the residue used to
    // be read back as a difference of whole units.
    const double debitos[] = {0.1, 0.2, 241323.62, 4397.92, 4837.73, 4521.9};
    const double creditos[] = {0.3,     142795.04, 57118.01, 41410.57,
                               4960.86, 3008.18,   1266.61,  4521.9};
    double binario = 0;
    ModeloAsientos g;
    g.AgregarCabecera({"AS", "0001", "00000001", "A", "", ""});
    DatosLinea d;
    int n = 0;
    for (const double v : debitos) {
        d.debeHaber = QStringLiteral("D");
        d.importe = v;
        g.AgregarLinea(++n, d);
        binario += v;
    }
    for (const double v : creditos) {
        d.debeHaber = QStringLiteral("H");
        d.importe = v;
        g.AgregarLinea(++n, d);
        binario -= v;
    }
    ASSERT_NE(binario, 0.0); // the residue is there
    TotalesDH t = CalculaDiferenciaDH(g);
    EXPECT_FALSE(t.hayDiferencia);
    EXPECT_EQ(t.texto, QStringLiteral("Debe : 255081.47\r\nHaber : 255081.47\r\nDif : 0.00"));
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
    t = CalculaDiferenciaDH(g);
    EXPECT_EQ(t.texto, QStringLiteral("Debe : 255081,47\r\nHaber : 255081,47\r\nDif : 0,00"));
    // One cent less on a credit is a real difference.
    g.FijarTexto(8, Columnas::Haber, QStringLiteral("0,29"));
    t = CalculaDiferenciaDH(g);
    EXPECT_TRUE(t.hayDiferencia);
    EXPECT_TRUE(t.texto.contains(QStringLiteral("\r\nDif : 0,01\r\n")));
}
