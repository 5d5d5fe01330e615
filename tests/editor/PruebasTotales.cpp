#include "BaseEditor.h"
#include "ImprimirQt.h"
#include "ModeloAsientos.h"
#include "Sesion.h"
#include "Totales.h"
#include <QLocale>
#include <gtest/gtest.h>

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
    EXPECT_EQ(t.texto, QStringLiteral("Debe : 100\r\nHaber : 90\r\nDif : 10.00"));
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
