#include "CajaMensaje.h"
#include "ContratoErrores.h"
#include "DialogosQt.h"
#include "ReinicioProceso.h"
#include "TextosQtEnEspanol.h"
#include "VentanaLista.h"
#include <QApplication>
#include <QCalendarWidget>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTableView>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>
#include <memory>

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

TEST(DialogosQt, ElCalendarioHablaCastellanoSeaCualSeaElIdiomaDelSistema) {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QString mes;
    QStringList meses;
    QString dias;
    QTimer::singleShot(0, [&] {
        QWidget* ventana = QApplication::activeModalWidget();
        ASSERT_NE(ventana, nullptr);
        auto* cal = ventana->findChild<QCalendarWidget*>();
        ASSERT_NE(cal, nullptr);
        auto* boton = cal->findChild<QToolButton*>(QStringLiteral("qt_calendar_monthbutton"));
        ASSERT_NE(boton, nullptr);
        mes = boton->text();
        for (const QAction* a : boton->menu()->actions())
            meses << a->text();
        auto* vista = cal->findChild<QTableView*>(QStringLiteral("qt_calendar_calendarview"));
        ASSERT_NE(vista, nullptr);
        for (int c = 0; c < vista->model()->columnCount(); ++c)
            dias += vista->model()->index(0, c).data().toString() + u' ';
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(vista, &enter);
    });
    EXPECT_EQ(DialogosQt().Calendario(QStringLiteral("05/03/2024")), QStringLiteral("05/03/2024"));
    EXPECT_EQ(mes, QStringLiteral("marzo"));
    EXPECT_EQ(meses.first(), QStringLiteral("enero"));
    EXPECT_EQ(meses.last(), QStringLiteral("diciembre"));
    EXPECT_TRUE(dias.contains(QStringLiteral("lun"))) << dias.toStdString();
    EXPECT_FALSE(dias.contains(QStringLiteral("Mon"))) << dias.toStdString();
}

TEST(TextosQtEnEspanol, MenuDeLosCuadrosDeTextoYSelectorDeArchivos) {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    auto menu = [] {
        QLineEdit e;
        const std::unique_ptr<QMenu> m(e.createStandardContextMenu());
        QStringList textos;
        for (const QAction* a : m->actions())
            if (!a->isSeparator())
                textos << a->text().section(u'\t', 0, 0);
        return textos;
    };
    InstalarTextosQtEnEspanol();
    InstalarTextosQtEnEspanol(); // twice is the same
    EXPECT_EQ(menu(), QStringList({"&Deshacer", "&Rehacer", "Cor&tar", "&Copiar", "&Pegar",
                                   "Eliminar", "Seleccionar todo"}));
    QFileDialog d;
    d.setOption(QFileDialog::DontUseNativeDialog);
    QStringList etiquetas;
    for (const QLabel* l : d.findChildren<QLabel*>())
        etiquetas << l->text();
    for (const QAbstractButton* b : d.findChildren<QAbstractButton*>())
        etiquetas << (b->text().isEmpty() ? b->toolTip() : b->text());
    for (const char* esperado : {"Buscar en:", "&Nombre del archivo:", "Archivos de tipo:",
                                 "&Abrir", "Cancelar", "Atrás", "Carpeta superior"})
        EXPECT_TRUE(etiquetas.contains(QString::fromUtf8(esperado)))
            << esperado << ": " << etiquetas.join(u'|').toStdString();
    // The process reset takes them out.
    RestablecerProceso();
    EXPECT_EQ(menu().first(), QStringLiteral("&Undo"));
}
