// The recovery paths of a lost or failing connection, made to happen with
// injected failures on a real database.
#include "BaseDePrueba.h"
#include "ContratoErrores.h"
#include "DB_Dll.h"
#include "EsquemasMinimos.h"
#include "Programa.h"
#include <gtest/gtest.h>

namespace {
using Op = FalloInyectado::Operacion;

FalloInyectado fallo(Op op, long numero, long nativo = 0, int veces = 1, bool cierra = false) {
    FalloInyectado f;
    f.operacion = op;
    f.numero = numero;
    f.nativo = nativo;
    f.veces = veces;
    f.cierraConexion = cierra;
    f.descripcion = QStringLiteral("General network error");
    return f;
}

class Recuperacion : public ::testing::Test {
protected:
    void SetUp() override {
        guion = ReiniciarProceso();
        base = std::make_unique<BaseDePrueba>(
            QStringLiteral("PRUEBA"),
            kTablaCuentas +
                QStringLiteral(
                    "INSERT INTO MA_CUENTAS (Codigo, Descripcion) VALUES ('1', 'Caja')"));
        base->conectar(gDB());
        ASSERT_TRUE(gDB().gOpenFlag);
        gDB().gEsAdmin = true;
    }
    QString descripcion() {
        return gDB().DatosTabla(QStringLiteral("MA_CUENTAS"), QStringLiteral("1"),
                                QStringLiteral("Descripcion"));
    }
    std::shared_ptr<DialogosGuion> guion;
    std::unique_ptr<BaseDePrueba> base;
};
} // namespace

TEST_F(Recuperacion, DosReconexionesSilenciosasAntesDePreguntar) {
    // The connection drops: the open fails with a lost connection and the
    // reopen works at once, without any question.
    gDB().gCnn->InyectarFallo(fallo(Op::Consultar, CodigosError::ConexionCerrada, 0, 1, true));
    EXPECT_EQ(descripcion(), QStringLiteral("Caja"));
    EXPECT_TRUE(guion->prompts.isEmpty())
        << guion->prompts[0].titulo.toStdString() << guion->prompts[0].texto.toStdString();
}

TEST_F(Recuperacion, LaPreguntaDeConexionPerdidaConNoTermina) {
    // Every reopen fails: two silent retries, then the question; No ends the program.
    gDB().gCnn->InyectarFallo(fallo(Op::Consultar, CodigosError::ConexionCerrada, 0, 1, true));
    gDB().gCnn->InyectarFallo(fallo(Op::Abrir, CodigosError::FalloProveedor, 0, -1));
    guion->respuestas.enqueue(Respuestas::No);
    EXPECT_THROW(descripcion(), Programa::FinDelPrograma);
    ASSERT_EQ(guion->mensajes().size(), 1);
    EXPECT_TRUE(guion->mensajes()[0].startsWith(
        QStringLiteral("SE PERDIÓ LA CONEXION CON EL SERVIDOR. (")));
    EXPECT_EQ(guion->prompts[0].titulo, QStringLiteral("Conexión a la base de datos"));
}

TEST_F(Recuperacion, LaVentanaDeReconexionIntentaEnTandasDeDiez) {
    gDB().gCnn->InyectarFallo(fallo(Op::Consultar, CodigosError::ConexionCerrada, 0, 1, true));
    // Two silent reopens, then 10 + 10 + 3 attempts in the window before the server is back.
    FalloInyectado abrir = fallo(Op::Abrir, CodigosError::FalloProveedor, 0, 2 + 23);
    gDB().gCnn->InyectarFallo(abrir);
    guion->respuestas.enqueue(Respuestas::Si);
    guion->cancelarReconexionTras.enqueue(-1);
    EXPECT_EQ(descripcion(), QStringLiteral("Caja"));
    int ventanas = 0;
    for (const PromptRegistrado& p : guion->prompts)
        if (p.tipo == QLatin1String("reconexion"))
            ++ventanas;
    EXPECT_EQ(ventanas, 3); // shown again at 0 % for every batch
}

TEST_F(Recuperacion, CerrarSistemaEnLaVentanaTermina) {
    gDB().gCnn->InyectarFallo(fallo(Op::Consultar, CodigosError::ConexionCerrada, 0, 1, true));
    gDB().gCnn->InyectarFallo(fallo(Op::Abrir, CodigosError::FalloProveedor, 0, -1));
    guion->respuestas.enqueue(Respuestas::Si);
    guion->cancelarReconexionTras.enqueue(4);
    EXPECT_THROW(descripcion(), Programa::FinDelPrograma);
}

TEST_F(Recuperacion, ErrorDeRedEnUnaConsultaReintentaHastaTresVeces) {
    // Native code 11 on the lookup: reconnect and repeat, at most twice, then the message.
    gDB().gCnn->InyectarFallo(fallo(Op::Consultar, CodigosError::FalloProveedor, 11, 2));
    EXPECT_TRUE(gDB().ExisteEnTabla(QStringLiteral("MA_CUENTAS"), QStringLiteral("1")));
    EXPECT_TRUE(guion->prompts.isEmpty());
    gDB().gCnn->InyectarFallo(fallo(Op::Consultar, CodigosError::FalloProveedor, 11, 3));
    guion->respuestas.enqueue(Respuestas::Abortar);
    EXPECT_FALSE(gDB().ExisteEnTabla(QStringLiteral("MA_CUENTAS"), QStringLiteral("1")));
    ASSERT_EQ(guion->prompts.size(), 1);
    EXPECT_EQ(guion->prompts[0].titulo, QStringLiteral("Aviso al Operador"));
    EXPECT_EQ(guion->prompts[0].estilo, 18);
}

TEST_F(Recuperacion, RespuestasDelMensajeGenerico) {
    // Retry repeats the statement; Ignore and Abort give up on it.
    gDB().gCnn->InyectarFallo(fallo(Op::Consultar, CodigosError::ErrorComando, 999, 1));
    guion->respuestas.enqueue(Respuestas::Reintentar);
    EXPECT_TRUE(gDB().ExisteEnTabla(QStringLiteral("MA_CUENTAS"), QStringLiteral("1")));
    gDB().gCnn->InyectarFallo(fallo(Op::Consultar, CodigosError::ErrorComando, 999, 1));
    guion->respuestas.enqueue(Respuestas::Ignorar);
    EXPECT_FALSE(gDB().ExisteEnTabla(QStringLiteral("MA_CUENTAS"), QStringLiteral("1")));
    EXPECT_EQ(guion->mensajes().size(), 2);
}

TEST_F(Recuperacion, EjecutarConErrorDeRedReconectaYRepite) {
    gDB().gCnn->InyectarFallo(fallo(Op::Ejecutar, CodigosError::FalloProveedor, 11, 1));
    QString sql =
        QStringLiteral("UPDATE MA_CUENTAS SET Descripcion = 'Caja central' WHERE Codigo = '1'");
    long n = 0;
    gDB().EjecutaConsultaSQL(sql, &n);
    EXPECT_EQ(n, 1);
    EXPECT_EQ(descripcion(), QStringLiteral("Caja central"));
    EXPECT_TRUE(guion->prompts.isEmpty());
}

TEST_F(Recuperacion, EjecutarSobreConexionCerradaDejaElErrorALaVista) {
    gDB().gCnn->Close();
    QString sql = QStringLiteral("UPDATE MA_CUENTAS SET Descripcion = 'x' WHERE Codigo = '1'");
    long n = -1;
    gDB().EjecutaConsultaSQL(sql, &n);
    ASSERT_EQ(gDB().gCnn->Errors.size(), 1); // the caller can tell nothing was written
    EXPECT_EQ(gDB().gCnn->Errors[0].Number, CodigosError::ConexionCerrada);
}

TEST_F(Recuperacion, AbrirRecordsetConErrorDialogoYRespuestas) {
    Recordset rs;
    guion->respuestas.enqueue(Respuestas::Abortar);
    gDB().AbrirRecordset(QStringLiteral("SELECT * FROM NO_EXISTE"), rs);
    EXPECT_EQ(rs.State(), 0);
    ASSERT_EQ(guion->prompts.size(), 1);
    EXPECT_TRUE(guion->prompts[0].titulo.contains(QStringLiteral("AbrirRecordset")));
}

TEST_F(Recuperacion, YaAbiertaSeReintentaUnaVezCerrando) {
    // Opening an open connection: closed and opened again, once, silently.
    gDB().OpenServerADODB(false, 3, QString(), true, false);
    EXPECT_TRUE(gDB().gOpenFlag);
    gDB().OpenServerADODB(false, 3, QString(), true, true);
    EXPECT_TRUE(gDB().gOpenFlag);
    EXPECT_TRUE(guion->prompts.isEmpty());
}

TEST_F(Recuperacion, ErrorDeConexionPreguntaYVuelveAPedirParametros) {
    DB_Dll db;
    db.gServidor = base->carpeta();
    db.gDBName = db.gUsuario = db.gUserPassWord = QStringLiteral("FALTA");
    DatosAcceso corregido{QStringLiteral("PRUEBA"), base->carpeta(), QStringLiteral("ANA"),
                          QStringLiteral("x"), 0};
    guion->respuestas.enqueue(Respuestas::Si);
    guion->accesos.enqueue(corregido);
    db.OpenServerADODB(false, 3, QString(), false, true);
    EXPECT_TRUE(db.gOpenFlag);
    EXPECT_EQ(db.gDBName, QStringLiteral("PRUEBA"));
    EXPECT_EQ(db.gUsuario, QStringLiteral("PRUEBA"));
    ASSERT_GE(guion->mensajes().size(), 1);
    EXPECT_TRUE(guion->mensajes()[0].startsWith(
        QStringLiteral(" Estado de Sql: 08001\rNumero de Error: -2147467259\r")));
    EXPECT_TRUE(
        guion->mensajes()[0].endsWith(QStringLiteral(" - Desea Intentarlo Nuevamente??? ")));
    // No gives up.
    DB_Dll otro;
    otro.gServidor = base->carpeta();
    otro.gDBName = QStringLiteral("FALTA");
    guion->respuestas.enqueue(Respuestas::No);
    otro.OpenServerADODB(false, 3, QString(), true, true);
    EXPECT_FALSE(otro.gOpenFlag);
}
