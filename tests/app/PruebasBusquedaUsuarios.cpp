// The main window's user search, with the search dialog set up as start-up
// sets it: the users are listed without their stored password.
#include "BaseIngreso.h"
#include "ConsultasInicio.h"
#include "DB_Dll.h"
#include "FrmTarquel.h"
#include "ImprimirQt.h"
#include "Programa.h"
#include <QLineEdit>
#include <gtest/gtest.h>

TEST(BusquedaUsuarios, ListaLosUsuariosSinSuClave) {
    auto guion = ReiniciarProceso();
    BaseIngreso base;
    base.usuario(QStringLiteral("ANA"), QStringLiteral("demo"), QStringLiteral("cn000pr"), true);
    base.usuario(QStringLiteral("JPEREZ"), QStringLiteral("jperez"));
    base.conectar(gDB());
    CarpetaTemporal programa;
    Programa::EstablecerCarpeta(programa.ruta());
    PrepararDialogoConsulta();

    FrmTarquel f;
    f.show();
    guion->busquedas.enqueue(QStringLiteral("JPEREZ"));
    f.CampoActual = f.TxtFields(QStringLiteral("USUARIO"));
    f.CmdConsultar();
    EXPECT_EQ(f.TxtFields(QStringLiteral("USUARIO"))->text(), QStringLiteral("JPEREZ"));
    ASSERT_EQ(guion->peticionesBusqueda.size(), 1);
    const PeticionBusqueda& p = guion->peticionesBusqueda[0];
    EXPECT_EQ(p.campoDevuelto, QStringLiteral("NOMBRE"));
    const ResultadoConsulta r = p.consultar(p.sentencia);
    EXPECT_TRUE(r.columnas.contains(QStringLiteral("Nombre")));
    EXPECT_FALSE(r.columnas.contains(QStringLiteral("PASSWORD"), Qt::CaseInsensitive));
    ASSERT_EQ(r.filas.size(), 2);
    for (const QStringList& fila : r.filas) {
        EXPECT_EQ(fila.size(), r.columnas.size());
        EXPECT_FALSE(fila.contains(UtilGeneral::Encriptar(QStringLiteral("demo"))));
        EXPECT_FALSE(fila.contains(UtilGeneral::Encriptar(QStringLiteral("jperez"))));
    }
}
