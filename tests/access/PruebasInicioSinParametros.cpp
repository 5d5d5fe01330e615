// The program started without a parameter string asks for the connection in
// the access window; "Cancelar" ends it without a message.
#include "CarpetaTemporal.h"
#include "DialogosQt.h"
#include "Dll_Display.h"
#include "Inicio.h"
#include "Lbf_CtrlDisplay.h"
#include "Programa.h"
#include "ReinicioPrueba.h"
#include "frmAcceso.h"
#include <QApplication>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

namespace {
// Messages are scripted and recorded; the access window is the real one.
class GuionConVentanaDeAcceso : public DialogosGuion {
public:
    bool Acceso(DatosAcceso& datos) override {
        prompts.append({QStringLiteral("acceso"), datos.servidor, datos.baseDatos, 0});
        return DialogosQt().Acceso(datos);
    }
};
} // namespace

TEST(InicioSinParametros, LaVentanaDeAccesoSeAbreYCancelarTerminaSinMensaje) {
    ReiniciarProceso();
    auto lado = std::make_shared<GuionConVentanaDeAcceso>();
    EstablecerDialogos(lado);
    CarpetaTemporal programa;
    Programa::EstablecerCarpeta(programa.ruta());
    Programa::EstablecerLineaComando(QString());

    bool vista = false, cartelVisible = true;
    QTimer t;
    t.setInterval(10);
    QObject::connect(&t, &QTimer::timeout, [&] {
        auto* f = qobject_cast<frmAcceso*>(QApplication::activeModalWidget());
        if (f == nullptr)
            return;
        t.stop();
        vista = true;
        cartelVisible = gDisplay().ventana() != nullptr && gDisplay().ventana()->isVisible();
        f->bcCancelar->click();
    });
    t.start();
    int codigo = -1;
    try {
        IniciarAplicacion();
    } catch (const Programa::FinDelPrograma& fin) {
        codigo = fin.codigo;
    }
    EXPECT_TRUE(vista);
    EXPECT_FALSE(cartelVisible);
    EXPECT_EQ(codigo, 0);
    ASSERT_EQ(lado->prompts.size(), 1);
    EXPECT_EQ(lado->prompts[0].tipo, QStringLiteral("acceso"));
}
