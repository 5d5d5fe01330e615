// The bulk replacement of an account, through the window, checked in the database.
#include "BaseEditor.h"
#include "BaseSqlite.h"
#include "Contadores.h"
#include "ContratoErrores.h"
#include "FrmTarquel.h"
#include "ModeloAsientos.h"
#include "ReemplazoCuenta.h"
#include "Sesion.h"
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <gtest/gtest.h>

namespace {
class Reemplazo : public ::testing::Test {
protected:
    void SetUp() override {
        guion = ReiniciarProceso();
        base = std::make_unique<BaseEditor>();
        base->base().ejecutar(QStringLiteral(
            "INSERT INTO C_MV_CPTE (TC, IDCOMPROBANTE, SUCURSAL, NUMERO, LETRA, FECHA, CUENTA) "
            "VALUES "
            "('FCC', '000300000077B', '0003', '00000077', 'B', '2024-04-02', '2.1.01')"));
        ventana = std::make_unique<FrmTarquel>();
    }
    void campo(const char* nombre, const char* texto) {
        ventana->TxtFields(QString::fromLatin1(nombre))->setText(QString::fromUtf8(texto));
    }
    int lineas(const char* cuenta, const char* tabla = "MV_ASIENTOS") const {
        return base->base().filas(QStringLiteral("SELECT * FROM %1 WHERE CUENTA='%2'")
                                      .arg(QLatin1String(tabla), QLatin1String(cuenta)));
    }
    // March, from origen to destino, confirmed.
    void reemplazar(const char* origen, const char* destino) {
        campo("FechaDesde", "01/03/2024");
        campo("FechaHasta", "31/03/2024");
        campo("CTAORIGEN", origen);
        campo("CTADESTINO", destino);
        guion->respuestas.enqueue(Respuestas::Si);
        ventana->CmdReemplazar->click();
    }
    // The account of every row of the three tables, in a fixed order.
    QString cuentas() const {
        QStringList r;
        for (const char* t : {"MV_ASIENTOS", "V_MV_CPTE", "C_MV_CPTE"})
            for (int i = 0;; ++i) {
                const QString c = base->base().valor(
                    QStringLiteral("SELECT CUENTA FROM %1 ORDER BY TC, SUCURSAL, NUMERO, "
                                   "CUENTA LIMIT 1 OFFSET %2")
                        .arg(QLatin1String(t))
                        .arg(i));
                if (c.isEmpty())
                    break;
                r << c;
            }
        return r.join(u',');
    }
    std::shared_ptr<DialogosGuion> guion;
    std::unique_ptr<BaseEditor> base;
    std::unique_ptr<FrmTarquel> ventana;
};
} // namespace

TEST_F(Reemplazo, ControlesEnOrdenDespuesDeConfirmar) {
    const struct {
        const char *desde, *hasta, *origen, *destino, *mensaje;
    } casos[] = {
        {"", "", "", "", "DEBE INFORMAR LA FECHA DESDE"},
        {"01/03/2024", "", "", "", "DEBE INFORMAR LA FECHA HASTA"},
        {"01/03/2024", "31/03/2024", "", "", "DEBE INFORMAR LA CUENTA ORIGEN"},
        {"01/03/2024", "31/03/2024", "1.1.01", "", "DEBE INFORMAR LA CUENTA DESTINO"},
        {"01/03/2024", "31/03/2024", "9.9", "1.1.01", "NO EXISTE LA CUENTA ORIGEN"},
        {"01/03/2024", "31/03/2024", "1.1.01", "9.9", "NO EXISTE LA CUENTA DESTINO"},
    };
    for (const auto& c : casos) {
        campo("FechaDesde", c.desde);
        campo("FechaHasta", c.hasta);
        campo("CTAORIGEN", c.origen);
        campo("CTADESTINO", c.destino);
        guion->respuestas.enqueue(Respuestas::Si);
        ventana->CmdReemplazar->click();
        EXPECT_EQ(guion->mensajes().last(), QString::fromUtf8(c.mensaje));
    }
    EXPECT_EQ(lineas("1.1.01"), 2);
    // No changes nothing; the question comes first, with No as default,
    // followed by what the replacement would change.
    guion->prompts.clear();
    guion->respuestas.enqueue(Respuestas::No);
    campo("CTADESTINO", "5.1.01");
    ventana->CmdReemplazar->click();
    ASSERT_EQ(guion->prompts.size(), 1);
    EXPECT_TRUE(guion->prompts[0].texto.startsWith(
        QStringLiteral("Este proceso reemplaza la cuenta 1.1.01 por la cuenta "
                       "5.1.01\r\n-Esta seguro de continuar?\r\n\r\nSe cambiarán:")));
    EXPECT_EQ(guion->prompts[0].estilo, 4 + 256);
    EXPECT_EQ(lineas("1.1.01"), 2);
}

TEST_F(Reemplazo, RangoTipoYUnidadDeNegocioEnLasTresTablas) {
    campo("FechaDesde", "01/03/2024");
    campo("FechaHasta", "31/03/2024");
    campo("CTAORIGEN", "caja"); // the alternative code names the main code
    campo("CTADESTINO", "5.1.01");
    campo("TC", "AS");
    campo("UNEGOCIO", "1");
    contadores().registrar = true;
    guion->respuestas.enqueue(Respuestas::Si);
    ventana->CmdReemplazar->click();
    EXPECT_EQ(lineas("1.1.01"), 1); // the receipt (another type and unit) keeps it
    EXPECT_EQ(base->base().valor(
                  QStringLiteral("SELECT CUENTA FROM MV_ASIENTOS WHERE TC='AS' AND SECUENCIA=2")),
              QStringLiteral("5.1.01"));
    EXPECT_TRUE(contadores().registro.contains(
        QStringLiteral("UPDATE MV_ASIENTOS SET CUENTA = '5.1.01' where (CUENTA = '1.1.01')  And "
                       "(Fecha >= '2024-03-01' And Fecha <= "
                       "'2024-03-31') And TC = 'AS' And UNEGOCIO = '   1'")));
    // The purchase header table too, with its own blanks.
    campo("FechaDesde", "01/04/2024");
    campo("FechaHasta", "30/04/2024");
    campo("CTAORIGEN", "2.1.01");
    campo("CTADESTINO", "2.1.05");
    campo("TC", "");
    campo("UNEGOCIO", "");
    guion->respuestas.enqueue(Respuestas::Si);
    ventana->CmdReemplazar->click();
    EXPECT_EQ(lineas("2.1.01"), 0);
    EXPECT_EQ(lineas("2.1.05", "C_MV_CPTE"), 1);
    EXPECT_TRUE(contadores().registro.contains(QStringLiteral(
        "UPDATE V_MV_CPTE SET CUENTA = '2.1.05'  where (CUENTA = '2.1.01')  And (Fecha >= "
        "'2024-04-01' And Fecha <= '2024-04-30')")));
    // Besides the two questions, each replacement tells what changed.
    ASSERT_EQ(guion->mensajes().size(), 4);
    EXPECT_EQ(guion->mensajes()[1],
              QStringLiteral("Se reemplazó la cuenta 1.1.01 por la cuenta 5.1.01.\r\nLíneas de "
                             "asientos cambiadas: 1\r\nComprobantes de venta cambiados: "
                             "0\r\nComprobantes de compra cambiados: 0"));
    EXPECT_TRUE(guion->mensajes()[3].endsWith(
        QStringLiteral("asientos cambiadas: 1\r\nComprobantes de venta cambiados: "
                       "0\r\nComprobantes de compra cambiados: 1")));
}

TEST(FiltroReemplazo, SoloFechasCuentasTipoYUnidad) {
    ParametrosConsulta p;
    p.fechaDesde = QStringLiteral("1/1/2024");
    p.usuario = QStringLiteral("ANA");
    p.sucursal = QStringLiteral("0001");
    p.contieneCuenta = QStringLiteral("1");
    p.cuentaHasta = QStringLiteral("2");
    EXPECT_EQ(FiltroReemplazo(p, MotorBD::SqlServer),
              QStringLiteral(" And (Fecha >= '20240101') And Cuenta <= '2'"));
}

TEST_F(Reemplazo, UnFalloEnLaSegundaTablaNoDejaNingunaCambiada) {
    BaseSqlite otro(base->base().carpeta() + QStringLiteral("/CONTA.db"));
    ASSERT_TRUE(otro.ejecutar("CREATE TRIGGER VENTAS_CERRADAS BEFORE UPDATE ON V_MV_CPTE BEGIN "
                              "SELECT RAISE(ABORT, 'comprobante de venta cerrado'); END"));
    const QString antes = cuentas();
    reemplazar("1.1.02", "4.1.01");
    EXPECT_EQ(cuentas(), antes);
    ASSERT_EQ(guion->mensajes().size(), 2);
    EXPECT_TRUE(guion->mensajes()[1].startsWith(
        QStringLiteral("El reemplazo no se hizo y ninguna tabla cambió. Falló la actualización "
                       "de V_MV_CPTE: ")));
    EXPECT_TRUE(guion->mensajes()[1].contains(QStringLiteral("comprobante de venta cerrado")));
    // Without the trigger the same replacement changes the lines and the header together.
    ASSERT_TRUE(otro.ejecutar("DROP TRIGGER VENTAS_CERRADAS"));
    reemplazar("1.1.02", "4.1.01");
    EXPECT_EQ(lineas("1.1.02") + lineas("1.1.02", "V_MV_CPTE"), 0);
    EXPECT_TRUE(guion->mensajes().last().endsWith(
        QStringLiteral("asientos cambiadas: 2\r\nComprobantes de venta cambiados: "
                       "1\r\nComprobantes de compra cambiados: 0")));
}

TEST_F(Reemplazo, SoloUnTituloSeRechazaComoDestino) {
    const QString antes = cuentas();
    reemplazar("1.1.01", "1"); // ACTIVO, a heading
    EXPECT_EQ(guion->mensajes().last(), QStringLiteral("La cuenta ingresada no imputable"));
    EXPECT_EQ(cuentas(), antes);
    // Voucher headers hold customer accounts: a customer destination is accepted.
    reemplazar("1.1.01", "1.1.02");
    EXPECT_EQ(lineas("1.1.01"), 0);
    EXPECT_TRUE(guion->mensajes().last().startsWith(QStringLiteral("Se reemplazó la cuenta")));
}

TEST_F(Reemplazo, LasFilasSeCuentanEnLasTablasAunATravesDeLaVistaConfidencial) {
    gDB().gEsAdmin = false;
    sesion().gConfidencialidad = true;
    contadores().registrar = true;
    reemplazar("1.1.01", "5.1.01");
    EXPECT_TRUE(contadores().registro.contains(QStringLiteral(
        "UPDATE SS_MV_ASIENTOS SET CUENTA = '5.1.01' where (CUENTA = '1.1.01')  And (Fecha >= "
        "'2024-03-01' And Fecha <= '2024-03-31')")));
    EXPECT_EQ(lineas("1.1.01"), 0);
    EXPECT_TRUE(guion->mensajes().last().endsWith(
        QStringLiteral("asientos cambiadas: 2\r\nComprobantes de venta cambiados: "
                       "0\r\nComprobantes de compra cambiados: 0")));
}

TEST_F(Reemplazo, LaGrillaMuestraElDestinoYSuClaveLoSigue) {
    ventana->show();
    campo("TC", "AS");
    ventana->CmdEjecutar->click();
    ASSERT_EQ(ventana->Grilla().Texto(3, Columnas::Cuenta), QStringLiteral("1.1.01"));
    reemplazar("1.1.01", "5.1.01");
    EXPECT_EQ(ventana->Grilla().FilasGrid(), 5); // not reloaded
    EXPECT_EQ(ventana->Grilla().Texto(3, Columnas::Cuenta), QStringLiteral("5.1.01"));
    EXPECT_EQ(ventana->Grilla().Texto(3, Columnas::Descripcion), QStringLiteral("Compras"));
    EXPECT_EQ(ventana->Grilla().Texto(4, Columnas::Cuenta), QStringLiteral("4.1.01"));
    // The next correction of the line reaches it.
    guion->prompts.clear();
    ventana->IrACelda(3, Columnas::Cuenta);
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(ventana->MSFlexGrid1, &enter);
    ventana->TxtEdit->setText(QStringLiteral("4.1.01"));
    QApplication::sendEvent(ventana->TxtEdit, &enter);
    EXPECT_EQ(base->base().valor(
                  QStringLiteral("SELECT CUENTA FROM MV_ASIENTOS WHERE TC='AS' AND SECUENCIA=2")),
              QStringLiteral("4.1.01"));
    EXPECT_TRUE(guion->prompts.isEmpty());
}
