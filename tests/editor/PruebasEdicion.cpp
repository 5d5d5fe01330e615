// Corrections typed in the grid, driven through the real window, checked in
// the database itself.
#include "BaseEditor.h"
#include "ContratoErrores.h"
#include "FrmTarquel.h"
#include "ModeloAsientos.h"
#include "Sesion.h"
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <gtest/gtest.h>

namespace {
void tecla(QWidget* w, int k, const QString& texto = {}) {
    QKeyEvent e(QEvent::KeyPress, k, Qt::NoModifier, texto);
    QApplication::sendEvent(w, &e);
}

class Edicion : public ::testing::Test {
protected:
    void SetUp() override {
        guion = ReiniciarProceso();
        base = std::make_unique<BaseEditor>();
        sesion().gCantidadDecimales = QStringLiteral("2");
        ventana = std::make_unique<FrmTarquel>();
        ventana->show();
        ventana->TxtFields(QStringLiteral("TC"))->setText(QStringLiteral("AS"));
        ventana->CmdEjecutar->click();
        // Rows: 1 header, 2 cheque line, 3 "1.1.01" credit 50, 4 "4.1.01" without debit or credit.
        ASSERT_EQ(ventana->Grilla().FilasGrid(), 5);
    }
    // Types text on the current cell and confirms it with Enter.
    void teclear(int fila, int columna, const QString& texto) {
        ventana->IrACelda(fila, columna);
        QWidget* grilla = ventana->MSFlexGrid1;
        tecla(grilla, Qt::Key_A, texto.left(1));
        ventana->TxtEdit->setText(texto);
        tecla(ventana->TxtEdit, Qt::Key_Return);
    }
    QString cuentaEnLaBase(int secuencia) const {
        return base->base().valor(
            QStringLiteral("SELECT CUENTA FROM MV_ASIENTOS WHERE TC='AS' AND SECUENCIA=%1")
                .arg(secuencia));
    }
    int lineasDeCuenta(const char* cuenta) const {
        return base->base().filas(QStringLiteral("SELECT * FROM MV_ASIENTOS WHERE CUENTA='%1'")
                                      .arg(QLatin1String(cuenta)));
    }

    std::shared_ptr<DialogosGuion> guion;
    std::unique_ptr<BaseEditor> base;
    std::unique_ptr<FrmTarquel> ventana;
};
} // namespace

TEST_F(Edicion, UnaLetraAbreElEditorSoloSobreCeldasGrises) {
    ventana->IrACelda(3, Columnas::Cuenta);
    tecla(ventana->MSFlexGrid1, Qt::Key_X, QStringLiteral("x"));
    EXPECT_TRUE(ventana->TxtEdit->isVisible());
    EXPECT_EQ(ventana->TxtEdit->text(), QStringLiteral("x"));
    tecla(ventana->TxtEdit, Qt::Key_Escape); // the bar's Cancel: the grid empties
    ventana->CmdEjecutar->click();
    for (const auto& [fila, columna] : {std::pair{1, 1}, {2, 1}, {3, 2}, {3, 3}}) {
        ventana->IrACelda(fila, columna);
        tecla(ventana->MSFlexGrid1, Qt::Key_X, QStringLiteral("x"));
        EXPECT_FALSE(ventana->TxtEdit->isVisible()) << fila << "," << columna;
    }
    // Enter opens it with the cell's own text.
    ventana->IrACelda(3, Columnas::Cuenta);
    tecla(ventana->MSFlexGrid1, Qt::Key_Return);
    EXPECT_EQ(ventana->TxtEdit->text(), QStringLiteral("1.1.01"));
}

TEST_F(Edicion, EnterGrabaSoloEsaLineaYBajaALaSiguiente) {
    const int antes = lineasDeCuenta("5.1.01");
    teclear(3, Columnas::Cuenta, QStringLiteral("5.1.01"));
    EXPECT_EQ(cuentaEnLaBase(2), QStringLiteral("5.1.01"));
    EXPECT_EQ(lineasDeCuenta("5.1.01"), antes + 1);
    EXPECT_EQ(ventana->Grilla().Texto(3, 2), QStringLiteral("Compras"));
    EXPECT_EQ(ventana->FilaActual(), 4);
    EXPECT_EQ(ventana->ColumnaActual(), Columnas::Cuenta);
    EXPECT_TRUE(ventana->LblSuma->text().startsWith(QStringLiteral("Debe : 50")));
    // The line key follows the new account: a second correction reaches the line.
    EXPECT_TRUE(
        ventana->Grilla().Texto(3, Columnas::Clave).startsWith(QStringLiteral(" CUENTA='5.1.01'")));
    teclear(3, Columnas::Cuenta,
            QStringLiteral("caja")); // the alternative code is written as the main code
    EXPECT_EQ(cuentaEnLaBase(2), QStringLiteral("1.1.01"));
    EXPECT_EQ(ventana->Grilla().Texto(3, 1), QStringLiteral("1.1.01"));
    EXPECT_TRUE(guion->mensajes().isEmpty());
}

TEST_F(Edicion, CuentasRechazadasNoTocanLaBase) {
    const struct {
        const char* texto;
        const char* mensaje;
    } casos[] = {
        {" ", "Debe ingresar una cuenta"},
        {"9.9.99", "La cuenta ingresada es inexistente"},
        {"1", "La cuenta ingresada no imputable"},
        {"1.1.02", "La cuenta ingresada no es válida en este contexto"},
        {"2.1.01", "La cuenta ingresada no es válida en este contexto"},
        {"1.1.03", "La cuenta ingresada no es válida en este contexto"},
    };
    for (const auto& c : casos) {
        teclear(3, Columnas::Cuenta, QString::fromUtf8(c.texto));
        EXPECT_EQ(guion->mensajes().last(), QString::fromUtf8(c.mensaje)) << c.texto;
        EXPECT_EQ(cuentaEnLaBase(2), QStringLiteral("1.1.01")) << c.texto;
        EXPECT_EQ(ventana->Grilla().Texto(3, 2), QStringLiteral("Caja")) << c.texto;
        EXPECT_TRUE(ventana->TxtEdit->isVisible()) << c.texto;
        EXPECT_EQ(ventana->TxtEdit->text(), QStringLiteral("1.1.01"))
            << c.texto; // the value before the edit
        EXPECT_TRUE(ventana->ErrorValidacion);
    }
}

TEST_F(Edicion, UnImporteCambiaLosTotalesYNoSeGraba) {
    teclear(3, Columnas::Haber, QStringLiteral("40"));
    EXPECT_EQ(ventana->Grilla().Texto(3, Columnas::Haber), QStringLiteral("40"));
    EXPECT_EQ(base->base().valor(
                  QStringLiteral("SELECT IMPORTE FROM MV_ASIENTOS WHERE TC='AS' AND SECUENCIA=2")),
              QStringLiteral("50"));
    EXPECT_EQ(ventana->LblSuma->text(), QStringLiteral("Debe : 50\nHaber : 40\nDif : 10.00"));
}

TEST_F(Edicion, TarjetaYaPresentadaSeRechaza) {
    base->base().ejecutar(
        QStringLiteral("UPDATE MV_ASIENTOS SET TJ_PRESENTACION = 3 WHERE TC='AS' AND SECUENCIA=2"));
    teclear(3, Columnas::Cuenta, QStringLiteral("1.1.04"));
    EXPECT_EQ(guion->mensajes().last(),
              QStringLiteral("Esta tarjeta fue presentada con el numero 3\r\n debe quitarla de la "
                             "presentacion antes "
                             "de modificar"));
    EXPECT_EQ(cuentaEnLaBase(2), QStringLiteral("1.1.01"));
    // Not presented: written, with the card fields set.
    base->base().ejecutar(
        QStringLiteral("UPDATE MV_ASIENTOS SET TJ_PRESENTACION = 0 WHERE TC='AS' AND SECUENCIA=2"));
    ventana->CmdEjecutar->click();
    teclear(3, Columnas::Cuenta, QStringLiteral("1.1.04"));
    EXPECT_EQ(cuentaEnLaBase(2), QStringLiteral("1.1.04"));
    EXPECT_EQ(base->base().valor(QStringLiteral(
                  "SELECT TJ_NroCupon FROM MV_ASIENTOS WHERE TC='AS' AND SECUENCIA=2")),
              QStringLiteral("1"));
}

TEST_F(Edicion, LineaCambiadaPorOtroUsuarioNoSeDaPorGrabada) {
    base->base().ejecutar(
        QStringLiteral("UPDATE MV_ASIENTOS SET CUENTA = '2.1.05' WHERE TC='AS' AND SECUENCIA=2"));
    teclear(3, Columnas::Cuenta, QStringLiteral("5.1.01"));
    EXPECT_EQ(cuentaEnLaBase(2), QStringLiteral("2.1.05")); // the other user's change stays
    EXPECT_TRUE(
        guion->mensajes().last().startsWith(QStringLiteral("La línea cambió desde que se cargó")));
    EXPECT_EQ(ventana->Grilla().Texto(3, 1), QStringLiteral("2.1.05"));
    EXPECT_EQ(ventana->Grilla().Texto(3, 2), QStringLiteral("IVA debito"));
}

TEST_F(Edicion, ApostrofosEnLaCuentaNoCambianLaSentencia) {
    teclear(3, Columnas::Cuenta, QStringLiteral("x' OR '1'='1"));
    EXPECT_EQ(guion->mensajes().last(), QStringLiteral("La cuenta ingresada es inexistente"));
    EXPECT_EQ(base->base().filas(QStringLiteral("SELECT * FROM MV_ASIENTOS WHERE CUENTA='1.1.01'")),
              2);
}

TEST_F(Edicion, LaBusquedaSobreElEditorConfirmaLaCuentaElegida) {
    ventana->IrACelda(3, Columnas::Cuenta);
    tecla(ventana->MSFlexGrid1, Qt::Key_Return);
    ASSERT_TRUE(ventana->TxtEdit->isVisible());
    guion->busquedas.enqueue(QStringLiteral("4.1.01"));
    ventana->UtilVex1_click(QStringLiteral("Consultar"));
    EXPECT_EQ(cuentaEnLaBase(2), QStringLiteral("4.1.01"));
    EXPECT_TRUE(ventana->PicRegla->isVisible());
}
