// The demo database's users as the README presents them, started the way the
// README and the access window start the program.
#include "CarpetaTemporal.h"
#include "DB_Dll.h"
#include "GeneradorDemo.h"
#include "ImprimirQt.h"
#include "Inicio.h"
#include "ParametrosLinea.h"
#include "Programa.h"
#include "ReinicioPrueba.h"
#include "Sesion.h"
#include <gtest/gtest.h>

namespace {
class UsuariosDemo : public ::testing::Test {
protected:
    void SetUp() override {
        QString error;
        ASSERT_TRUE(GenerarDemo(datos.ruta(), QStringLiteral("DEMO"), 0, &error))
            << error.toStdString();
        guion = ReiniciarProceso();
        Programa::EstablecerCarpeta(programa.ruta());
    }
    // The README's parameter string for usuario with the password clave.
    void iniciar(const QString& usuario, const QString& clave) {
        Programa::EstablecerLineaComando(
            QStringLiteral(" ; @server=sqlite/") + datos.ruta().chopped(1) +
            QStringLiteral("; @dbname=DEMO; @usuario=") + usuario + QStringLiteral("; @Password=") +
            clave + QStringLiteral("; @ParametroAdicional=; brev@ ; @UsuarioLogeado = ") + usuario +
            QStringLiteral("; @Caja=1;"));
        IniciarAplicacion();
    }
    // The task of the last entry row.
    QString tarea() const {
        Recordset rs;
        rs.Open(QStringLiteral("SELECT Tarea FROM Control_Acceso ORDER BY Id DESC"),
                gDB().gCnn.get(), 0, 1);
        return rs.Eof() ? QStringLiteral("(ninguna)") : rs.Valor(0).toString();
    }
    DatosAcceso tecleado(const QString& usuario, const QString& clave) const {
        return DatosAcceso{QStringLiteral("DEMO"), datos.ruta().chopped(1), usuario, clave, 0};
    }

    CarpetaTemporal datos;
    CarpetaTemporal programa;
    std::shared_ptr<DialogosGuion> guion;
};
} // namespace

TEST_F(UsuariosDemo, AnaEntraDirectoConSuTarea) {
    iniciar(QStringLiteral("ANA"), QStringLiteral("DEMO"));
    EXPECT_TRUE(guion->prompts.isEmpty());
    EXPECT_EQ(tarea(), QStringLiteral("MODIFICACIÓN DE IMPUTACIÓN DE ASIENTOS"));
    EXPECT_TRUE(gDB().gEsAdmin);
}

TEST_F(UsuariosDemo, JperezEntraPorLaVentanaDeAcceso) {
    guion->accesos.enqueue(tecleado(QStringLiteral("JPEREZ"), QStringLiteral("JPerez")));
    iniciar(QStringLiteral("JPEREZ"), QString());
    EXPECT_EQ(guion->accesosMostrados.size(), 1);
    EXPECT_EQ(tarea(), QStringLiteral("MODIFICACIÓN DE IMPUTACIÓN DE ASIENTOS"));
    EXPECT_FALSE(gDB().gEsAdmin);
}

TEST_F(UsuariosDemo, MgomezEntraSinTareaYLsueldosNo) {
    iniciar(QStringLiteral("MGOMEZ"), QStringLiteral("maria"));
    EXPECT_TRUE(guion->prompts.isEmpty());
    EXPECT_EQ(tarea(), QString());

    guion = ReiniciarProceso();
    Programa::EstablecerCarpeta(programa.ruta());
    guion->accesos.enqueue(std::nullopt);
    EXPECT_THROW(iniciar(QStringLiteral("LSUELDOS"), QStringLiteral("sueldos")),
                 Programa::FinDelPrograma);
    EXPECT_EQ(guion->mensajes().size(), 1);
}
