#include "CarpetaTemporal.h"
#include "ContratoErrores.h"
#include "InfoSistema.h"
#include "ModeloAsientos.h"
#include "PlanillaControl.h"
#include "Programa.h"
#include <gtest/gtest.h>

namespace {
void grillaChica(ModeloAsientos& g, bool conPrincipal) {
    g.Inicializar(conPrincipal);
    g.AgregarCabecera({"FC", "0001", "00000010", "A", "Venta <contado> & cia", "   1"});
    DatosLinea d;
    d.cuenta = QStringLiteral("1.1.02");
    d.descripcion = QStringLiteral("Cliente Núñez");
    d.debeHaber = QStringLiteral("D");
    d.importe = 121.0;
    d.periodo = QStringLiteral("2024");
    g.AgregarLinea(1, d);
}
} // namespace

TEST(PlanillaControl, ElArchivoEnteroDeUnaGrillaChica) {
    CarpetaTemporal dir;
    Programa::EstablecerCarpeta(dir.ruta());
    ModeloAsientos g;
    grillaChica(g, false);
    QString titulo = QStringLiteral("otro");
    const QString archivo = dir.ruta(QStringLiteral("pcc2.xls"));
    ASSERT_TRUE(GeneraHTML(archivo, titulo, g));
    EXPECT_EQ(titulo, QStringLiteral("Planilla Control de Comprobantes"));
    QFile f(archivo);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray carpeta = dir.ruta().chopped(1).toLatin1();
    const QByteArray esperado =
        "<html>\r\n\r\n</head>\r\n\r\n<body background=\"" + carpeta +
        "\\stone.jpg\" text=\"navy\">\r\n<br>\r\n<H2 ALIGN = LEFT>Planilla Control de "
        "Comprobantes</H2>\r\n"
        "<HR>\r\n<br>\r\n<br>\r\n<TABLE Border=2 ALIGN = LEFT>\r\n<font size= \"1\">\r\n<TR>\r\n"
        "<TH bgcolor = \"yellow\">L\xEDnea\r\n<TH bgcolor = \"yellow\">Cuenta\r\n"
        "<TH bgcolor = \"yellow\">Descripci\xF3n\r\n<TH bgcolor = \"yellow\">DEBE\r\n"
        "<TH bgcolor = \"yellow\">HABER\r\n"
        "<TH bgcolor = \"yellow\">........................Libro........................\r\n"
        "<TH bgcolor = \"yellow\">........Neto Grav.........\r\n<TH bgcolor = "
        "\"yellow\">........No Grav.........\r\n"
        "<TH bgcolor = \"yellow\">........Imp.IVA........\r\n<TH bgcolor = "
        "\"yellow\">........Imp.IVA Rec........\r\n"
        "<TH bgcolor = \"yellow\">........Total........\r\n<TH bgcolor = "
        "\"yellow\">................\r\n"
        "<TH bgcolor = \"yellow\">................\r\n"
        "<TR> <TD>&nbsp<TD>FC 000100000010A<TD>Venta <contado> & cia Uneg:    "
        "1<TD>&nbsp<TD>&nbsp<TD>&nbsp<TD>&nbsp"
        "<TD>&nbsp<TD>&nbsp<TD>&nbsp<TD>&nbsp<TD>&nbsp<TD>&nbsp\r\n"
        "<TR> <TD>1<TD>1.1.02<TD>Cliente N\xFA\xF1"
        "ez<TD>121<TD>0<TD>&nbsp<TD>&nbsp<TD>&nbsp<TD>&nbsp<TD>&nbsp"
        "<TD>&nbsp<TD>&nbsp<TD>&nbsp\r\n"
        "</FONT>\r\n</TABLE>\r\n</BODY>\r\n</HTML>\r\n";
    EXPECT_EQ(f.readAll(), esperado);
}

TEST(PlanillaControl, ConCuentaPrincipalCuatroTitulosMas) {
    ModeloAsientos g;
    grillaChica(g, true);
    const QStringList l = LineasPlanilla(g, QStringLiteral("/x"), QStringLiteral("T"));
    EXPECT_EQ(l.filter(QStringLiteral("<TH ")).size(), 15); // 16 columns without the key
    EXPECT_TRUE(
        l.contains(QStringLiteral("<TH bgcolor = \"yellow\">........Cuenta principal........")));
    EXPECT_TRUE(l.contains(QStringLiteral("<TH bgcolor = \"yellow\">........Provincia........")));
    ModeloAsientos vacia;
    EXPECT_EQ(LineasPlanilla(vacia, QStringLiteral("/x"), QStringLiteral("T"))
                  .filter(QStringLiteral("<TR> "))
                  .size(),
              1); // the empty row of a fresh grid
}

TEST(PlanillaControl, ElReporteAbreElArchivoEntreComillasSiHayBlancos) {
    CarpetaTemporal dir;
    QDir(dir.ruta()).mkdir(QStringLiteral("con blanco"));
    Programa::EstablecerCarpeta(dir.ruta(QStringLiteral("con blanco")));
    QString abierto;
    InfoSistema::EstablecerLanzador([&](const QString& a, const QString&, const QString&) {
        abierto = a;
        return true;
    });
    ModeloAsientos g;
    grillaChica(g, false);
    ReportePlanilla(g);
    EXPECT_EQ(abierto, u'"' + dir.ruta(QStringLiteral("con blanco/pcc2.xls")) + u'"');
    EXPECT_TRUE(QFile::exists(dir.ruta(QStringLiteral("con blanco/pcc2.xls"))));
}
