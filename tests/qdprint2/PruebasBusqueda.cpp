#include "ArchivoConsultas.h"
#include "BusquedaQt.h"
#include "CarpetaTemporal.h"
#include "DialogoConsulta.h"
#include "DialogosGuion.h"
#include "TextoPlegado.h"
#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>

namespace {
ResultadoConsulta cuentas(const QString&) {
    return {{QStringLiteral("DESCRIPCION"), QStringLiteral("CODIGO")},
            {{QStringLiteral("Caja"), QStringLiteral("1.1.01")},
             {QStringLiteral("Banco Nación"), QStringLiteral("1.1.02")},
             {QStringLiteral("Proveedores varios"), QStringLiteral("2.1.01")}}};
}
} // namespace

TEST(DialogoConsulta, ArmaLaSentenciaConLasColumnasDeLaDefinicion) {
    CarpetaTemporal dir;
    DialogoConsulta d;
    d.ArchivoConsultas = dir.ruta(QStringLiteral("consultas.qdx"));
    ArchivoConsultas::Agregar(d.ArchivoConsultas,
                              {QStringLiteral("CUENTAS"), QStringLiteral("MA_CUENTAS"),
                               QStringLiteral("|DESCRIPCION|CODIGO|"), QString()});
    d.CampoDevuelto = QStringLiteral("CODIGO");
    EXPECT_EQ(
        d.SentenciaDe(QStringLiteral("ma_cuentas"), QStringLiteral("TITULO = 0")),
        QStringLiteral(
            "SELECT TOP 1000 DESCRIPCION,CODIGO FROM ma_cuentas with(nolock)  WHERE TITULO = 0"));
    // A table without a definition shows every column; a whole SELECT is used as it is.
    d.CampoDevuelto = QStringLiteral("NOMBRE");
    EXPECT_EQ(d.SentenciaDe(QStringLiteral("TA_USUARIOS"), QString()),
              QStringLiteral("SELECT TOP 1000 * FROM TA_USUARIOS with(nolock) "));
    EXPECT_EQ(
        d.SentenciaDe(QStringLiteral(" select top 5 CODIGO from X  with(nolock) "), QString()),
        QStringLiteral(" select top 5 CODIGO from X  with(nolock) "));
}

TEST(DialogoConsulta, DevuelveLoElegidoOVacioSiSeCancela) {
    auto guion = std::make_shared<DialogosGuion>();
    EstablecerDialogos(guion);
    DialogoConsulta d;
    d.CampoDevuelto = QStringLiteral("CODIGO");
    d.EstablecerConsultor(cuentas);
    guion->busquedas.enqueue(QStringLiteral("1.1.02"));
    d.Mostrar(QStringLiteral("MA_CUENTAS"), QStringLiteral("TITULO = 0"));
    EXPECT_EQ(d.ValorElegido(), QStringLiteral("1.1.02"));
    ASSERT_EQ(guion->peticionesBusqueda.size(), 1);
    EXPECT_EQ(guion->peticionesBusqueda[0].campoDevuelto, QStringLiteral("CODIGO"));
    EXPECT_EQ(guion->peticionesBusqueda[0].consultar(QString()).filas.size(), 3);
    d.Mostrar(QStringLiteral("MA_CUENTAS"), QString()); // nothing queued: cancelled
    EXPECT_EQ(d.ValorElegido(), QString());
}

TEST(VentanaBusqueda, FiltraMientrasSeEscribeYDevuelveLaColumnaPedida) {
    PeticionBusqueda p{QStringLiteral("SELECT ..."), QStringLiteral("codigo"), cuentas};
    BusquedaQt v(p);
    v.filtro()->setText(QStringLiteral("naci"));
    ASSERT_EQ(v.tabla()->model()->rowCount(), 1);
    v.accept();
    EXPECT_EQ(v.valorElegido(), QStringLiteral("1.1.02"));

    BusquedaQt vacia(p);
    vacia.filtro()->setText(QStringLiteral("no hay tal cosa"));
    EXPECT_EQ(vacia.tabla()->model()->rowCount(), 0);
    vacia.accept(); // nothing to choose: the window stays open
    EXPECT_EQ(vacia.result(), 0);
    EXPECT_EQ(vacia.valorElegido(), QString());
}

TEST(ArchivoConsultas, RegistrosDeLargoFijo) {
    CarpetaTemporal dir;
    const QString ruta = dir.ruta(QStringLiteral("c.qdx"));
    ASSERT_TRUE(ArchivoConsultas::Agregar(
        ruta, {QStringLiteral(" TAREAS "), QStringLiteral("V_TA_Tareas  "),
               QStringLiteral("|Descripcion|IdTarea|"), QString()}));
    ASSERT_TRUE(ArchivoConsultas::Agregar(
        ruta, {QStringLiteral("B"), QStringLiteral("T"), QStringLiteral("|X|"), QString()}));
    QFile f(ruta);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray todo = f.readAll();
    ASSERT_EQ(todo.size(), 2 * 1202);
    EXPECT_EQ(todo.mid(0, 100), QByteArray("TAREAS").leftJustified(100, ' '));
    EXPECT_EQ(todo.mid(100, 100), QByteArray("V_TA_Tareas").leftJustified(100, ' '));
    EXPECT_EQ(todo.mid(1200, 2), QByteArray("\r\n"));
    const auto registros = ArchivoConsultas::Leer(ruta);
    ASSERT_EQ(registros.size(), 2);
    EXPECT_EQ(ArchivoConsultas::TablaLimpia(registros[1].tabla), QStringLiteral("T"));
}

namespace {
// Accounts as a statement returns them: in no order, with accents and codes
// of different widths.
ResultadoConsulta desordenadas(const QString&) {
    return {{QStringLiteral("DESCRIPCION"), QStringLiteral("CODIGO")},
            {{QStringLiteral("Proveedores varios"), QStringLiteral("2.1.01")},
             {QStringLiteral("caja chica"), QStringLiteral("1.1.01.002")},
             {QStringLiteral("Ávila Hnos. cuenta corriente en pesos"), QStringLiteral("2.1.09")},
             {QStringLiteral("Banco Nación"), QStringLiteral("1.1.02")},
             {QStringLiteral("Caja"), QStringLiteral("1.1.01")},
             {QStringLiteral("Préstamo Banco Nacion"), QStringLiteral("2.1.02")}}};
}

QStringList columna(const QTableView& t, int c) {
    QStringList r;
    for (int f = 0; f < t.model()->rowCount(); ++f)
        r << t.model()->index(f, c).data().toString();
    return r;
}
} // namespace

TEST(VentanaBusqueda, OrdenAscendenteSinNumerosDeFilaYDescripcionAncha) {
    BusquedaQt v({QStringLiteral("SELECT ..."), QStringLiteral("CODIGO"), desordenadas});
    v.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&v));
    EXPECT_EQ(columna(*v.tabla(), 0),
              QStringList({"Ávila Hnos. cuenta corriente en pesos", "Banco Nación", "Caja",
                           "caja chica", "Préstamo Banco Nacion", "Proveedores varios"}));
    EXPECT_FALSE(v.tabla()->verticalHeader()->isVisible());
    // Every code shows whole; the description takes the rest and is the widest.
    QHeaderView* cabecera = v.tabla()->horizontalHeader();
    const QFontMetrics medida(v.tabla()->font());
    EXPECT_GE(cabecera->sectionSize(1), medida.horizontalAdvance(QStringLiteral("1.1.01.002")));
    EXPECT_GT(cabecera->sectionSize(0), cabecera->sectionSize(1));
    EXPECT_GE(cabecera->sectionSize(0) + cabecera->sectionSize(1),
              v.tabla()->viewport()->width() - 1);
    v.resize(900, 420);
    QApplication::processEvents();
    EXPECT_GE(cabecera->sectionSize(0) + cabecera->sectionSize(1),
              v.tabla()->viewport()->width() - 1);
}

TEST(VentanaBusqueda, ElTecladoEligeDesdeElCuadroDeFiltro) {
    BusquedaQt v({QStringLiteral("SELECT ..."), QStringLiteral("CODIGO"), desordenadas});
    v.show();
    v.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&v));
    v.filtro()->setFocus();
    // Letter case and accents aside: "NACION" finds both "Nación" and "Nacion".
    QTest::keyClicks(v.filtro(), QStringLiteral("NACION"));
    EXPECT_EQ(columna(*v.tabla(), 0), QStringList({"Banco Nación", "Préstamo Banco Nacion"}));
    QTest::keyClick(v.filtro(), Qt::Key_Down);
    EXPECT_EQ(v.tabla()->currentIndex().row(), 1);
    EXPECT_EQ(QApplication::focusWidget(), v.filtro());
    QTest::keyClick(v.filtro(), Qt::Key_Return);
    EXPECT_EQ(v.result(), QDialog::Accepted);
    EXPECT_EQ(v.valorElegido(), QStringLiteral("2.1.02")); // the chosen row, not the first

    BusquedaQt w({QStringLiteral("SELECT ..."), QStringLiteral("CODIGO"), desordenadas});
    w.show();
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    w.filtro()->setFocus();
    QTest::keyClicks(w.filtro(), QStringLiteral("avila"));
    EXPECT_EQ(columna(*w.tabla(), 1), QStringList({"2.1.09"}));
    w.filtro()->clear();
    QTest::keyClick(w.filtro(), Qt::Key_PageDown);
    EXPECT_EQ(w.tabla()->currentIndex().row(), 5);
    QTest::keyClick(w.filtro(), Qt::Key_Up);
    QTest::keyClick(w.filtro(), Qt::Key_PageUp);
    EXPECT_EQ(w.tabla()->currentIndex().row(), 0);
    QTest::keyClick(w.filtro(), Qt::Key_Down);
    QTest::keyClick(w.filtro(), Qt::Key_Escape);
    EXPECT_EQ(w.result(), QDialog::Rejected);
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(w.valorElegido(), QString());
}

TEST(TextoPlegado, SinMayusculasNiAcentos) {
    EXPECT_EQ(PlegarTexto(QStringLiteral("ÁÉÍÓÚ Ü Ñandú Camión")),
              QStringLiteral("aeiou u nandu camion"));
}
