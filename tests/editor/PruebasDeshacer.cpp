// Audit rows of the corrections, undo and redo of corrections and
// replacements, and the explanation of a line someone else changed: through
// the window and its keys, with a second connection writing in between,
// checked in the database.
#include "BaseEditor.h"
#include "BaseSqlite.h"
#include "FrmTarquel.h"
#include "HistorialCambios.h"
#include "ModeloAsientos.h"
#include "Sesion.h"
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>

namespace {
class Deshacer : public ::testing::Test {
protected:
    void SetUp() override {
        guion = ReiniciarProceso();
        base = std::make_unique<BaseEditor>();
        otro = std::make_unique<BaseSqlite>(base->base().carpeta() + QStringLiteral("/CONTA.db"));
        sesion().gUsuarioLogeado = QStringLiteral("ANA");
        ventana = abrir();
    }
    std::unique_ptr<FrmTarquel> abrir() {
        auto v = std::make_unique<FrmTarquel>();
        v->show();
        QApplication::setActiveWindow(v.get());
        EXPECT_TRUE(QTest::qWaitForWindowActive(v.get()));
        return v;
    }
    // Loads the vouchers of a type, or all of March.
    static void cargar(FrmTarquel& v, const char* tc) {
        v.TxtFields(QStringLiteral("FechaDesde"))->setText(QStringLiteral("01/03/2024"));
        v.TxtFields(QStringLiteral("FechaHasta"))->setText(QStringLiteral("31/03/2024"));
        v.TxtFields(QStringLiteral("TC"))->setText(QString::fromLatin1(tc));
        v.CmdEjecutar->click();
    }
    // Types an account on a line's cell and confirms it with Enter.
    static void corregir(FrmTarquel& v, int fila, const char* cuenta) {
        v.IrACelda(fila, Columnas::Cuenta);
        v.MsflexGridEdt(QChar(32));
        v.TxtEdit->setText(QString::fromLatin1(cuenta));
        QTest::keyClick(v.TxtEdit, Qt::Key_Return);
    }
    // A key pressed on the grid, as the user does: the window is the active
    // one again after the load's progress sign.
    void tecla(Qt::Key k, Qt::KeyboardModifiers m) {
        QApplication::setActiveWindow(ventana.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(ventana.get()));
        ventana->MSFlexGrid1->setFocus();
        QTest::keyClick(ventana->MSFlexGrid1, k, m);
    }
    QString cuenta(const char* tc, const char* numero, int secuencia) const {
        return base->base().valor(QStringLiteral("SELECT CUENTA FROM MV_ASIENTOS WHERE TC='%1' "
                                                 "AND NUMERO='%2' AND SECUENCIA=%3")
                                      .arg(QLatin1String(tc), QLatin1String(numero))
                                      .arg(secuencia));
    }
    QString valor(const char* sql) const { return base->base().valor(QString::fromUtf8(sql)); }
    // The row of the grid that shows a line of a voucher.
    int fila(const char* tc, const char* numero, int linea) const {
        const ModeloAsientos& g = ventana->Grilla();
        for (int f = 1; f < g.FilasGrid(); ++f)
            if (g.EsLinea(f) && g.ComprobanteDe(f)->tc == QLatin1String(tc) &&
                g.ComprobanteDe(f)->numero == QLatin1String(numero) &&
                g.Texto(f, Columnas::Linea) == QString::number(linea))
                return f;
        return -1;
    }

    std::shared_ptr<DialogosGuion> guion;
    std::unique_ptr<BaseEditor> base;
    std::unique_ptr<BaseSqlite> otro;
    std::unique_ptr<FrmTarquel> ventana;
};
} // namespace

TEST_F(Deshacer, UnaCorreccionSeAuditaSeDeshaceYSeRehaceConSusDatosDeTarjeta) {
    ASSERT_TRUE(otro->ejecutar("UPDATE MV_ASIENTOS SET TJ_NroSocio = '4321', TJ_NroCupon = '555' "
                               "WHERE TC = 'AS' AND SECUENCIA = 2"));
    cargar(*ventana, "AS");
    corregir(*ventana, 3, "5.1.01");
    ASSERT_EQ(cuenta("AS", "00000001", 2), QStringLiteral("5.1.01"));
    EXPECT_EQ(valor("SELECT TJ_NroSocio || TJ_NroCupon FROM MV_ASIENTOS WHERE TC = 'AS' AND "
                    "SECUENCIA = 2"),
              QString());
    // One audit row, saying old and new account.
    EXPECT_EQ(valor("SELECT group_concat(TC || '|' || IdComprobante || '|' || Tipo_accion || '|' "
                    "|| Usuario || '|' || SYSTEMUSER || '|' || Cuenta || '|' || "
                    "length(ProcesoLote), ';') FROM V_MV_CPTEACCIONES"),
              QStringLiteral("  AS|000200000001A|M|ANA|Imputación: 1.1.01 -> 5.1.01|5.1.01|23"));
    EXPECT_EQ(ventana->Historial().QueDeshacer(),
              QStringLiteral("corrección de 1.1.01 a 5.1.01 en AS 000200000001A línea 2"));

    // Ctrl+Z: the account and the card data come back, on screen too, silently.
    guion->prompts.clear();
    tecla(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(cuenta("AS", "00000001", 2), QStringLiteral("1.1.01"));
    EXPECT_EQ(valor("SELECT TJ_NroSocio || TJ_NroCupon FROM MV_ASIENTOS WHERE TC = 'AS' AND "
                    "SECUENCIA = 2"),
              QStringLiteral("4321555"));
    EXPECT_EQ(ventana->Grilla().Texto(3, Columnas::Cuenta), QStringLiteral("1.1.01"));
    EXPECT_EQ(ventana->Grilla().Texto(3, Columnas::Descripcion), QStringLiteral("Caja"));
    EXPECT_TRUE(guion->prompts.isEmpty());
    EXPECT_EQ(ventana->Historial().QueRehacer(),
              QStringLiteral("corrección de 1.1.01 a 5.1.01 en AS 000200000001A línea 2"));
    // Ctrl+Shift+Z and Ctrl+Y redo; Ctrl+Z in between undoes again.
    tecla(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(cuenta("AS", "00000001", 2), QStringLiteral("5.1.01"));
    tecla(Qt::Key_Z, Qt::ControlModifier);
    tecla(Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(cuenta("AS", "00000001", 2), QStringLiteral("5.1.01"));
    EXPECT_EQ(ventana->Grilla().Texto(3, Columnas::Cuenta), QStringLiteral("5.1.01"));
    // Every step has its audit row, in the correction's batch.
    EXPECT_EQ(valor("SELECT COUNT(*) || '/' || COUNT(DISTINCT ProcesoLote) FROM V_MV_CPTEACCIONES"),
              QStringLiteral("5/1"));
    EXPECT_EQ(valor("SELECT SYSTEMUSER || '|' || Cuenta FROM V_MV_CPTEACCIONES ORDER BY Id DESC "
                    "LIMIT 1 OFFSET 1"),
              QStringLiteral("Deshace imputación: 5.1.01 -> 1.1.01|1.1.01"));
    // With nothing left to redo, Ctrl+Y does nothing.
    tecla(Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(valor("SELECT COUNT(*) FROM V_MV_CPTEACCIONES"), QStringLiteral("5"));
    EXPECT_TRUE(guion->prompts.isEmpty());
}

TEST_F(Deshacer, UnaCorreccionQueOtroCambioDespuesQuedaComoEstaYSeNombra) {
    cargar(*ventana, "AS");
    corregir(*ventana, 3, "5.1.01");
    ASSERT_EQ(cuenta("AS", "00000001", 2), QStringLiteral("5.1.01"));
    // Another connection moves the corrected line before the undo.
    ASSERT_TRUE(otro->ejecutar("UPDATE MV_ASIENTOS SET CUENTA = '2.1.05' WHERE TC = 'AS' AND "
                               "SECUENCIA = 2"));
    guion->prompts.clear();
    guion->verListas.enqueue(true);
    tecla(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(cuenta("AS", "00000001", 2), QStringLiteral("2.1.05"));
    // The grid shows what the line holds now, and a correction of it is
    // written again.
    EXPECT_EQ(ventana->Grilla().Texto(3, Columnas::Cuenta), QStringLiteral("2.1.05"));
    ASSERT_EQ(guion->prompts.size(), 1);
    const QString m = guion->prompts[0].texto;
    EXPECT_TRUE(m.startsWith(QStringLiteral("Se deshizo: corrección de 1.1.01 a 5.1.01 en AS "
                                            "000200000001A línea 2.\r\nLíneas de asientos que "
                                            "ahora tienen la cuenta 1.1.01: 0")))
        << m.toStdString();
    EXPECT_TRUE(m.contains(QStringLiteral(
        "- Asientos AS 000200000001A, asiento 102, línea 2: ahora tiene la cuenta 2.1.05")))
        << m.toStdString();
    ASSERT_EQ(guion->listasVistas.size(), 1);
    EXPECT_EQ(guion->listasVistas[0].filas,
              (QList<QStringList>{{"Asientos", "AS 000200000001A", "102", "2", "2.1.05"}}));
    // Nothing moved, so nothing more is audited; a redo leaves the line alone too.
    EXPECT_EQ(valor("SELECT COUNT(*) FROM V_MV_CPTEACCIONES"), QStringLiteral("1"));
    tecla(Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(cuenta("AS", "00000001", 2), QStringLiteral("2.1.05"));
    EXPECT_EQ(valor("SELECT COUNT(*) FROM V_MV_CPTEACCIONES"), QStringLiteral("1"));
    corregir(*ventana, 3, "4.1.01");
    EXPECT_EQ(cuenta("AS", "00000001", 2), QStringLiteral("4.1.01"));
}

TEST_F(Deshacer, SinFilaDeAuditoriaNoHayCorreccion) {
    cargar(*ventana, "AS");
    // A line someone else changed: not written, nothing audited.
    ASSERT_TRUE(otro->ejecutar("UPDATE MV_ASIENTOS SET CUENTA = '2.1.05' WHERE TC = 'AS' AND "
                               "SECUENCIA = 2"));
    corregir(*ventana, 3, "5.1.01");
    EXPECT_EQ(cuenta("AS", "00000001", 2), QStringLiteral("2.1.05"));
    // An audit table that refuses the row: the correction is not written.
    ASSERT_TRUE(otro->ejecutar("CREATE TRIGGER AUDITORIA_LLENA BEFORE INSERT ON "
                               "V_MV_CPTEACCIONES BEGIN SELECT RAISE(ABORT, 'auditoria sin "
                               "lugar'); END"));
    corregir(*ventana, 3, "5.1.01");
    EXPECT_EQ(cuenta("AS", "00000001", 2), QStringLiteral("2.1.05"));
    EXPECT_TRUE(guion->mensajes().last().startsWith(
        QStringLiteral("La corrección de la cuenta no se grabó: ")));
    EXPECT_TRUE(guion->mensajes().last().contains(QStringLiteral("auditoria sin lugar")));
    EXPECT_EQ(valor("SELECT COUNT(*) FROM V_MV_CPTEACCIONES"), QStringLiteral("0"));
    EXPECT_EQ(valor("SELECT COUNT(*) FROM AUX_CAMBIOSCUENTA"), QStringLiteral("0"));
    EXPECT_TRUE(ventana->Historial().QueDeshacer().isEmpty());
    EXPECT_EQ(ventana->Grilla().Texto(3, Columnas::Cuenta), QStringLiteral("2.1.05"));
}

TEST_F(Deshacer, LaLineaCambiadaDiceQuienLaCambioYCuando) {
    cargar(*ventana, "AS");
    // JPEREZ, in the program on another workstation, moves the line first.
    sesion().gUsuarioLogeado = QStringLiteral("JPEREZ");
    {
        std::unique_ptr<FrmTarquel> suya = abrir();
        cargar(*suya, "AS");
        corregir(*suya, 3, "4.1.01");
    }
    ASSERT_EQ(cuenta("AS", "00000001", 2), QStringLiteral("4.1.01"));
    // An older change of the same voucher, to another account, is not the one.
    ASSERT_TRUE(otro->ejecutar(
        "INSERT INTO V_MV_CPTEACCIONES (TC, IdComprobante, Tipo_accion, FECHAHORA, Usuario, PC, "
        "SYSTEMUSER, Cuenta) VALUES ('  AS', '000200000001A', 'M', '01/03/2024 09:00:00', "
        "'ROSA', 'PC-1', 'Imputación: 1.1.03 -> 1.1.01', '1.1.01')"));
    const QString cuando = valor("SELECT FECHAHORA FROM V_MV_CPTEACCIONES WHERE Usuario = "
                                 "'JPEREZ'");
    const QString equipo = valor("SELECT PC FROM V_MV_CPTEACCIONES WHERE Usuario = 'JPEREZ'");
    sesion().gUsuarioLogeado = QStringLiteral("ANA");
    corregir(*ventana, 3, "5.1.01");
    EXPECT_EQ(cuenta("AS", "00000001", 2), QStringLiteral("4.1.01"));
    EXPECT_EQ(guion->mensajes().last(),
              QStringLiteral("La línea cambió desde que se cargó la consulta: no se grabó. La "
                             "grilla muestra lo que tiene ahora la base de datos.\r\nLa cambió "
                             "JPEREZ") +
                  (equipo.isEmpty() ? QString() : QStringLiteral(" desde el equipo ") + equipo) +
                  QStringLiteral(" el ") + cuando +
                  QStringLiteral(" (Imputación: 1.1.01 -> 4.1.01)."));
    EXPECT_EQ(ventana->Grilla().Texto(3, Columnas::Cuenta), QStringLiteral("4.1.01"));
}

TEST_F(Deshacer, UnReemplazoSeDeshaceSinTocarLoQueOtroCambioYSeRehace) {
    cargar(*ventana, "");
    ventana->TxtFields(QStringLiteral("CTAORIGEN"))->setText(QStringLiteral("1.1.02"));
    ventana->TxtFields(QStringLiteral("CTADESTINO"))->setText(QStringLiteral("4.1.01"));
    guion->respuestas.enqueue(Respuestas::Si);
    ventana->CmdReemplazar->click();
    ASSERT_EQ(cuenta("FC", "00000010", 1), QStringLiteral("4.1.01"));
    ASSERT_EQ(cuenta("RC", "00000005", 2), QStringLiteral("4.1.01"));
    const int filaFactura = fila("FC", "00000010", 1);
    ASSERT_EQ(ventana->Grilla().Texto(filaFactura, Columnas::Cuenta), QStringLiteral("4.1.01"));
    // Meanwhile another connection moves one of the replaced lines.
    ASSERT_TRUE(otro->ejecutar("UPDATE MV_ASIENTOS SET CUENTA = '2.1.05' WHERE TC = 'RC' AND "
                               "SECUENCIA = 2"));

    // The popup offers the undo by name; choosing it undoes the batch.
    guion->emergentes.enqueue(QStringLiteral("Deshacer"));
    guion->verListas.enqueue(true);
    ventana->MenuGrilla(filaFactura, QPoint());
    EXPECT_TRUE(guion->menusMostrados.last().contains(
        {QStringLiteral("Deshacer: reemplazo de la cuenta 1.1.02 por 4.1.01"),
         QStringLiteral("Deshacer")}));
    EXPECT_EQ(cuenta("FC", "00000010", 1), QStringLiteral("1.1.02"));
    EXPECT_EQ(valor("SELECT CUENTA FROM V_MV_CPTE"), QStringLiteral("1.1.02"));
    // Left alone: the line changed meanwhile, and the lines that held the
    // destination before the replacement.
    EXPECT_EQ(cuenta("RC", "00000005", 2), QStringLiteral("2.1.05"));
    EXPECT_EQ(ventana->Grilla().Texto(fila("RC", "00000005", 2), Columnas::Cuenta),
              QStringLiteral("2.1.05"));
    EXPECT_EQ(cuenta("FC", "00000010", 2), QStringLiteral("4.1.01"));
    EXPECT_EQ(cuenta("AS", "00000001", 3), QStringLiteral("4.1.01"));
    // The grid shows it without a reload.
    EXPECT_EQ(ventana->Grilla().Texto(filaFactura, Columnas::Cuenta), QStringLiteral("1.1.02"));
    EXPECT_EQ(ventana->Grilla().Texto(filaFactura, Columnas::Descripcion),
              QStringLiteral("Cliente SA"));
    // The user is told, with the line left alone listed.
    const QString m = guion->mensajes().last();
    EXPECT_TRUE(m.startsWith(QStringLiteral(
        "Se deshizo: reemplazo de la cuenta 1.1.02 por 4.1.01.\r\nLíneas de asientos que ahora "
        "tienen la cuenta 1.1.02: 1\r\nComprobantes de venta: 1\r\nComprobantes de compra: 0")))
        << m.toStdString();
    EXPECT_TRUE(m.contains(QStringLiteral(
        "Quedó como estaba, sin tocar, 1 fila que alguien cambió después (ya no tiene la cuenta "
        "4.1.01):\r\n- Asientos RC 000100000005X, asiento 101, línea 2: ahora tiene la cuenta "
        "2.1.05")))
        << m.toStdString();
    ASSERT_EQ(guion->listasVistas.size(), 1);
    EXPECT_EQ(guion->listasVistas[0].filas,
              (QList<QStringList>{{"Asientos", "RC 000100000005X", "101", "2", "2.1.05"}}));
    EXPECT_EQ(valor("SELECT COUNT(*) FROM V_MV_CPTEACCIONES WHERE SYSTEMUSER = 'Deshace "
                    "imputación: 4.1.01 -> 1.1.02' AND Cuenta = '1.1.02'"),
              QStringLiteral("2"));

    // Redo, from the popup: the line left alone stays out of it.
    guion->emergentes.enqueue(QStringLiteral("Rehacer"));
    ventana->MenuGrilla(filaFactura, QPoint());
    EXPECT_TRUE(guion->menusMostrados.last().contains(
        {QStringLiteral("Rehacer: reemplazo de la cuenta 1.1.02 por 4.1.01"),
         QStringLiteral("Rehacer")}));
    EXPECT_EQ(cuenta("FC", "00000010", 1), QStringLiteral("4.1.01"));
    EXPECT_EQ(valor("SELECT CUENTA FROM V_MV_CPTE"), QStringLiteral("4.1.01"));
    EXPECT_EQ(cuenta("RC", "00000005", 2), QStringLiteral("2.1.05"));
    EXPECT_EQ(ventana->Grilla().Texto(filaFactura, Columnas::Cuenta), QStringLiteral("4.1.01"));
    EXPECT_TRUE(guion->mensajes().last().endsWith(QStringLiteral(
        "cuenta 4.1.01: 1\r\nComprobantes de venta: 1\r\nComprobantes de compra: 0")));

    // The session's records go with the window.
    ventana.reset();
    EXPECT_EQ(valor("SELECT COUNT(*) FROM AUX_CAMBIOSCUENTA"), QStringLiteral("0"));
}

TEST_F(Deshacer, UnCambioNuevoOlvidaLoDeshechoYElMenuSoloOfreceLoQueHay) {
    cargar(*ventana, "AS");
    guion->emergentes.enqueue(QString());
    ventana->MenuGrilla(3, QPoint());
    EXPECT_EQ(guion->menusMostrados.last().size(), 3); // Ver Asiento, separator, Cancelar
    corregir(*ventana, 3, "5.1.01");
    tecla(Qt::Key_Z, Qt::ControlModifier);
    corregir(*ventana, 3, "2.1.05");
    EXPECT_TRUE(ventana->Historial().QueRehacer().isEmpty());
    EXPECT_EQ(ventana->Historial().QueDeshacer(),
              QStringLiteral("corrección de 1.1.01 a 2.1.05 en AS 000200000001A línea 2"));
    // Only the live change keeps records.
    EXPECT_EQ(valor("SELECT COUNT(DISTINCT Lote) FROM AUX_CAMBIOSCUENTA"), QStringLiteral("1"));
    // Ctrl+Z in the editor undoes its typing, not a change.
    QApplication::setActiveWindow(ventana.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(ventana.get()));
    ventana->IrACelda(3, Columnas::Cuenta);
    ventana->MsflexGridEdt(QChar(u'9'));
    QTest::keyClick(ventana->TxtEdit, Qt::Key_8);
    ASSERT_EQ(ventana->TxtEdit->text(), QStringLiteral("98"));
    QTest::keyClick(ventana->TxtEdit, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(ventana->TxtEdit->text(), QStringLiteral("9"));
    EXPECT_EQ(cuenta("AS", "00000001", 2), QStringLiteral("2.1.05"));
    EXPECT_FALSE(ventana->Historial().QueDeshacer().isEmpty());
}
