// The totals label, the amounts and the control sheet as an accountant meets
// them in the real window: typed with keys, clicked with the mouse, headless.
#include "BarraEstado.h"
#include "BaseEditor.h"
#include "CargaAsientos.h"
#include "CarpetaTemporal.h"
#include "Dll_Display.h"
#include "FrmTarquel.h"
#include "InfoSistema.h"
#include "Lbf_CtrlDisplay.h"
#include "ModeloAsientos.h"
#include "Programa.h"
#include "Sesion.h"
#include "UtilVex.h"
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

class TotalesEnVentana : public ::testing::Test {
protected:
    void SetUp() override {
        guion = ReiniciarProceso();
        QLocale::setDefault(QLocale::c());
    }
    void abrir() {
        sesion().gCantidadDecimales = QStringLiteral("2");
        f = std::make_unique<FrmTarquel>();
        f->show();
        f->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(f.get()));
    }
    // Clicks a parameter field and types its text over what it held.
    void escribir(const char* campo, const QString& texto) {
        QLineEdit* t = f->TxtFields(QString::fromLatin1(campo));
        QTest::mouseClick(t, Qt::LeftButton);
        QTest::keyClick(t, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(t, Qt::Key_Delete);
        QTest::keyClicks(t, texto);
    }
    void ejecutar() { QTest::mouseClick(f->CmdEjecutar, Qt::LeftButton); }
    void clicEnCelda(int fila, int columna) {
        const QRect r = f->MSFlexGrid1->visualRect(f->Grilla().index(fila - 1, columna));
        QTest::mouseClick(f->MSFlexGrid1->viewport(), Qt::LeftButton, {}, r.center());
    }
    // Types on the current cell (the first key opens the editor) and, when
    // asked, confirms with Enter.
    void teclear(const QString& texto, bool confirmar = true) {
        QTest::keyClicks(f->MSFlexGrid1, texto.left(1));
        ASSERT_TRUE(f->TxtEdit->isVisible());
        QTest::keyClicks(f->TxtEdit, texto.mid(1));
        if (confirmar)
            QTest::keyClick(f->TxtEdit, Qt::Key_Return);
    }
    void clicEnBarra(const char* clave) {
        const QRect r = f->UtilVex1->RectanguloCelda(
            f->UtilVex1->Modelo().BuscarItem(QString::fromLatin1(clave)));
        ASSERT_FALSE(r.isEmpty());
        QTest::mouseClick(f->UtilVex1, Qt::LeftButton, {}, r.center());
    }
    bool etiquetaEnRojo() const {
        return f->LblSuma->palette().color(QPalette::Window) == QColor(255, 0, 0);
    }
    QString texto(int fila, int columna) const {
        return f->MSFlexGrid1->model()->index(fila - 1, columna).data().toString();
    }
    QVariant rol(int fila, int columna, int r) const {
        return f->MSFlexGrid1->model()->index(fila - 1, columna).data(r);
    }

    std::shared_ptr<DialogosGuion> guion;
    std::unique_ptr<FrmTarquel> f;
};

// The journal of the other editor tests.
class TotalesChicos : public TotalesEnVentana {
protected:
    void SetUp() override {
        TotalesEnVentana::SetUp();
        base = std::make_unique<BaseEditor>();
        abrir();
    }
    std::unique_ptr<BaseEditor> base;
};

} // namespace

TEST_F(TotalesEnVentana, UnMesBalanceadoSigueSinDiferenciaTrasCorregirUnaCuenta) {
    // The demo's March: balanced, and its amounts leave a binary residue in
    // whatever order they are added.
    BaseDePrueba demo(QStringLiteral("DEMO"));
    QString error;
    ASSERT_TRUE(GenerarDemo(demo.carpeta(), QStringLiteral("DEMO"), 5000, &error))
        << error.toStdString();
    demo.conectar(gDB());
    abrir();
    escribir("FechaDesde", QStringLiteral("01/03/2024"));
    escribir("FechaHasta", QStringLiteral("31/03/2024"));
    ejecutar();
    const QString balanceado =
        QStringLiteral("Debe : 29051900.43\nHaber : 29051900.43\nDif : 0.00");
    ASSERT_EQ(f->LblSuma->text(), balanceado);
    int fila = 1;
    while (fila < f->Grilla().FilasGrid() && !f->Grilla().EsEditable(fila, Columnas::Cuenta))
        ++fila;
    ASSERT_LT(fila, f->Grilla().FilasGrid());
    const QString clave = f->Grilla().ClaveSinCuenta(fila);
    clicEnCelda(fila, Columnas::Cuenta);
    teclear(QStringLiteral("5.2.01.008"));
    ASSERT_EQ(demo.valor(QStringLiteral("SELECT CUENTA FROM MV_ASIENTOS WHERE") + clave),
              QStringLiteral("5.2.01.008")); // a real correction, written
    // The totals now come from the grid: the same, and not red.
    EXPECT_EQ(f->LblSuma->text(), balanceado);
    EXPECT_FALSE(etiquetaEnRojo());
    EXPECT_TRUE(guion->mensajes().isEmpty());
}

TEST_F(TotalesChicos, ConContieneCuentaLosTotalesSonLosDeLaGrilla) {
    escribir("ContieneCuenta", QStringLiteral("1.1.01"));
    ejecutar();
    // The deposit and the receipt are shown; the filter as a whole holds 592.5.
    ASSERT_EQ(f->Grilla().FilasGrid(), 1 + 2 + 5);
    EXPECT_EQ(f->LblSuma->text(), QStringLiteral("Debe : 171.5\nHaber : 171.5\nDif : 0.00"));
    // Without the account, the whole filter.
    escribir("ContieneCuenta", QString());
    ejecutar();
    EXPECT_EQ(f->LblSuma->text(), QStringLiteral("Debe : 592.5\nHaber : 592.5\nDif : 0.00"));
}

TEST_F(TotalesChicos, UnaCargaCanceladaSumaLasLineasQueMuestra) {
    CargaAsientos::intervaloMs = 0; // the sign at every row
    guion->respuestas.enqueue(Respuestas::Si);
    // The sign's Cancel button is clicked once the deposit (three lines) and
    // the invoice's first line (debit 121) are in the grid.
    QTimer boton;
    QObject::connect(&boton, &QTimer::timeout, [&] {
        Lbf_CtrlDisplay* cartel = gDisplay().ventana();
        if (cartel != nullptr && cartel->isVisible() && f->Grilla().FilasGrid() >= 1 + 4 + 2) {
            QTest::mouseClick(cartel->CmdDisplayCancelar, Qt::LeftButton);
            boton.stop();
        }
    });
    boton.start(0);
    ejecutar();
    ASSERT_EQ(guion->mensajes(), QStringList{QStringLiteral("Desea cancelar el proceso?")});
    ASSERT_EQ(f->Grilla().FilasGrid(), 1 + 4 + 2);
    EXPECT_EQ(f->LblSuma->text(), QStringLiteral("Debe : 171\nHaber : 50\nDif : 121.00"));
    EXPECT_TRUE(etiquetaEnRojo());
}

TEST_F(TotalesChicos, MientrasSeEscribeLaPlanillaLaGrillaNoCambiaYSeDiceQuePlanilla) {
    CarpetaTemporal dir;
    Programa::EstablecerCarpeta(dir.ruta());
    InfoSistema::EstablecerLanzador(
        [](const QString&, const QString&, const QString&) { return true; });
    ejecutar();
    const int filas = f->Grilla().FilasGrid();
    ASSERT_GT(filas, 2);
    // An account typed and left in its editor when "Reporte" is pressed.
    int fila = 1;
    while (fila < filas && !f->Grilla().EsEditable(fila, Columnas::Cuenta))
        ++fila;
    ASSERT_LT(fila, filas);
    clicEnCelda(fila, Columnas::Cuenta);
    teclear(QStringLiteral("9.9.99"), false);
    CargaAsientos::intervaloMs = 0; // the sheet's sign at every block, events running
    // "&Ejecutar >>>" pressed and another cell clicked while the sheet is
    // being written.
    bool pulsado = false;
    QTimer::singleShot(0, [&] {
        escribir("TC", QStringLiteral("RC"));
        ejecutar();
        clicEnCelda(fila == 1 ? 2 : 1, Columnas::Descripcion);
        pulsado = true;
    });
    clicEnBarra("REPORTE");
    ASSERT_TRUE(pulsado);
    EXPECT_EQ(f->sbStatusBar->Panel(QStringLiteral("MENSAJE"))->text(),
              QStringLiteral("Espere a que termine la planilla de control"));
    EXPECT_EQ(f->Grilla().FilasGrid(), filas);
    // The typed account stayed in its cell before the sheet, which shows it.
    EXPECT_FALSE(f->TxtEdit->isVisible());
    EXPECT_EQ(texto(fila, Columnas::Cuenta), QStringLiteral("9.9.99"));
    QFile hoja(dir.ruta(QStringLiteral("pcc2.xls")));
    ASSERT_TRUE(hoja.open(QIODevice::ReadOnly));
    EXPECT_TRUE(hoja.readAll().contains("<TD>9.9.99<TD>"));
}

TEST_F(TotalesChicos, ImportesEnLaNotacionRegionalEnGrillaTotalesYPlanilla) {
    CarpetaTemporal dir;
    Programa::EstablecerCarpeta(dir.ruta());
    QString abierto;
    InfoSistema::EstablecerLanzador([&](const QString& archivo, const QString&, const QString&) {
        abierto = archivo;
        return true;
    });
    const struct {
        QLocale locale;
        const char* importe;
        const char* tecleado;
        const char* cambiado;
        const char* totales;
    } casos[] = {
        {QLocale(QLocale::Spanish, QLocale::Argentina), "121,5", "40.25", "40,25",
         "Debe : 40,25\nHaber : 121,5\nDif : -81,25\nCon importes no grabados"},
        {QLocale(QLocale::English, QLocale::UnitedStates), "121.5", "40,25", "40.25",
         "Debe : 40.25\nHaber : 121.5\nDif : -81.25\nCon importes no grabados"},
    };
    for (const auto& c : casos) {
        QLocale::setDefault(c.locale);
        const QString importe = QString::fromUtf8(c.importe);
        const QString cambiado = QString::fromUtf8(c.cambiado);
        escribir("TC", QStringLiteral("RC"));
        ejecutar();
        // Row 2: cash, debit 121.5, editable; row 3: the customer's credit.
        ASSERT_EQ(f->Grilla().FilasGrid(), 4);
        EXPECT_EQ(texto(2, Columnas::Debe), importe);
        EXPECT_EQ(texto(3, Columnas::Haber), importe);
        EXPECT_EQ(f->LblSuma->text().section(u'\n', 0, 0), QStringLiteral("Debe : ") + importe);
        // An amount typed in either notation is shown, and counted, in the regional one.
        clicEnCelda(2, Columnas::Debe);
        teclear(QString::fromUtf8(c.tecleado));
        EXPECT_EQ(texto(2, Columnas::Debe), cambiado);
        EXPECT_EQ(f->LblSuma->text(), QString::fromUtf8(c.totales));
        // The sheet carries the grid's amounts as they are shown.
        clicEnBarra("REPORTE");
        ASSERT_EQ(abierto, dir.ruta(QStringLiteral("pcc2.xls")));
        QFile hoja(abierto);
        ASSERT_TRUE(hoja.open(QIODevice::ReadOnly));
        const QString html = QString::fromLatin1(hoja.readAll());
        EXPECT_TRUE(
            html.contains(QStringLiteral("<TD>Caja<TD>") + cambiado + QStringLiteral("<TD>0<TD>")))
            << html.toStdString();
        EXPECT_TRUE(html.contains(QStringLiteral("<TD>Cliente SA<TD>0<TD>") + importe +
                                  QStringLiteral("<TD>")));
    }
}

TEST_F(TotalesChicos, UnImporteCambiadoEnPantallaSeVeDistintoYLosTotalesLoDicen) {
    escribir("TC", QStringLiteral("AS"));
    ejecutar();
    // Row 3: account 1.1.01, credit 50, editable.
    ASSERT_TRUE(f->Grilla().EsEditable(3, Columnas::Haber));
    EXPECT_FALSE(rol(3, Columnas::Haber, Qt::FontRole).value<QFont>().italic());
    EXPECT_TRUE(rol(3, Columnas::Haber, Qt::ToolTipRole).isNull());
    clicEnCelda(3, Columnas::Haber);
    teclear(QStringLiteral("40"));
    EXPECT_TRUE(rol(3, Columnas::Haber, Qt::FontRole).value<QFont>().italic());
    EXPECT_EQ(rol(3, Columnas::Haber, Qt::ForegroundRole).value<QBrush>().color(),
              QColor(160, 64, 0));
    EXPECT_TRUE(f->Grilla().EsEditable(3, Columnas::Haber)); // still grey: still editable
    const QString aviso = rol(3, Columnas::Haber, Qt::ToolTipRole).toString();
    EXPECT_TRUE(aviso.contains(QStringLiteral("no grabado"))) << aviso.toStdString();
    EXPECT_TRUE(aviso.endsWith(QStringLiteral("En la base de datos: 50")));
    EXPECT_EQ(f->LblSuma->text(),
              QStringLiteral("Debe : 50\nHaber : 40\nDif : 10.00\nCon importes no grabados"));
    EXPECT_FALSE(f->LblSuma->toolTip().isEmpty());
    EXPECT_EQ(base->base().valor(
                  QStringLiteral("SELECT IMPORTE FROM MV_ASIENTOS WHERE TC='AS' AND SECUENCIA=2")),
              QStringLiteral("50"));
    // "Grabar" no longer lets the user believe the amount was saved.
    clicEnBarra("GRABAR");
    ASSERT_FALSE(guion->mensajes().isEmpty());
    EXPECT_TRUE(guion->mensajes().last().startsWith(
        QStringLiteral("LOS DATOS SE GRABAN AUTOMATICAMENTE CADA VEZ QUE PULSA LA TECLA ENTER")));
    EXPECT_TRUE(guion->mensajes().last().contains(
        QStringLiteral("Los importes cambiados en pantalla no se graban nunca")));
    // Typed back to the stored amount, the cell and the label are as loaded.
    clicEnCelda(3, Columnas::Haber);
    teclear(QStringLiteral("50.00"));
    EXPECT_FALSE(rol(3, Columnas::Haber, Qt::FontRole).value<QFont>().italic());
    EXPECT_EQ(texto(3, Columnas::Haber), QStringLiteral("50"));
    EXPECT_EQ(f->LblSuma->text(), QStringLiteral("Debe : 50\nHaber : 50\nDif : 0.00"));
    EXPECT_TRUE(f->LblSuma->toolTip().isEmpty());
    clicEnBarra("GRABAR");
    EXPECT_EQ(guion->mensajes().last(),
              QStringLiteral("LOS DATOS SE GRABAN AUTOMATICAMENTE CADA VEZ QUE PULSA LA TECLA "
                             "ENTER AL MODIFICAR UN DATO"));
    // An account typed and left with the mouse is not written either: marked too.
    clicEnCelda(3, Columnas::Cuenta);
    teclear(QStringLiteral("5.1.01"), false);
    clicEnCelda(4, Columnas::Descripcion);
    EXPECT_EQ(texto(3, Columnas::Cuenta), QStringLiteral("5.1.01"));
    EXPECT_TRUE(rol(3, Columnas::Cuenta, Qt::FontRole).value<QFont>().italic());
    EXPECT_TRUE(rol(3, Columnas::Cuenta, Qt::ToolTipRole)
                    .toString()
                    .contains(QStringLiteral("se graba al confirmarla con Enter")));
    EXPECT_EQ(base->base().valor(
                  QStringLiteral("SELECT CUENTA FROM MV_ASIENTOS WHERE TC='AS' AND SECUENCIA=2")),
              QStringLiteral("1.1.01"));
}
