// Two data-access objects on two databases, as the main and the statistics
// connection are: a failure on one is recovered, treated and logged by that
// object alone, and never touches the other.
#include "BaseDePrueba.h"
#include "ContratoErrores.h"
#include "DB_Dll.h"
#include "EsquemasMinimos.h"
#include "Programa.h"
#include <QFile>
#include <gtest/gtest.h>

namespace {
using Op = FalloInyectado::Operacion;

FalloInyectado fallo(Op op, long numero, long nativo, int veces, bool cierra = false,
                     int saltar = 0) {
    FalloInyectado f;
    f.operacion = op;
    f.numero = numero;
    f.nativo = nativo;
    f.veces = veces;
    f.cierraConexion = cierra;
    f.saltar = saltar;
    return f;
}

class DosObjetos : public ::testing::Test {
protected:
    void SetUp() override {
        guion = ReiniciarProceso();
        principal = std::make_unique<BaseDePrueba>(
            QStringLiteral("PRINCIPAL"),
            kTablaCuentas + QStringLiteral("INSERT INTO MA_CUENTAS (Codigo, Descripcion) "
                                           "VALUES ('1', 'Caja')"));
        estadisticas = std::make_unique<BaseDePrueba>(
            QStringLiteral("ESTADISTICAS"),
            kTablaCuentas + kTablaUsuarios +
                QStringLiteral(
                    "INSERT INTO MA_CUENTAS (Codigo, Descripcion) VALUES ('2', 'Banco')"));
        principal->conectar(gDB());
        estadisticas->conectar(otro());
        ASSERT_TRUE(gDB().gOpenFlag && otro().gOpenFlag);
        // The administrator check looks for the users table in its own database.
        EXPECT_FALSE(gDB().gEsAdmin);
        EXPECT_TRUE(otro().gEsAdmin);
        gDB().gEsAdmin = true;
        gDB().ArchivoErrores(logs.ruta(QStringLiteral("PRINCIPAL.LOG")));
        otro().ArchivoErrores(logs.ruta(QStringLiteral("ESTADISTICAS.LOG")));
    }

    static DB_Dll& otro() { return gDBEstadisticas(); }

    // From here on, anything that reopened the main connection would fail.
    void vigilarPrincipal() {
        gDB().gCnn->InyectarFallo(fallo(Op::Abrir, CodigosError::FalloProveedor, 0, -1));
    }
    // The main object still as it was: open, no errors, no log, its row read
    // without a question.
    void principalIntacto() {
        EXPECT_EQ(gDB().gCnn->State(), 1);
        EXPECT_TRUE(gDB().gCnn->Errors.isEmpty());
        EXPECT_FALSE(QFile::exists(gDB().ArchivoErrores()));
        const qsizetype preguntas = guion->prompts.size();
        EXPECT_EQ(gDB().DatosTabla(QStringLiteral("MA_CUENTAS"), QStringLiteral("1"),
                                   QStringLiteral("Descripcion")),
                  QStringLiteral("Caja"));
        EXPECT_EQ(guion->prompts.size(), preguntas);
    }

    std::shared_ptr<DialogosGuion> guion;
    CarpetaTemporal logs;
    std::unique_ptr<BaseDePrueba> principal;
    std::unique_ptr<BaseDePrueba> estadisticas;
};
} // namespace

TEST_F(DosObjetos, ErrorDeRedSeRecuperaConLaConexionDelObjeto) {
    vigilarPrincipal();
    // A statement: reconnected and repeated, its error collection read.
    otro().gCnn->InyectarFallo(fallo(Op::Ejecutar, CodigosError::FalloProveedor, 11, 1));
    QString sql =
        QStringLiteral("UPDATE MA_CUENTAS SET Descripcion = 'Banco central' WHERE Codigo = '2'");
    long n = 0;
    otro().EjecutaConsultaSQL(sql, &n);
    EXPECT_EQ(n, 1);
    EXPECT_TRUE(otro().gCnn->Errors.isEmpty());
    EXPECT_EQ(estadisticas->valor(QStringLiteral("SELECT Descripcion FROM MA_CUENTAS")),
              QStringLiteral("Banco central"));
    // Row tests: the same silent repeats, on the object's own connection.
    otro().gCnn->InyectarFallo(fallo(Op::Consultar, CodigosError::FalloProveedor, 11, 2));
    EXPECT_TRUE(otro().ExisteEnTabla(QStringLiteral("MA_CUENTAS"), QStringLiteral("2")));
    EXPECT_TRUE(otro().ExisteEnTablaST(QStringLiteral("MA_CUENTAS"), QStringLiteral("2")));
    EXPECT_TRUE(guion->prompts.isEmpty());
    principalIntacto();
}

TEST_F(DosObjetos, ElErrorSeTrataYSeAnotaEnElLogDelObjeto) {
    vigilarPrincipal();
    otro().gCnn->Close();
    guion->respuestas.enqueue(Respuestas::Abortar);
    EXPECT_FALSE(otro().ExisteTablaDB(QStringLiteral("MA_CUENTAS")));
    ASSERT_EQ(guion->prompts.size(), 1);
    EXPECT_TRUE(guion->prompts[0].titulo.contains(QStringLiteral("VerificaCampos")));
    QFile log(otro().ArchivoErrores());
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    EXPECT_EQ(log.readAll().count("\r\n"), 1);
    guion->prompts.clear();
    principalIntacto();
}

TEST_F(DosObjetos, LaConexionPerdidaPreguntaPorSuServidorYCuentaSusIntentos) {
    // Twice the statistics connection drops and cannot be reopened; the
    // operator answers No each time. Its retry counter is spent.
    otro().gCnn->InyectarFallo(fallo(Op::Consultar, CodigosError::ConexionCerrada, 0, 2));
    otro().gCnn->InyectarFallo(fallo(Op::Abrir, CodigosError::FalloProveedor, 0, 1));
    otro().gCnn->InyectarFallo(fallo(Op::Abrir, CodigosError::FalloProveedor, 0, 1, false, 1));
    guion->respuestas << Respuestas::No << Respuestas::No;
    for (int i = 0; i < 2; ++i)
        EXPECT_THROW(otro().DatosTabla(QStringLiteral("MA_CUENTAS"), QStringLiteral("2"),
                                       QStringLiteral("Descripcion")),
                     Programa::FinDelPrograma);
    ASSERT_EQ(guion->mensajes().size(), 2);
    EXPECT_TRUE(
        guion->mensajes()[1].startsWith(QStringLiteral("SE PERDIÓ LA CONEXION CON EL SERVIDOR. (") +
                                        estadisticas->carpeta() + QStringLiteral(") ")));
    // The main connection drops once: it still gets its silent reopen.
    guion->prompts.clear();
    gDB().gCnn->InyectarFallo(fallo(Op::Consultar, CodigosError::ConexionCerrada, 0, 1, true));
    principalIntacto();
}
