// Statement lists run as one transaction on a real database: what is sent,
// what a failure leaves (nothing of the batch, one AUX_ERR row, the message).
#include "BaseIngreso.h"
#include "Contadores.h"
#include "DB_Dll.h"
#include "ImprimirQt.h"
#include "Lote.h"
#include "Sesion.h"
#include <gtest/gtest.h>

namespace {
class Lote : public ::testing::Test {
protected:
    void SetUp() override {
        guion = ReiniciarProceso();
        base.conectar(gDB());
        sesion().gUsuarioLogeado = QStringLiteral("ANA");
        contadores().registrar = true;
    }
    // Two menu entries, the second with the key of an existing one.
    QStringList conClaveRepetida() const {
        return {QStringLiteral("INSERT INTO TA_MENU (Clave, Nombre) VALUES ('N1', 'Nuevo')"),
                QString(),
                QStringLiteral("INSERT INTO TA_MENU (Clave, Nombre) VALUES ('E1', 'Otra')"),
                QStringLiteral("   ")};
    }
    int filas(const char* sql) const { return base.filas(QString::fromUtf8(sql)); }

    std::shared_ptr<DialogosGuion> guion;
    BaseIngreso base;
};
} // namespace

TEST_F(Lote, TodoONadaYElErrorRegistradoConElScriptEntero) {
    base.ejecutar(QStringLiteral("INSERT INTO TA_MENU (Clave, Nombre) VALUES ('E1', 'Existe')"));
    SalidaLote salida;
    GActualizarDatoScript(conClaveRepetida(), salida, false, false, true);

    const QString script =
        QStringLiteral("BEGIN TRANSACTION \r\r\rINSERT INTO TA_MENU (Clave, Nombre) VALUES ('N1', "
                       "'Nuevo')\rINSERT INTO TA_MENU (Clave, Nombre) VALUES ('E1', 'Otra')\r");
    EXPECT_EQ(salida.script, script);
    EXPECT_TRUE(salida.hayError);
    EXPECT_EQ(salida.nativo, 2627);
    EXPECT_TRUE(contadores().registro.contains(QStringLiteral("ROLLBACK TRANSACTION")));
    EXPECT_FALSE(contadores().registro.contains(QStringLiteral("COMMIT TRANSACTION")));
    // The first statement did not stay: the batch is one transaction.
    EXPECT_EQ(filas("SELECT * FROM TA_MENU WHERE Clave = 'N1'"), 0);
    EXPECT_EQ(filas("SELECT * FROM TA_MENU"), 1);
    // One AUX_ERR row with the whole script and the message.
    ASSERT_EQ(filas("SELECT * FROM AUX_ERR"), 1);
    EXPECT_EQ(base.valor(QStringLiteral("SELECT sql FROM AUX_ERR")), script);
    EXPECT_EQ(base.valor(QStringLiteral("SELECT Error FROM AUX_ERR")), QStringLiteral("2627"));
    EXPECT_EQ(base.valor(QStringLiteral("SELECT Proceso || '|' || Usuario FROM AUX_ERR")),
              QStringLiteral("tarquel|ANA"));
    const QString descripcion = base.valor(QStringLiteral("SELECT Descripcion FROM AUX_ERR"));
    EXPECT_TRUE(descripcion.startsWith(QStringLiteral("2627 : "))) << descripcion.toStdString();
    ASSERT_EQ(guion->prompts.size(), 1);
    EXPECT_EQ(guion->prompts[0].texto, descripcion);
    EXPECT_EQ(guion->prompts[0].titulo, QStringLiteral("Aviso al Operador!"));
    EXPECT_EQ(guion->prompts[0].estilo, EstilosMensaje::Critico);
    EXPECT_EQ(salida.textoError, descripcion);
    EXPECT_TRUE(gDB().gCnn->Errors.isEmpty());
}

TEST_F(Lote, ClaveDuplicadaIgnoradaSeDeshaceYRegistraSinMensaje) {
    base.ejecutar(QStringLiteral("INSERT INTO TA_MENU (Clave, Nombre) VALUES ('E1', 'Existe')"));
    SalidaLote salida;
    GActualizarDatoScript(conClaveRepetida(), salida, true, false, true);
    EXPECT_TRUE(salida.hayError);
    EXPECT_EQ(salida.nativo, 2627);
    EXPECT_TRUE(salida.textoError.contains(QStringLiteral("UNIQUE constraint failed")));
    EXPECT_FALSE(salida.textoError.startsWith(QStringLiteral("2627")));
    EXPECT_TRUE(guion->prompts.isEmpty());
    EXPECT_EQ(filas("SELECT * FROM TA_MENU WHERE Clave = 'N1'"), 0);
    EXPECT_EQ(filas("SELECT * FROM AUX_ERR"), 1);
    // A constraint conflict is not a duplicate key: shown.
    SalidaLote otra;
    GActualizarDatoScript({QStringLiteral("INSERT INTO TA_MENU (Clave) VALUES ('N2')")}, otra, true,
                          false, true);
    EXPECT_EQ(otra.nativo, 515);
    EXPECT_EQ(guion->mensajes().size(), 1);
}

TEST_F(Lote, SinSentenciasNoSeEnviaNadaYSinErroresConfirma) {
    SalidaLote salida;
    salida.hayError = true;
    salida.script = QStringLiteral("anterior");
    salida.nativo = 99;
    GActualizarDatoScript({QString(), QStringLiteral("  ")}, salida, false, false, true);
    EXPECT_FALSE(salida.hayError);
    EXPECT_EQ(salida.script, QStringLiteral("anterior"));
    EXPECT_EQ(salida.nativo, 99);
    EXPECT_TRUE(contadores().registro.isEmpty());

    GActualizarDatoScript({QStringLiteral("INSERT INTO TA_MENU (Clave, Nombre) VALUES ('A', 'a')"),
                           QStringLiteral("INSERT INTO TA_MENU (Clave, Nombre) VALUES ('B', 'b')")},
                          salida, false, false, true);
    EXPECT_FALSE(salida.hayError);
    EXPECT_EQ(salida.nativo, 0);
    EXPECT_EQ(contadores().registro.last(), QStringLiteral("COMMIT TRANSACTION"));
    EXPECT_EQ(filas("SELECT * FROM TA_MENU"), 2);
    EXPECT_EQ(filas("SELECT * FROM AUX_ERR"), 0);
    EXPECT_TRUE(guion->prompts.isEmpty());
}

TEST_F(Lote, UnaConfirmacionQueFallaNoDaPorGrabadoElLote) {
    FalloInyectado f;
    f.operacion = FalloInyectado::Operacion::Ejecutar;
    f.saltar = 1; // the batch passes, its COMMIT fails
    f.nativo = CodigosNativos::Bloqueo;
    f.descripcion = QStringLiteral("database is locked");
    gDB().gCnn->InyectarFallo(f);
    SalidaLote salida;
    GActualizarDatoScript({QStringLiteral("INSERT INTO TA_MENU (Clave, Nombre) VALUES ('A', 'a')")},
                          salida, false, false, true);
    EXPECT_TRUE(salida.hayError);
    EXPECT_EQ(salida.nativo, CodigosNativos::Bloqueo);
    EXPECT_EQ(filas("SELECT * FROM TA_MENU"), 0);
    EXPECT_EQ(filas("SELECT * FROM AUX_ERR"), 1);
    EXPECT_EQ(guion->mensajes(), QStringList{QStringLiteral("1222 : database is locked\r\n")});
}
