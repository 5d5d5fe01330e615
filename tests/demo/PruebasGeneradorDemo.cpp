// The generated demo data: sizes, balance, referential consistency, the
// account kinds the editor distinguishes, and determinism.
#include "BaseDemoCompartida.h"
#include <QFile>
#include <algorithm>
#include <tuple>

namespace {

const std::string kComprobante = "TC, SUCURSAL, NUMERO, LETRA";

// The first row where two listings differ, empty when they are equal.
std::string PrimeraDiferencia(const QStringList& a, const QStringList& b) {
    for (qsizetype i = 0; i < std::max(a.size(), b.size()); ++i)
        if (a.value(i) != b.value(i))
            return "fila " + std::to_string(i) + ": " + a.value(i).toStdString() + " / " +
                   b.value(i).toStdString();
    return {};
}

} // namespace

using GeneradorDemo = BaseDemoCompartida;

TEST_F(GeneradorDemo, EscribeExactamenteLasLineasPedidas) {
    EXPECT_EQ(db.numero("SELECT count(*) FROM MV_ASIENTOS"), kLineas);
    for (int lineas : {0, 2, 3, 9, 10, 137}) {
        CarpetaTemporal otra;
        QString error;
        ASSERT_TRUE(GenerarDemo(otra.ruta(), QStringLiteral("DEMO"), lineas, &error))
            << error.toStdString();
        ConsultaSqlite chica(otra.ruta(QStringLiteral("DEMO.db")));
        EXPECT_EQ(chica.numero("SELECT count(*) FROM MV_ASIENTOS"), lineas) << lineas;
        EXPECT_GT(chica.numero("SELECT count(*) FROM MA_CUENTAS"), 100) << lineas;
    }
}

TEST_F(GeneradorDemo, RechazaArgumentosInvalidos) {
    CarpetaTemporal otra;
    QString error;
    EXPECT_FALSE(GenerarDemo(otra.ruta(), QStringLiteral("DEMO"), 1, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(GenerarDemo(otra.ruta(), QStringLiteral("DEMO"), -5, &error));
    EXPECT_FALSE(GenerarDemo(otra.ruta(), QStringLiteral("qd_estadisticas"), 10, &error));
    EXPECT_FALSE(GenerarDemo(otra.ruta(), QStringLiteral("sub/DEMO"), 10, &error));
    EXPECT_FALSE(QFile::exists(otra.ruta(QStringLiteral("DEMO.db"))));
}

TEST_F(GeneradorDemo, CadaComprobanteYCadaAsientoBalanceanEntreDosYOchoLineas) {
    const std::string saldo = "sum(CASE \"DEBE-HABER\" WHEN 'D' THEN IMPORTE ELSE -IMPORTE END)";
    EXPECT_EQ(db.numero("SELECT count(*) FROM (SELECT " + kComprobante +
                        " FROM MV_ASIENTOS GROUP BY " + kComprobante + " HAVING abs(" + saldo +
                        ") > 0.004 OR count(*) NOT BETWEEN 2 AND 8)"),
              0);
    EXPECT_EQ(
        db.numero("SELECT count(*) FROM (SELECT 1 FROM MV_ASIENTOS GROUP BY \"NUMERO ASIENTO\" "
                  "HAVING abs(" +
                  saldo + ") > 0.004 OR count(*) < 2)"),
        0);
    EXPECT_EQ(db.numero("SELECT count(*) FROM MV_ASIENTOS WHERE IMPORTE <= 0 OR "
                        "\"DEBE-HABER\" NOT IN ('D', 'H')"),
              0);
}

TEST_F(GeneradorDemo, LasLineasDeCadaAsientoSeNumeranDesdeUnoYLaClaveDeLineaEsUnica) {
    EXPECT_EQ(
        db.numero("SELECT count(*) FROM (SELECT 1 FROM MV_ASIENTOS GROUP BY \"NUMERO ASIENTO\" "
                  "HAVING min(SECUENCIA) <> 1 OR max(SECUENCIA) <> count(*))"),
        0);
    // An entry belongs to one voucher, one date and one month.
    EXPECT_EQ(
        db.numero("SELECT count(*) FROM (SELECT 1 FROM MV_ASIENTOS GROUP BY \"NUMERO ASIENTO\" "
                  "HAVING count(DISTINCT TC || SUCURSAL || NUMERO || LETRA || FECHA || "
                  "MES_OPERATIVO) > 1)"),
        0);
    EXPECT_EQ(db.numero("SELECT count(*) FROM (SELECT 1 FROM MV_ASIENTOS GROUP BY CUENTA, PERIODO, "
                        "MES_OPERATIVO, SECUENCIA, TIPO_REG, \"NUMERO ASIENTO\", " +
                        kComprobante + " HAVING count(*) > 1)"),
              0);
    // Some vouchers hold two entries under one header.
    EXPECT_GT(db.numero("SELECT count(*) FROM (SELECT 1 FROM MV_ASIENTOS GROUP BY " + kComprobante +
                        " HAVING count(DISTINCT \"NUMERO ASIENTO\") = 2)"),
              0);
}

TEST_F(GeneradorDemo, LosCodigosTienenElFormatoDeLaSuite) {
    EXPECT_EQ(db.numero("SELECT count(*) FROM MV_ASIENTOS WHERE "
                        "SUCURSAL NOT GLOB '[0-9][0-9][0-9][0-9]' "
                        "OR NUMERO NOT GLOB '[0-9][0-9][0-9][0-9][0-9][0-9][0-9][0-9]' "
                        "OR length(LETRA) <> 1 OR UNEGOCIO NOT GLOB '   [1-9]' "
                        "OR FECHA NOT GLOB '2024-[01][0-9]-[0-3][0-9]' "
                        "OR MES_OPERATIVO <> CAST(substr(FECHA, 6, 2) AS INTEGER)"),
              0);
    EXPECT_EQ(db.numero("SELECT count(*) FROM MV_ASIENTOS WHERE UNEGOCIO NOT IN "
                        "(SELECT Codigo FROM V_TA_UnidadNegocio) OR TC NOT IN "
                        "(SELECT Codigo FROM VT_TA_CPTE) OR USUARIO_LOGEADO NOT IN "
                        "(SELECT Nombre FROM TA_USUARIOS)"),
              0);
    EXPECT_EQ(
        db.texto("SELECT group_concat(DISTINCT TC) FROM (SELECT TC FROM MV_ASIENTOS ORDER BY TC)"),
        QStringLiteral("AS,FC,FCC,NC,NCC,ND,OP,RC"));
}

TEST_F(GeneradorDemo, LasLineasImputanCuentasExistentesImputablesYVigentes) {
    EXPECT_EQ(db.numero("SELECT count(*) FROM MV_ASIENTOS A LEFT JOIN MA_CUENTAS C ON "
                        "C.Codigo = A.CUENTA WHERE C.Codigo IS NULL OR C.Titulo = 1 OR "
                        "C.Dada_De_Baja = 1"),
              0);
    for (const char* tabla : {"V_MV_CPTE", "C_MV_CPTE"})
        EXPECT_EQ(db.numero(std::string("SELECT count(*) FROM ") + tabla +
                            " WHERE CUENTA NOT IN (SELECT Codigo FROM MA_CUENTAS) "
                            "OR IDPROVINCIA NOT IN (SELECT Codigo FROM TA_ESTADOS)"),
                  0)
            << tabla;
}

TEST_F(GeneradorDemo, CadaMotivoTieneSusCuentasPorCondicionFiscal) {
    for (const auto& [motivos, entradas, clave] :
         {std::tuple{"V_TA_MotivoVta", "V_TA_Input_Ventas", "IdMotivoVta"},
          std::tuple{"V_TA_MotivoCpra", "V_TA_Input_Compras", "IdMotivoCpra"}}) {
        const std::string m = motivos, e = entradas, k = clave;
        EXPECT_EQ(db.numero("SELECT count(*) FROM " + m), 3) << m;
        EXPECT_EQ(db.numero("SELECT count(*) FROM " + e), 3 * 8) << e;
        EXPECT_EQ(db.numero("SELECT count(*) FROM " + m +
                            " M WHERE (SELECT count(DISTINCT "
                            "CondIva) FROM " +
                            e + " E WHERE E." + k + " = M." + k + ") <> 8"),
                  0)
            << m;
        // Every column after the motive and the condition names a postable account.
        for (const QString& columna :
             db.filas("SELECT name FROM pragma_table_info('" + e + "') WHERE cid > 1"))
            EXPECT_EQ(db.numero("SELECT count(*) FROM " + e + " WHERE " + columna.toStdString() +
                                " NOT IN (SELECT Codigo FROM MA_CUENTAS WHERE Titulo = 0)"),
                      0)
                << e << "." << columna.toStdString();
    }
}

TEST_F(GeneradorDemo, ElPlanTieneCuentasDeCadaClase) {
    const auto cuantas = [&](const std::string& condicion) {
        return db.numero("SELECT count(*) FROM MA_CUENTAS WHERE " + condicion);
    };
    EXPECT_GT(cuantas("Titulo = 1"), 10);
    EXPECT_GT(cuantas("TipoVista = 'CL' AND Dada_De_Baja = 0"), 20);
    EXPECT_GT(cuantas("TipoVista = 'PR' AND Dada_De_Baja = 0"), 20);
    EXPECT_GE(cuantas("MedioDePago = 'CH'"), 2);
    EXPECT_GE(cuantas("MedioDePago = 'TJ'"), 2);
    EXPECT_GE(cuantas("Dada_De_Baja = 1"), 3);
    EXPECT_GE(cuantas("Confidencial = 1"), 2);
    EXPECT_GT(cuantas("CodigoOpcional IS NOT NULL AND TipoVista IS NULL"), 5);
    EXPECT_EQ(cuantas("CodigoOpcional IN (SELECT Codigo FROM MA_CUENTAS)"), 0);
    EXPECT_EQ(db.numero("SELECT count(*) FROM (SELECT CodigoOpcional FROM MA_CUENTAS WHERE "
                        "CodigoOpcional IS NOT NULL GROUP BY CodigoOpcional HAVING count(*) > 1)"),
              0);
    // Every kind the editor treats apart is also posted to.
    for (const char* clase :
         {"TipoVista = 'CL'", "TipoVista = 'PR'", "MedioDePago = 'CH'", "MedioDePago = 'TJ'",
          "Confidencial = 1", "TipoVista IS NULL AND MedioDePago IS NULL"})
        EXPECT_GT(db.numero(std::string("SELECT count(*) FROM MV_ASIENTOS WHERE CUENTA IN "
                                        "(SELECT Codigo FROM MA_CUENTAS WHERE ") +
                            clase + ")"),
                  0)
            << clase;
}

TEST_F(GeneradorDemo, LosCuponesDeTarjetaEstanPresentadosONo) {
    const std::string tarjetas =
        "SELECT count(*) FROM MV_ASIENTOS WHERE CUENTA IN (SELECT Codigo FROM MA_CUENTAS "
        "WHERE MedioDePago = 'TJ') AND ";
    EXPECT_GT(db.numero(tarjetas + "TJ_PRESENTACION > 0"), 0);
    EXPECT_GT(db.numero(tarjetas + "(TJ_PRESENTACION IS NULL OR TJ_PRESENTACION = 0)"), 0);
    EXPECT_EQ(db.numero(tarjetas + "(TJ_NroCupon IS NULL OR TJ_NroSocio IS NULL)"), 0);
    EXPECT_EQ(db.numero("SELECT count(*) FROM MV_ASIENTOS WHERE TJ_PRESENTACION > 0 AND CUENTA NOT "
                        "IN (SELECT Codigo FROM MA_CUENTAS WHERE MedioDePago = 'TJ')"),
              0);
}

TEST_F(GeneradorDemo, LasCabecerasCorrespondenALaCuentaPrincipal) {
    // Sales vouchers in V_MV_CPTE, purchases and payments in C_MV_CPTE, each
    // naming the account of line 1, which has its additional data.
    for (const auto& [tabla, tipos] : {std::pair{"V_MV_CPTE", "'FC','NC','ND','RC'"},
                                       std::pair{"C_MV_CPTE", "'FCC','NCC','OP'"}}) {
        const std::string principales =
            std::string("SELECT DISTINCT TC, SUCURSAL || NUMERO || LETRA "
                        "AS ID, CUENTA FROM MV_ASIENTOS WHERE SECUENCIA = 1 "
                        "AND TC IN (") +
            tipos +
            ") AND \"NUMERO ASIENTO\" IN (SELECT "
            "min(\"NUMERO ASIENTO\") FROM MV_ASIENTOS GROUP BY " +
            kComprobante + ")";
        const std::int64_t cantidad = db.numero("SELECT count(*) FROM (" + principales + ")");
        EXPECT_GT(cantidad, 0) << tabla;
        EXPECT_EQ(db.numero(std::string("SELECT count(*) FROM ") + tabla), cantidad) << tabla;
        EXPECT_EQ(db.numero("SELECT count(*) FROM (" + principales + ") P JOIN " + tabla +
                            " C ON C.TC = P.TC AND C.IDCOMPROBANTE = P.ID AND C.CUENTA = P.CUENTA "
                            "JOIN MA_CUENTASADIC D ON D.Codigo = P.CUENTA"),
                  cantidad)
            << tabla;
    }
    EXPECT_EQ(db.numero("SELECT count(*) FROM V_MV_CPTE WHERE TC IN ('FCC','NCC','OP','AS')"), 0);
}

TEST_F(GeneradorDemo, LosComprobantesConLibroDeIvaLoLlevanEnLaPrimeraLinea) {
    EXPECT_EQ(
        db.numero("SELECT count(*) FROM MV_ASIENTOS WHERE TC IN ('FC','NC','ND','FCC','NCC') "
                  "AND SECUENCIA = 1 AND \"NUMERO ASIENTO\" IN (SELECT min(\"NUMERO ASIENTO\") "
                  "FROM MV_ASIENTOS GROUP BY " +
                  kComprobante +
                  ") AND (CABNOMBRE IS NULL OR "
                  "abs(LIVA_TOTAL - IMPORTE) > 0.004 OR abs(LIVA_ImpNetoGrav + LIVA_ImpNetoNGrav "
                  "+ LIVA_Exento + LIVA_ImpIVA - LIVA_TOTAL) > 0.004)"),
        0);
    EXPECT_GT(db.numero("SELECT count(*) FROM MV_ASIENTOS WHERE CABNOMBRE IS NOT NULL"), 0);
    EXPECT_EQ(db.numero("SELECT count(*) FROM MV_ASIENTOS WHERE CABNOMBRE IS NOT NULL AND "
                        "(SECUENCIA <> 1 OR TC IN ('RC','OP','AS'))"),
              0);
}

TEST_F(GeneradorDemo, LaMismaCantidadDaElMismoContenido) {
    CarpetaTemporal a, b, c;
    QString error;
    ASSERT_TRUE(GenerarDemo(a.ruta(), QStringLiteral("DEMO"), 1500, &error)) << error.toStdString();
    ASSERT_TRUE(GenerarDemo(b.ruta(), QStringLiteral("DEMO"), 1500, &error)) << error.toStdString();
    ASSERT_TRUE(GenerarDemo(c.ruta(), QStringLiteral("DEMO"), 1200, &error)) << error.toStdString();
    ConsultaSqlite primera(a.ruta(QStringLiteral("DEMO.db")));
    ConsultaSqlite segunda(b.ruta(QStringLiteral("DEMO.db")));
    ConsultaSqlite otra(c.ruta(QStringLiteral("DEMO.db")));
    const QStringList volcado = primera.volcado();
    EXPECT_GT(volcado.size(), 1500);
    EXPECT_EQ(PrimeraDiferencia(volcado, segunda.volcado()), "");
    // The master data does not depend on the size.
    for (const char* tabla : {"MA_CUENTAS", "MA_CUENTASADIC", "TA_USUARIOS", "TA_CONFIGURACION"}) {
        const std::string sql = std::string("SELECT * FROM ") + tabla + " ORDER BY rowid";
        EXPECT_EQ(PrimeraDiferencia(primera.filas(sql), otra.filas(sql)), "") << tabla;
    }
}

TEST_F(GeneradorDemo, ReemplazaLosArchivosExistentesYDejaLaBaseEnModoWal) {
    CarpetaTemporal otra;
    otra.escribir(QStringLiteral("DEMO.db"), "esto no es una base");
    otra.escribir(QStringLiteral("DEMO.db-wal"), "restos");
    otra.escribir(QStringLiteral("QD_ESTADISTICAS.db"), "tampoco");
    QString error;
    ASSERT_TRUE(GenerarDemo(otra.ruta(), QStringLiteral("DEMO"), 50, &error))
        << error.toStdString();
    ConsultaSqlite principal(otra.ruta(QStringLiteral("DEMO.db")));
    EXPECT_EQ(principal.numero("SELECT count(*) FROM MV_ASIENTOS"), 50);
    EXPECT_EQ(principal.texto("PRAGMA journal_mode"), QStringLiteral("wal"));
    ConsultaSqlite estadisticas(otra.ruta(QStringLiteral("QD_ESTADISTICAS.db")));
    EXPECT_EQ(estadisticas.texto("PRAGMA journal_mode"), QStringLiteral("wal"));
}
