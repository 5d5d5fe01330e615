// The main window from the keyboard: keys go where a keyboard sends them, to
// the control with the focus, and every keystroke lands somewhere useful.
#include "FrmTarquel.h"
#include "ModeloAsientos.h"
#include "Sesion.h"
#include "VentanaEditor.h"
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>

namespace {
class Teclado : public VentanaEditor {
protected:
    void SetUp() override {
        VentanaEditor::SetUp();
        ventana->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(ventana.get()));
    }
    static QWidget* foco() { return QApplication::focusWidget(); }
    static void pulsar(Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier) {
        QTest::keyClick(foco(), k, m);
    }
    // Typed one key at a time into whatever has the focus at each key.
    static void escribir(const QString& texto) {
        for (const QChar c : texto)
            QTest::keyClick(foco(), c.toLatin1());
    }
    QLineEdit* campo(const char* nombre) const {
        return ventana->TxtFields(QString::fromLatin1(nombre));
    }
    QString cuentaEnLaBase(int secuencia) const {
        return base->base().valor(
            QStringLiteral("SELECT CUENTA FROM MV_ASIENTOS WHERE TC='AS' AND SECUENCIA=%1")
                .arg(secuencia));
    }
};
} // namespace

TEST_F(Teclado, TabYMayusculasTabSiguenElOrdenDeLosCampos) {
    const QList<QWidget*> orden = {
        campo("CuentaDesde"),      campo("CuentaHasta"),  campo("ContieneCuenta"),
        campo("UNEGOCIO"),         campo("FechaDesde"),   campo("FechaHasta"),
        campo("USUARIO"),          campo("TC"),           campo("SUCURSAL"),
        campo("NUMERO"),           campo("LETRA"),        ventana->CmdEjecutar,
        ventana->ChkDatosCabecera, ventana->MSFlexGrid1,  campo("CTAORIGEN"),
        campo("CTADESTINO"),       ventana->CmdReemplazar};
    campo("CuentaDesde")->setFocus();
    for (int i = 1; i <= orden.size(); ++i) {
        pulsar(Qt::Key_Tab);
        ASSERT_EQ(foco(), orden[i % orden.size()]) << i;
    }
    for (int i = orden.size() - 1; i >= 0; --i) {
        pulsar(Qt::Key_Backtab, Qt::ShiftModifier);
        ASSERT_EQ(foco(), orden[i]) << i;
    }
    for (QWidget* w : orden) {
        if (auto* t = qobject_cast<QLineEdit*>(w)) {
            EXPECT_EQ(t->text(), QString()) << t->objectName().toStdString(); // no tab typed
        }
    }
    // Ctrl shortcuts reach the field too.
    campo("TC")->setFocus();
    escribir(QStringLiteral("FC"));
    pulsar(Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(campo("TC")->selectedText(), QStringLiteral("FC"));
}

TEST_F(Teclado, EnterValidaYPasaAlSiguienteSinPerderLoQueSeEscribe) {
    struct Paso {
        const char* campo;
        const char* tecleado;
        const char* queda;
    };
    // Confirmed fields are completed; a filled field is selected when it
    // takes the focus, so what is typed replaces it.
    const Paso pasos[] = {
        {"CuentaDesde", "caja", "1.1.01"},
        {"CuentaHasta", "5.1.01", "5.1.01"},
        {"ContieneCuenta", "", ""},
        {"UNEGOCIO", "1", "1"},
        {"FechaDesde", "01/03/2024", "01/03/2024"},
        {"FechaHasta", "31/03/2024", "31/03/2024"},
        {"USUARIO", "ana", "ana"},
        {"TC", "AS", "AS"},
        {"SUCURSAL", "2", "0002"},
        {"NUMERO", "1", "00000001"},
        {"LETRA", "A", "A"},
    };
    campo("CuentaDesde")->setFocus();
    for (const Paso& p : pasos) {
        ASSERT_EQ(foco(), campo(p.campo)) << p.campo;
        escribir(QString::fromLatin1(p.tecleado));
        pulsar(Qt::Key_Return);
        EXPECT_FALSE(ventana->ErrorValidacion) << p.campo;
        EXPECT_EQ(campo(p.campo)->text(), QString::fromLatin1(p.queda)) << p.campo;
    }
    EXPECT_TRUE(guion->mensajes().isEmpty());
    // From the last field Enter reaches "Ejecutar", and Enter there runs the query.
    ASSERT_EQ(foco(), ventana->CmdEjecutar);
    pulsar(Qt::Key_Return);
    EXPECT_EQ(ventana->Grilla().FilasGrid(), 1 + 1 + 3); // the AS voucher
    // The keyboard comes back from the progress sign to the grid.
    ASSERT_TRUE(QTest::qWaitForWindowActive(ventana.get()));
    EXPECT_EQ(foco(), ventana->MSFlexGrid1);
    // Enter on the box moves on as well.
    ventana->ChkDatosCabecera->setFocus();
    pulsar(Qt::Key_Return);
    EXPECT_EQ(foco(), ventana->MSFlexGrid1);
    EXPECT_FALSE(ventana->ChkDatosCabecera->isChecked());
}

TEST_F(Teclado, EscEnElEditorAbandonaLaCeldaYEnOtroLugarCancela) {
    campo("TC")->setText(QStringLiteral("AS"));
    ventana->CmdEjecutar->click();
    ASSERT_EQ(ventana->Grilla().FilasGrid(), 5);
    ASSERT_TRUE(QTest::qWaitForWindowActive(ventana.get()));
    ventana->IrACelda(3, Columnas::Cuenta);
    ASSERT_EQ(foco(), ventana->MSFlexGrid1);
    escribir(QStringLiteral("5.1.01"));
    ASSERT_TRUE(ventana->TxtEdit->isVisible());
    EXPECT_EQ(ventana->TxtEdit->text(), QStringLiteral("5.1.01")); // every key in the editor
    pulsar(Qt::Key_Escape);
    EXPECT_FALSE(ventana->TxtEdit->isVisible());
    EXPECT_EQ(ventana->Grilla().FilasGrid(), 5); // the grid stays
    EXPECT_EQ(ventana->Grilla().Texto(3, Columnas::Cuenta), QStringLiteral("1.1.01"));
    EXPECT_EQ(cuentaEnLaBase(2), QStringLiteral("1.1.01"));
    EXPECT_EQ(foco(), ventana->MSFlexGrid1);
    // Tab leaves the cell with its text, unwritten, and goes on from the grid.
    escribir(QStringLiteral("4.1"));
    pulsar(Qt::Key_Tab);
    EXPECT_FALSE(ventana->TxtEdit->isVisible());
    EXPECT_EQ(ventana->Grilla().Texto(3, Columnas::Cuenta), QStringLiteral("4.1"));
    EXPECT_EQ(cuentaEnLaBase(2), QStringLiteral("1.1.01"));
    EXPECT_EQ(foco(), campo("CTAORIGEN"));
    // Esc on the grid and in a field is the window's Cancel.
    ventana->MSFlexGrid1->setFocus();
    pulsar(Qt::Key_Escape);
    EXPECT_EQ(ventana->Grilla().FilasGrid(), 2);
    ventana->CmdEjecutar->click();
    ASSERT_TRUE(QTest::qWaitForWindowActive(ventana.get()));
    campo("TC")->setFocus();
    pulsar(Qt::Key_Escape);
    EXPECT_EQ(ventana->Grilla().FilasGrid(), 2);
    EXPECT_EQ(campo("TC")->text(), QStringLiteral("AS"));
}
