#include "CajaMensaje.h"
#include "ContratoErrores.h"
#include "DialogosQt.h"
#include "ReinicioProceso.h"
#include "VentanaLista.h"
#include <QApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QTableView>
#include <QTimer>
#include <gtest/gtest.h>

namespace {
// Presses Enter on the message box as soon as it is on screen and notes the
// caption of its default button.
int ResponderConEnter(int estilo, QString& porDefecto) {
    QTimer::singleShot(0, [&] {
        auto* caja = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(caja, nullptr);
        porDefecto = caja->defaultButton() != nullptr ? caja->defaultButton()->text() : QString();
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(caja, &enter);
    });
    return DialogosQt().Mensaje(QStringLiteral("¿Seguro?"), estilo, QStringLiteral("Atencion"));
}
} // namespace

TEST(DialogosQt, EnterDaElBotonPorDefectoDelEstilo) {
    QString boton;
    EXPECT_EQ(ResponderConEnter(EstilosMensaje::SiNo | EstilosMensaje::Pregunta, boton),
              Respuestas::Si);
    EXPECT_EQ(boton, QStringLiteral("&Sí"));
    // 256: the second button; a question whose safe answer is No.
    EXPECT_EQ(ResponderConEnter(EstilosMensaje::SiNo | EstilosMensaje::SegundoPorDefecto, boton),
              Respuestas::No);
    EXPECT_EQ(boton, QStringLiteral("&No"));
    // 512: the third button.
    EXPECT_EQ(ResponderConEnter(EstilosMensaje::AbortarReintentarIgnorar |
                                    EstilosMensaje::TerceroPorDefecto,
                                boton),
              Respuestas::Ignorar);
    // A default beyond the style's buttons falls back to the first one.
    EXPECT_EQ(
        ResponderConEnter(EstilosMensaje::SoloAceptar | EstilosMensaje::TerceroPorDefecto, boton),
        Respuestas::Aceptar);
}

TEST(DialogosQt, SinLadoInstaladoElProgramaMuestraVentanasReales) {
    RestablecerProceso(); // no side installed, as in a program that installs none
    EXPECT_NE(dynamic_cast<DialogosQt*>(&dialogos()), nullptr);
}

TEST(DialogosQt, LaListaDeUnMensajeSeAbreSinContestarlo) {
    int leidas = 0;
    const ListaMensaje lista{QStringLiteral("&Ver líneas..."), QStringLiteral("Líneas"), [&] {
                                 ++leidas;
                                 return ResultadoConsulta{
                                     {QStringLiteral("Comprobante")},
                                     {{QStringLiteral("FC 1")}, {QStringLiteral("FC 2")}}};
                             }};
    QString titulo;
    int filas = -1;
    bool abiertaTrasLaLista = false;
    QTimer::singleShot(0, [&] {
        auto* caja = qobject_cast<CajaMensaje*>(QApplication::activeModalWidget());
        ASSERT_NE(caja, nullptr);
        QTimer::singleShot(0, [&, caja] {
            auto* v = qobject_cast<VentanaLista*>(QApplication::activeModalWidget());
            ASSERT_NE(v, nullptr);
            titulo = v->windowTitle();
            filas = v->Tabla()->model()->rowCount();
            v->reject();
            QTimer::singleShot(0, [&, caja] {
                // The box is still waiting for its answer.
                abiertaTrasLaLista = QApplication::activeModalWidget() == caja;
                QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
                QApplication::sendEvent(caja, &enter);
            });
        });
        caja->BotonLista()->click();
    });
    EXPECT_EQ(DialogosQt().MensajeConLista(QStringLiteral("¿Seguro?"), EstilosMensaje::SiNo,
                                           QStringLiteral("Atencion"), lista),
              Respuestas::Si);
    EXPECT_EQ(leidas, 1);
    EXPECT_EQ(titulo, QStringLiteral("Líneas"));
    EXPECT_EQ(filas, 2);
    EXPECT_TRUE(abiertaTrasLaLista);
}
