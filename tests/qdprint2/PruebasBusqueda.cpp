#include "ArchivoConsultas.h"
#include "BusquedaQt.h"
#include "CarpetaTemporal.h"
#include "DialogoConsulta.h"
#include "DialogosGuion.h"
#include <QLineEdit>
#include <QSortFilterProxyModel>
#include <QTableView>
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
