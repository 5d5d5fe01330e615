// The main window driven headless through its real widgets.
#include "BarraEstado.h"
#include "BaseEditor.h"
#include "CajaProgreso.h"
#include "CargaAsientos.h"
#include "CarpetaTemporal.h"
#include "ConsultasInicio.h"
#include "Contadores.h"
#include "DesdeComanda.h"
#include "DialogoConsulta.h"
#include "FiltroAsientos.h"
#include "FrmTarquel.h"
#include "ModeloAsientos.h"
#include "Programa.h"
#include "Sesion.h"
#include "UtilVex.h"
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <gtest/gtest.h>

namespace {
void tecla(QWidget* w, int k, const QString& texto = {}) {
    QKeyEvent abajo(QEvent::KeyPress, k, Qt::NoModifier, texto);
    QApplication::sendEvent(w, &abajo);
}

class Ventana : public ::testing::Test {
protected:
    void SetUp() override {
        guion = ReiniciarProceso();
        base = std::make_unique<BaseEditor>();
        sesion().gCantidadDecimales = QStringLiteral("2");
        sesion().gCaja = QStringLiteral("1");
        CargaAsientos::intervaloMs = 30;
    }
    std::shared_ptr<DialogosGuion> guion;
    std::unique_ptr<BaseEditor> base;
};
} // namespace

TEST_F(Ventana, EjecutarLlenaLaGrillaYLosTotales) {
    FrmTarquel f;
    f.show();
    EXPECT_EQ(f.windowTitle(), QStringLiteral("Modificación de Imputación de Asientos"));
    EXPECT_EQ(f.sbStatusBar->Texto(QStringLiteral("CAJA")), QStringLiteral("1 Caja central"));
    EXPECT_EQ(f.sbStatusBar->Texto(QStringLiteral("BASEDEDATOS")), QStringLiteral("Db: CONTA"));
    f.TxtFields(QStringLiteral("tc"))->setText(QStringLiteral("RC"));
    f.CmdEjecutar->click();
    EXPECT_EQ(f.Grilla().FilasGrid(), 4);
    EXPECT_EQ(f.MSFlexGrid1->model()->rowCount(), 3);
    EXPECT_EQ(f.MSFlexGrid1->model()->index(0, 1).data().toString(),
              QStringLiteral("RC 000100000005X"));
    EXPECT_TRUE(f.MSFlexGrid1->isColumnHidden(Columnas::Clave));
    EXPECT_EQ(f.LblSuma->text(), QStringLiteral("Debe : 121.5\nHaber : 121.5\nDif : 0.00"));
    EXPECT_FALSE(f.Cargando());
    // Esc is the bar's Cancel: the grid empties, fields and totals stay.
    tecla(&f, Qt::Key_Escape);
    EXPECT_EQ(f.Grilla().FilasGrid(), 2);
    EXPECT_EQ(f.TxtFields(QStringLiteral("TC"))->text(), QStringLiteral("RC"));
    EXPECT_TRUE(f.LblSuma->text().startsWith(QStringLiteral("Debe : 121.5")));
    EXPECT_TRUE(f.isVisible());
    // Save only explains that every change is saved on Enter.
    f.UtilVex1_click(QStringLiteral("Grabar"));
    EXPECT_EQ(guion->mensajes().last(),
              QStringLiteral("LOS DATOS SE GRABAN AUTOMATICAMENTE CADA VEZ QUE PULSA LA TECLA "
                             "ENTER AL MODIFICAR UN DATO"));
}

TEST_F(Ventana, CamposQueSeCompletanAlConfirmar) {
    FrmTarquel f;
    f.show();
    QLineEdit* suc = f.TxtFields(QStringLiteral("SUCURSAL"));
    suc->setFocus();
    suc->setText(QStringLiteral("1"));
    tecla(suc, Qt::Key_Return);
    EXPECT_EQ(suc->text(), QStringLiteral("0001"));
    QLineEdit* num = f.TxtFields(QStringLiteral("numero"));
    num->setText(QStringLiteral("5"));
    tecla(num, Qt::Key_Return);
    EXPECT_EQ(num->text(), QStringLiteral("00000005"));
    // The alternative code becomes the main code and completes the range.
    QLineEdit* desde = f.TxtFields(QStringLiteral("cuentadesde"));
    desde->setText(QStringLiteral("caja"));
    tecla(desde, Qt::Key_Return);
    EXPECT_EQ(desde->text(), QStringLiteral("1.1.01"));
    EXPECT_EQ(f.TxtFields(QStringLiteral("CuentaHasta"))->text(), QStringLiteral("1.1.01"));
    desde->setText(QStringLiteral("4.1.01"));
    tecla(desde, Qt::Key_Return);
    EXPECT_EQ(f.TxtFields(QStringLiteral("CuentaHasta"))->text(),
              QStringLiteral("1.1.01")); // not overwritten
    EXPECT_FALSE(f.ErrorValidacion);
    // A missing account is refused and keeps the focus.
    desde->setText(QStringLiteral("9.9.99"));
    tecla(desde, Qt::Key_Return);
    EXPECT_TRUE(f.ErrorValidacion);
    EXPECT_EQ(guion->mensajes().last(), QStringLiteral("La cuenta ingresada es inexistente"));
    EXPECT_EQ(guion->prompts.last().titulo, QStringLiteral("Aviso al Operador..."));
    QLineEdit* fecha = f.TxtFields(QStringLiteral("FechaDesde"));
    fecha->setText(QStringLiteral("05/03/2024"));
    tecla(fecha, Qt::Key_Return);
    EXPECT_EQ(f.TxtFields(QStringLiteral("FechaHasta"))->text(), QStringLiteral("05/03/2024"));
}

TEST_F(Ventana, BusquedasPorTipoDeCampo) {
    FrmTarquel f;
    f.show();
    QLineEdit* uneg = f.TxtFields(QStringLiteral("UNEGOCIO"));
    guion->busquedas.enqueue(QStringLiteral("   2 "));
    QMouseEvent derecho(QEvent::MouseButtonPress, QPointF(2, 2), QPointF(2, 2), Qt::RightButton,
                        Qt::RightButton, Qt::NoModifier);
    QApplication::sendEvent(uneg, &derecho);
    EXPECT_EQ(uneg->text(), QStringLiteral("2"));
    ASSERT_EQ(guion->peticionesBusqueda.size(), 1);
    EXPECT_EQ(guion->peticionesBusqueda[0].campoDevuelto, QStringLiteral("CODIGO"));
    EXPECT_TRUE(
        guion->peticionesBusqueda[0].sentencia.contains(QStringLiteral("V_TA_UNIDADNEGOCIO")));
    // Accounts are searched among postable accounts; a cancelled search empties the field.
    QLineEdit* cuenta = f.TxtFields(QStringLiteral("ContieneCuenta"));
    cuenta->setText(QStringLiteral("x"));
    f.CampoActual = cuenta;
    f.CmdConsultar();
    EXPECT_TRUE(
        guion->peticionesBusqueda[1].sentencia.endsWith(QStringLiteral("WHERE TITULO = 0")));
    EXPECT_EQ(cuenta->text(), QString());
    // Dates use the calendar; a field without a tag does nothing.
    QLineEdit* fecha = f.TxtFields(QStringLiteral("FechaHasta"));
    guion->fechas.enqueue(QStringLiteral("31/03/2024"));
    f.CampoActual = fecha;
    f.CmdConsultar();
    EXPECT_EQ(fecha->text(), QStringLiteral("31/03/2024"));
    f.CampoActual = f.TxtFields(QStringLiteral("LETRA"));
    f.CmdConsultar();
    EXPECT_EQ(guion->peticionesBusqueda.size(), 2);
}

TEST_F(Ventana, ConUsaConsultaLikeLasCuentasSeBuscanConLaDefinicionDeConsultas) {
    CarpetaTemporal dir;
    Programa::EstablecerCarpeta(dir.ruta());
    PrepararDialogoConsulta(); // writes the default definitions
    base->base().ejecutar(QStringLiteral(
        "INSERT INTO TA_CONFIGURACION (CLAVE, GRUPO, VALOR) VALUES ('USACONSULTALIKE', "
        "'DATOS', 'si'), ('TOPCONSART', 'DATOS', '250')"));
    FrmTarquel f;
    f.show();
    QLineEdit* cuenta = f.TxtFields(QStringLiteral("ContieneCuenta"));
    guion->busquedas.enqueue(QStringLiteral(" 4.1.01 "));
    f.CampoActual = cuenta;
    f.CmdConsultar();
    ASSERT_EQ(guion->peticionesBusqueda.size(), 1);
    EXPECT_EQ(guion->peticionesBusqueda[0].sentencia,
              QStringLiteral("SELECT top 250 DESCRIPCION,CODIGO FROM MA_CUENTAS  with(nolock)  "
                             "WHERE TITULO = 0"));
    EXPECT_EQ(cuenta->text(), QStringLiteral("4.1.01"));
    // The statement really runs on the main connection.
    EXPECT_EQ(
        guion->peticionesBusqueda[0].consultar(guion->peticionesBusqueda[0].sentencia).filas.size(),
        8);
    // Without a definition for the table no search is shown and the field keeps its text.
    QFile::remove(gDialogoConsulta().ArchivoConsultas);
    f.CampoActual = cuenta; // the confirmed search moved the focus on to the next field
    f.CmdConsultar();
    EXPECT_EQ(guion->peticionesBusqueda.size(), 1);
    EXPECT_EQ(cuenta->text(), QStringLiteral("4.1.01"));
}

TEST_F(Ventana, ArrancaSobreUnComprobante) {
    sesion().gParametroAdicional = QStringLiteral("@DESDECOMANDAFC|000100000010A");
    FrmTarquel f;
    EXPECT_EQ(f.TxtFields(QStringLiteral("TC"))->text(), QStringLiteral("FC"));
    EXPECT_EQ(f.TxtFields(QStringLiteral("SUCURSAL"))->text(), QStringLiteral("0001"));
    EXPECT_EQ(f.TxtFields(QStringLiteral("NUMERO"))->text(), QStringLiteral("00000010"));
    EXPECT_EQ(f.TxtFields(QStringLiteral("LETRA"))->text(), QStringLiteral("A"));
    EXPECT_EQ(f.Grilla().FilasGrid(), 5);
    EXPECT_EQ(sesion().gParametroAdicional, QStringLiteral("000100000010A"));
}

TEST(DesdeComanda, SinBarraSeCortaIgualPorPosiciones) {
    QString a = QStringLiteral("@desdecomanda000200000099Z");
    const auto c = LeerDesdeComanda(a);
    ASSERT_TRUE(c.has_value());
    EXPECT_EQ(c->tc, QString());
    EXPECT_EQ(c->sucursal, QStringLiteral("0002"));
    EXPECT_EQ(c->numero, QStringLiteral("00000099"));
    EXPECT_EQ(c->letra, QStringLiteral("Z"));
    QString sin = QStringLiteral("otra cosa");
    EXPECT_FALSE(LeerDesdeComanda(sin).has_value());
}

TEST_F(Ventana, CuentaPrincipalAgregaDosColumnasYLaCajaFaltanteSeRegistra) {
    base->base().ejecutar(QStringLiteral("DELETE FROM V_TA_Cajas"));
    sesion().gCaja = QStringLiteral("7");
    FrmTarquel f;
    EXPECT_EQ(base->base().valor(
                  QStringLiteral("SELECT Descripcion FROM V_TA_Cajas WHERE IdCajas = '   7'")),
              QStringLiteral("CAJA 7"));
    EXPECT_EQ(f.sbStatusBar->Texto(QStringLiteral("CAJA")), QStringLiteral("7 CAJA 7"));
    f.ChkDatosCabecera->setChecked(true);
    f.CmdEjecutar->click();
    EXPECT_EQ(f.MSFlexGrid1->model()->columnCount(), 16);
    EXPECT_EQ(f.MSFlexGrid1->model()->headerData(13, Qt::Horizontal).toString(),
              QStringLiteral("Provincia"));
    // Sorting by the account column reorders the rows and reloads nothing.
    f.Grilla().Ordenar(Columnas::Cuenta);
    EXPECT_EQ(f.Grilla().Texto(1, 1), QStringLiteral("1.1.01"));
}

TEST(DibujarProgreso, LeyendaYBarraInvertida) {
    EXPECT_EQ(LeyendaProgreso(QStringLiteral("0"), QString()), QStringLiteral(" %"));
    EXPECT_EQ(LeyendaProgreso(QString(), QStringLiteral("Carga")), QStringLiteral("Carga %"));
    EXPECT_EQ(LeyendaProgreso(QStringLiteral("42"), QString()), QStringLiteral(" 42%"));
    CajaProgreso caja;
    caja.resize(100, 20);
    DibujarProgreso(caja, QStringLiteral("0"), Colores::Azul, QString());
    EXPECT_EQ(caja.imagen().pixelColor(2, 2), QColor(Qt::white));
    DibujarProgreso(caja, QStringLiteral("100"), Colores::Azul, QString());
    EXPECT_NE(caja.imagen().pixelColor(98, 2), QColor(Qt::white)); // filled to the end
    DibujarProgreso(caja, QStringLiteral("50"), Colores::Azul, QString());
    EXPECT_NE(caja.imagen().pixelColor(10, 2), QColor(Qt::white));
    EXPECT_EQ(caja.imagen().pixelColor(90, 2), QColor(Qt::white));
}

TEST_F(Ventana, UnCampoDeFechaSoloTomaFechas) {
    FrmTarquel f;
    f.show();
    const QString rechazo = QString::fromUtf8(kFechaInvalida);
    QLineEdit* desde = f.TxtFields(QStringLiteral("FechaDesde"));
    QLineEdit* hasta = f.TxtFields(QStringLiteral("FechaHasta"));
    for (const char* t : {"32/13/2024", "abc", "29/02/2023"}) {
        desde->setFocus();
        desde->setText(QString::fromLatin1(t));
        tecla(desde, Qt::Key_Return);
        EXPECT_TRUE(f.ErrorValidacion) << t;
        EXPECT_EQ(guion->mensajes().last(), rechazo) << t;
        EXPECT_EQ(f.focusWidget(), desde) << t;
        EXPECT_EQ(hasta->text(), QString()) << t; // not copied
    }
    desde->setText(QStringLiteral("05/03/2024"));
    tecla(desde, Qt::Key_Return);
    EXPECT_FALSE(f.ErrorValidacion);
    EXPECT_EQ(hasta->text(), QStringLiteral("05/03/2024"));
    // A field left without Enter stops the query and the replacement.
    guion->prompts.clear();
    contadores().registrar = true;
    desde->setFocus();
    hasta->setText(QStringLiteral("no es fecha"));
    f.CmdEjecutar->click();
    EXPECT_EQ(f.Grilla().FilasGrid(), 2);
    EXPECT_EQ(f.focusWidget(), hasta);
    EXPECT_TRUE(contadores().registro.isEmpty());
    f.TxtFields(QStringLiteral("CTAORIGEN"))->setText(QStringLiteral("1.1.01"));
    f.TxtFields(QStringLiteral("CTADESTINO"))->setText(QStringLiteral("5.1.01"));
    f.CmdReemplazar->click();
    ASSERT_EQ(guion->mensajes(), QStringList({rechazo, rechazo})); // no question asked
    EXPECT_EQ(base->base().filas(QStringLiteral("SELECT * FROM MV_ASIENTOS WHERE CUENTA='1.1.01'")),
              2);
    // With dates the query runs, and its text keeps its blanks.
    hasta->setText(QStringLiteral("31/03/2024"));
    f.CmdEjecutar->click();
    EXPECT_EQ(f.Grilla().FilasGrid(), 1 + 3 + 8);
    EXPECT_TRUE(contadores().registro.filter(QStringLiteral("'2024-03-31') order by TC")).size() ==
                1);
}

TEST_F(Ventana, LosCaracteresDeControlNoEntranEnLosCampos) {
    FrmTarquel f;
    f.show();
    QLineEdit* tc = f.TxtFields(QStringLiteral("TC"));
    QGuiApplication::clipboard()->setText(QStringLiteral("A") + QChar(0) + QStringLiteral("\tS"));
    tc->setFocus();
    tc->paste();
    EXPECT_EQ(tc->text(), QStringLiteral("AS"));
    tc->end(false);
    tc->insert(QStringLiteral("\r\n"));
    EXPECT_EQ(tc->text(), QStringLiteral("AS"));
    contadores().registrar = true;
    f.CmdEjecutar->click();
    EXPECT_EQ(f.Grilla().FilasGrid(), 5);
    // The in-grid editor too: the account written is the clean one.
    f.IrACelda(3, Columnas::Cuenta);
    tecla(f.MSFlexGrid1, Qt::Key_Return);
    ASSERT_TRUE(f.TxtEdit->isVisible());
    f.TxtEdit->selectAll();
    f.TxtEdit->insert(QStringLiteral("5.1") + QChar(0) + QStringLiteral(".01") + QChar(0x7F));
    EXPECT_EQ(f.TxtEdit->text(), QStringLiteral("5.1.01"));
    tecla(f.TxtEdit, Qt::Key_Return);
    EXPECT_EQ(base->base().valor(
                  QStringLiteral("SELECT CUENTA FROM MV_ASIENTOS WHERE TC='AS' AND SECUENCIA=2")),
              QStringLiteral("5.1.01"));
    for (const QString& sentencia : contadores().registro)
        for (const QChar c : sentencia)
            ASSERT_NE(c.category(), QChar::Other_Control) << sentencia.toStdString();
}
