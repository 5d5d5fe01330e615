#include "AvanceGuion.h"
#include "CargaAsientos.h"
#include "CarpetaTemporal.h"
#include "ContratoErrores.h"
#include "InfoSistema.h"
#include "ModeloAsientos.h"
#include "PlanillaControl.h"
#include "Programa.h"
#include "ReinicioPrueba.h"
#include <QDir>
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
// Two vouchers with the principal-account columns: blanks to trim, markup
// characters, a letter outside the code page, tax-book data, an amount kept
// as text, an edited cell and empty cells.
void grillaVariada(ModeloAsientos& g) {
    g.Inicializar(true);
    g.AgregarCabecera({"FC", "0001", "00000010", "A", "  Venta <contado> & cia  ", "   1"});
    DatosLinea d;
    d.cuenta = QStringLiteral("1.1.02");
    d.descripcion = QStringLiteral("Cliente Núñez €uro");
    d.debeHaber = QStringLiteral("D");
    d.importe = 121.5;
    d.periodo = QStringLiteral("2024");
    d.nombre = QStringLiteral("Cliente");
    d.libro = QStringLiteral("V");
    d.netoGravado = QStringLiteral("100");
    d.noGravado = QStringLiteral("0");
    d.importeIva = QStringLiteral("21");
    d.importeIvaRecargo = QString();
    d.total = QStringLiteral("121.5");
    const int primera = g.AgregarLinea(1, d);
    g.FijarCuentaPrincipal(primera, QStringLiteral("Cliente SA(1.1.02) Cuit:30-1"),
                           QStringLiteral(" Buenos Aires "));
    DatosLinea h;
    h.cuenta = QStringLiteral("4.1.01");
    h.descripcion = QStringLiteral("Ventas");
    h.debeHaber = QStringLiteral("H");
    h.importe = QStringLiteral("N/D");
    const int segunda = g.AgregarLinea(2, h);
    // Typed in the other notation: the grid, and so the sheet, show the number counted.
    g.FijarTexto(segunda, Columnas::Haber, QStringLiteral(" 99,5 "));
    g.AgregarCabecera({"RC", "0002", "00000003", "X", "", ""});
    DatosLinea c;
    c.cuenta = QStringLiteral("1.1.01");
    c.descripcion = QString();
    g.AgregarLinea(1, c);
}
// n vouchers of two lines.
void grillaLarga(ModeloAsientos& g, int n) {
    g.Inicializar(false);
    for (int i = 0; i < n; ++i) {
        g.AgregarCabecera({"FC", "0001", QString::number(i), "A", "Venta", "1"});
        for (int l = 1; l <= 2; ++l) {
            DatosLinea d;
            d.cuenta = QStringLiteral("4.1.0%1").arg(l);
            d.debeHaber = l == 1 ? QStringLiteral("D") : QStringLiteral("H");
            d.importe = i + 0.5;
            g.AgregarLinea(l, d);
        }
    }
}

} // namespace

TEST(PlanillaControl, ElArchivoEnteroConCuentaPrincipalYCeldasCambiadas) {
    CarpetaTemporal dir;
    Programa::EstablecerCarpeta(QStringLiteral("/prog"));
    ModeloAsientos g;
    grillaVariada(g);
    QString titulo;
    const QString archivo = dir.ruta(QStringLiteral("pcc2.xls"));
    ASSERT_TRUE(GeneraHTML(archivo, titulo, g));
    QFile f(archivo);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray esperado =
        "<html>\r\n"
        "\r\n"
        "</head>\r\n"
        "\r\n"
        "<body background=\"/prog\\stone.jpg\" text=\"navy\">\r\n"
        "<br>\r\n"
        "<H2 ALIGN = LEFT>Planilla Control de Comprobantes</H2>\r\n"
        "<HR>\r\n"
        "<br>\r\n"
        "<br>\r\n"
        "<TABLE Border=2 ALIGN = LEFT>\r\n"
        "<font size= \"1\">\r\n"
        "<TR>\r\n"
        "<TH bgcolor = \"yellow\">L\xED"
        "nea\r\n"
        "<TH bgcolor = \"yellow\">Cuenta\r\n"
        "<TH bgcolor = \"yellow\">Descripci\xF3"
        "n\r\n"
        "<TH bgcolor = \"yellow\">DEBE\r\n"
        "<TH bgcolor = \"yellow\">HABER\r\n"
        "<TH bgcolor = \"yellow\">........................Libro........................\r\n"
        "<TH bgcolor = \"yellow\">........Neto Grav.........\r\n"
        "<TH bgcolor = \"yellow\">........No Grav.........\r\n"
        "<TH bgcolor = \"yellow\">........Imp.IVA........\r\n"
        "<TH bgcolor = \"yellow\">........Imp.IVA Rec........\r\n"
        "<TH bgcolor = \"yellow\">........Total........\r\n"
        "<TH bgcolor = \"yellow\">........Cuenta principal........\r\n"
        "<TH bgcolor = \"yellow\">........Provincia........\r\n"
        "<TH bgcolor = \"yellow\">................\r\n"
        "<TH bgcolor = \"yellow\">................\r\n"
        "<TR> <TD>&nbsp<TD>FC 000100000010A<TD>Venta <contado> & cia   Uneg:    "
        "1<TD>&nbsp<TD>&nbsp<TD>&nbsp<TD>&nbsp<TD>&nbsp<TD>&nbsp<TD>&nbsp<TD>&nbsp<TD>&nbsp<TD>&"
        "nbsp<TD>&nbsp<TD>&nbsp\r\n"
        "<TR> <TD>1<TD>1.1.02<TD>Cliente N\xFA"
        "\xF1"
        "ez ?uro<TD>121.5<TD>0<TD>V<TD>100<TD>0<TD>21<TD>&nbsp<TD>121.5<TD>Cliente SA(1.1.02) "
        "Cuit:30-1<TD>Buenos Aires<TD>&nbsp<TD>&nbsp\r\n"
        "<TR> "
        "<TD>2<TD>4.1.01<TD>Ventas<TD>0<TD>99.5<TD>&nbsp<TD>&nbsp<TD>&nbsp<TD>&nbsp<TD>&nbsp<TD>&"
        "nbsp<TD>&nbsp<TD>&nbsp<TD>&nbsp<TD>&nbsp\r\n"
        "<TR> <TD>&nbsp<TD>RC "
        "000200000003X<TD>Uneg:<TD>&nbsp<TD>&nbsp<TD>&nbsp<TD>&nbsp<TD>&nbsp<TD>&nbsp<TD>&nbsp<TD>&"
        "nbsp<TD>&nbsp<TD>&nbsp<TD>&nbsp<TD>&nbsp\r\n"
        "<TR> "
        "<TD>1<TD>1.1.01<TD>&nbsp<TD>0<TD>0<TD>&nbsp<TD>&nbsp<TD>&nbsp<TD>&nbsp<TD>&nbsp<TD>&nbsp<"
        "TD>&nbsp<TD>&nbsp<TD>&nbsp<TD>&nbsp\r\n"
        "</FONT>\r\n"
        "</TABLE>\r\n"
        "</BODY>\r\n"
        "</HTML>\r\n";
    EXPECT_EQ(f.readAll(), esperado);
}

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

namespace {
// Every cell of the sheet's rows: "<TD>" and its bytes, as written.
QList<QByteArray> celdasEscritas(const QString& archivo) {
    QFile f(archivo);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QList<QByteArray> celdas;
    for (const QByteArray& fila : f.readAll().split('\n'))
        if (fila.startsWith("<TR> "))
            for (const QByteArray& c : fila.mid(5).chopped(1).split('<'))
                if (!c.isEmpty())
                    celdas << c.mid(3);
    return celdas;
}
} // namespace

// Values repeated over many rows are written the same wherever they are,
// and a cell changed on screen shows its change even where its loaded value
// appears unchanged in other rows. The rows are enough for several blocks,
// each prepared on whichever thread, with texts encoded by each thread.
TEST(PlanillaControl, LosValoresRepetidosYLasCeldasCambiadasComoLasMuestraLaGrilla) {
    CarpetaTemporal dir;
    ModeloAsientos g;
    g.Inicializar(true);
    // Binary residues, negatives, whole amounts, -0, amounts that are not
    // whole cents, the largest digits and ones Llano writes with a fraction
    // of 15 digits.
    const double importes[] = {
        0.1 + 0.2,        -1234.5,          7,    0.3, -0.0, 1.005, 1e-7, -0.07, 1e13,
        9999999999999.99, 123456789012.345, 0.125};
    // Header details: plain, with a letter outside the code page, ending in
    // a no-break space (a blank to trim), and nothing but blanks.
    const QString detalles[] = {QStringLiteral(" Venta "), QStringLiteral("Venta € "),
                                QStringLiteral("Venta\u00A0"), QStringLiteral(" \t")};
    for (int v = 0; v < 1500; ++v) {
        g.AgregarCabecera({"FC", "0001", QString::number(v), "A", detalles[v % 4], ""});
        for (int l = 1; l <= 5; ++l) {
            DatosLinea d;
            d.cuenta = l % 2 ? QStringLiteral("1.1.01") : QStringLiteral(" 4.1.01 ");
            d.descripcion = QStringLiteral("Caja €");
            d.debeHaber = (l + v) % 2 ? QStringLiteral("D") : QStringLiteral("H");
            d.importe = importes[(l + v) % std::size(importes)];
            if (l == 5)
                d.importe = QStringLiteral("sin importe");
            const int fila = g.AgregarLinea(l, d);
            if (v % 2)
                g.FijarCuentaPrincipal(fila, d.cuenta, QStringLiteral("Salta"));
        }
    }
    // Every cell of the sheet as the grid shows it.
    auto comparar = [&] {
        QString titulo;
        const QString archivo = dir.ruta(QStringLiteral("pcc2.xls"));
        ASSERT_TRUE(GeneraHTML(archivo, titulo, g));
        QList<QByteArray> esperadas;
        for (int fila = 1; fila < g.FilasGrid(); ++fila)
            for (int c = 0; c < g.Columnas(); ++c)
                if (c != Columnas::Clave) {
                    const QString t = g.Texto(fila, c).trimmed();
                    esperadas << (t.isEmpty() ? QByteArray("&nbsp") : t.toLatin1());
                }
        EXPECT_EQ(celdasEscritas(archivo), esperadas);
    };
    // Without changes on screen most lines are plain; then with changes.
    comparar();
    g.FijarTexto(3, Columnas::Cuenta, QStringLiteral("9.9.99"));
    g.FijarTexto(4, Columnas::Debe, QStringLiteral("7"));
    g.FijarTexto(4, Columnas::Haber, QStringLiteral("-1234,5"));
    g.FijarTexto(9, Columnas::Descripcion, QStringLiteral("  Otra  "));
    g.FijarTexto(8000, Columnas::Cuenta, QStringLiteral("8.8.88"));
    comparar();
}

TEST(PlanillaControl, UnaGrillaVaciaEscribeElMarcoYLosTitulos) {
    CarpetaTemporal dir;
    ModeloAsientos vacia;
    QString titulo;
    const QString archivo = dir.ruta(QStringLiteral("pcc2.xls"));
    ASSERT_TRUE(GeneraHTML(archivo, titulo, vacia));
    QFile f(archivo);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray texto = f.readAll();
    EXPECT_EQ(texto.count("\r\n<TH "), 13); // 14 columns without the key
    EXPECT_EQ(texto.count("\r\n<TR> "), 1); // the empty row of a fresh grid
    EXPECT_TRUE(texto.endsWith("</TABLE>\r\n</BODY>\r\n</HTML>\r\n"));
}

TEST(PlanillaControl, CanceladaNoDejaArchivoAMedias) {
    const auto guion = ReiniciarProceso();
    CargaAsientos::intervaloMs = 0; // the sign after every block of rows
    CarpetaTemporal dir;
    ModeloAsientos g;
    grillaLarga(g, 8000); // 24,000 rows: several blocks
    const QString archivo = dir.ruta(QStringLiteral("pcc2.xls"));
    QString titulo;

    // Cancelled with no sheet before: no file at all, nothing left beside it.
    AvanceGuion avance;
    avance.cancelarEn = 3;
    guion->respuestas.enqueue(Respuestas::Si);
    EXPECT_FALSE(GeneraHTML(archivo, titulo, g, &avance));
    EXPECT_EQ(guion->mensajes(), QStringList{QStringLiteral("Desea cancelar el proceso?")});
    EXPECT_EQ(avance.titulos, QStringList{QStringLiteral("Planilla Control de Comprobantes")});
    EXPECT_TRUE(QDir(dir.ruta()).entryList(QDir::Files | QDir::Hidden).isEmpty());

    // Cancelled over an earlier sheet: the earlier sheet stays whole.
    dir.escribir(QStringLiteral("pcc2.xls"), "anterior");
    avance = AvanceGuion();
    avance.cancelarEn = 2;
    guion->respuestas.enqueue(Respuestas::Si);
    EXPECT_FALSE(GeneraHTML(archivo, titulo, g, &avance));
    QFile f(archivo);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("anterior"));
    f.close();
    EXPECT_EQ(QDir(dir.ruta()).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("pcc2.xls")});

    // No goes on: the whole sheet, as without a sign.
    avance = AvanceGuion();
    avance.cancelarEn = 5;
    guion->respuestas.enqueue(Respuestas::No);
    EXPECT_TRUE(GeneraHTML(archivo, titulo, g, &avance));
    EXPECT_EQ(avance.titulos,
              QStringList({QStringLiteral("Planilla Control de Comprobantes"), QString()}));
    EXPECT_GE(avance.mostrados, 5);
    const QString sinSigno = dir.ruta(QStringLiteral("sin.xls"));
    ASSERT_TRUE(GeneraHTML(sinSigno, titulo, g));
    QFile a(archivo), b(sinSigno);
    ASSERT_TRUE(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
    EXPECT_EQ(a.readAll(), b.readAll());
}

// When the sheet cannot take its place, the user is told why and Retry
// puts it there once the obstacle is gone: whole, its foot written once.
TEST(PlanillaControl, SiNoPuedeTomarSuLugarReintentarLaPone) {
    const auto guion = ReiniciarProceso();
    CarpetaTemporal dir;
    ModeloAsientos g;
    grillaLarga(g, 10);
    const QString archivo = dir.ruta(QStringLiteral("pcc2.xls"));
    ASSERT_TRUE(QDir().mkpath(archivo + QStringLiteral("/estorbo")));
    guion->respuestas.enqueue(Respuestas::Reintentar);
    guion->alMostrarMensaje = [&](const PromptRegistrado&) { QDir(archivo).removeRecursively(); };
    QString titulo;
    ASSERT_TRUE(GeneraHTML(archivo, titulo, g));
    ASSERT_EQ(guion->prompts.size(), 1);
    EXPECT_TRUE(guion->prompts[0].texto.contains(QStringLiteral("No se pudo poner la planilla en")))
        << guion->prompts[0].texto.toStdString();
    const QString sinEstorbo = dir.ruta(QStringLiteral("sin.xls"));
    ASSERT_TRUE(GeneraHTML(sinEstorbo, titulo, g));
    QFile a(archivo), b(sinEstorbo);
    ASSERT_TRUE(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
    EXPECT_EQ(a.readAll(), b.readAll());
    EXPECT_EQ(QDir(dir.ruta()).entryList(QDir::Files | QDir::Hidden),
              QStringList({QStringLiteral("pcc2.xls"), QStringLiteral("sin.xls")}));
}

TEST(PlanillaControl, SinProgramaQueLaAbraSeDiceDondeQuedo) {
    const auto guion = ReiniciarProceso();
    CarpetaTemporal dir;
    Programa::EstablecerCarpeta(dir.ruta());
    InfoSistema::EstablecerLanzador(
        [](const QString&, const QString&, const QString&) { return false; });
    ModeloAsientos g;
    grillaChica(g, false);
    ReportePlanilla(g);
    const QString ruta = QDir::toNativeSeparators(dir.ruta(QStringLiteral("pcc2.xls")));
    ASSERT_EQ(guion->mensajes().size(), 1);
    EXPECT_TRUE(guion->mensajes().first().startsWith(QStringLiteral("No hay un programa")));
    EXPECT_TRUE(guion->mensajes().first().endsWith(ruta));
    EXPECT_TRUE(QFile::exists(ruta));
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
