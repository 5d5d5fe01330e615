#include "DB_Dll.h"
#include "ImprimirQt.h"
#include "MotorOracle.h"
#include "OracleDicc.h"
#include <gtest/gtest.h>

using OracleDicc::Traducir;

TEST(OracleDicc, ReglasDeTraduccion) {
    const struct {
        const char* entrada;
        const char* salida;
    } casos[] = {
        // A single word: only LEN changes.
        {"len", "LENGTH"},
        {"ISNULL(a,b)", "ISNULL(a,b)"},
        // TOP with WHERE and ORDER BY; TOP without WHERE; GROUP BY tail.
        {"SELECT TOP 5 * FROM T WHERE A=1 ORDER BY B",
         "SELECT   * FROM T WHERE A=1   AND ROWNUM <= 5 ORDER BY B"},
        {"SELECT TOP 1 * FROM T", "SELECT   * FROM T  WHERE ROWNUM <= 1 "},
        {"SELECT top 3 A, COUNT(*) FROM T GROUP BY A",
         "SELECT   A, COUNT(*) FROM T  WHERE ROWNUM <= 3  GROUP BY A"},
        {"SELECT LEN(a), LEN  (b) FROM T", "SELECT LENGTH(a), LENGTH(b) FROM T"},
        {"SELECT [NUMERO ASIENTO] FROM T", "SELECT \"NUMERO ASIENTO\" FROM T"},
        // Dates in quotes become TO_DATE once; other texts stay.
        {"SELECT * FROM T WHERE F >= '31-01-2024' AND N = 'ANA'",
         "SELECT * FROM T WHERE F >= TO_DATE('31/01/2024','DD/MM/YYYY') AND N = 'ANA'"},
        {"SELECT * FROM T WHERE F = '5/3/2024' OR G = '5/3/2024'",
         "SELECT * FROM T WHERE F = TO_DATE('05/03/2024','DD/MM/YYYY') OR G = "
         "TO_DATE('05/03/2024','DD/MM/YYYY')"},
        {"SELECT * FROM T WHERE F = TO_DATE('5/3/24','DD/MM/YYYY')",
         "SELECT * FROM T WHERE F = TO_DATE('05/03/2024','DD/MM/YYYY')"},
        {"SELECT Charindex('a', b) FROM T", "SELECT InStr('a', b) FROM T"},
        {"SELECT CONVERT(NVARCHAR,F,103), CONVERT(INT,X) FROM T WHERE Y = 103",
         "SELECT TO_CHAR(F,'DD/MM/YYYY'), TO_NUMBER(X) FROM T WHERE Y = 103"},
        // Empty-text comparisons only from the first WHERE on.
        {"SELECT * FROM A JOIN B ON A.x = '' WHERE A.y = '' AND B.z=''",
         "SELECT * FROM A JOIN B ON A.x = '' WHERE A.y  IS NULL  AND B.z IS NULL "},
        {"SELECT SUBSTRING(a,1,2), ISNULL(b,0) FROM T", "SELECT SUBSTR(a,1,2), NVL(b,0) FROM T"},
    };
    for (const auto& c : casos)
        EXPECT_EQ(Traducir(QString::fromUtf8(c.entrada)), QString::fromUtf8(c.salida)) << c.entrada;
}

TEST(OracleDicc, SoloFechasDiaMesAnioConBarraOGuion) {
    const auto fecha = [](const char* literal) {
        return Traducir(QStringLiteral("SELECT * FROM T WHERE F = '") + QString::fromUtf8(literal) +
                        QStringLiteral("'"))
            .contains(QStringLiteral("TO_DATE("));
    };
    for (const char* si : {"1/1/24", "1-1-24", "01/12/1999", "29/02/2024", "9/10/2024", "31/12/49"})
        EXPECT_TRUE(fecha(si)) << si;
    // Account codes, impossible days, other orders and separators stay texts.
    for (const char* no :
         {"1.1.01", "1.1.2024", "30/02/2024", "32/1/2024", "1/13/2024", "2024-01-31", "1/1/202",
          "1/1/20245", "1/1-2024", "1//2024", " 1/1/2024", "1/1/2024 ", "a1/1/2024", "1/1", ""})
        EXPECT_FALSE(fecha(no)) << no;
    EXPECT_EQ(Traducir(QStringLiteral("UPDATE MA_CUENTAS SET X = 1 WHERE Codigo = '1.1.01'")),
              QStringLiteral("UPDATE MA_CUENTAS SET X = 1 WHERE Codigo = '1.1.01'"));
    // An apostrophe doubled inside a text is part of it.
    EXPECT_EQ(Traducir(QStringLiteral("SELECT * FROM T WHERE N = 'it''s 1/1/24' AND F = '1/1/24'")),
              QStringLiteral("SELECT * FROM T WHERE N = 'it''s 1/1/24' AND F = "
                             "TO_DATE('01/01/2024','DD/MM/YYYY')"));
}

TEST(OracleDicc, ApostrofoSinCerrarYFechasRepetidasVuelvenEnSeguida) {
    // This text once made the translation grow without end.
    EXPECT_EQ(
        Traducir(QStringLiteral("SELECT 1 FROM T WHERE x='1/1/24' y='1/1/24' z=' w='1/1/24'")),
        QStringLiteral("SELECT 1 FROM T WHERE x=TO_DATE('01/01/2024','DD/MM/YYYY') "
                       "y=TO_DATE('01/01/2024','DD/MM/YYYY') z=' w='1/1/24'"));
    // Many literals and many "103"s: each rule is one pass over the text.
    QString largo = QStringLiteral("SELECT CONVERT(NVARCHAR,F,103) FROM T WHERE A IN (");
    for (int i = 0; i < 20000; ++i)
        largo += QStringLiteral("'1/1/24',103,");
    largo += QStringLiteral("'");
    const QString r = Traducir(largo);
    EXPECT_EQ(r.count(QStringLiteral("TO_DATE('01/01/2024','DD/MM/YYYY')")), 20000);
    EXPECT_EQ(r.count(QStringLiteral("'DD/MM/YYYY'),")), 20000);
    EXPECT_TRUE(r.startsWith(QStringLiteral("SELECT TO_CHAR(F,'DD/MM/YYYY') FROM T")));
}

TEST(OracleDicc, PartirScriptEnSentencias) {
    const QString script = QStringLiteral(
        "SET NOCOUNT ON\r\nBEGIN TRANSACTION\r\nINSERT INTO A VALUES (1)\r\nUPDATE A SET X = 2\r\n"
        "COMMIT TRANSACTION\r\n");
    EXPECT_EQ(
        OracleDicc::PartirScript(script),
        QStringList({QStringLiteral("SET TRANSACTION"), QStringLiteral("INSERT INTO A VALUES (1)"),
                     QStringLiteral("UPDATE A SET X = 2"), QStringLiteral("COMMIT")}));
    // A select alone has no statement keyword: nothing runs.
    EXPECT_TRUE(OracleDicc::PartirScript(QStringLiteral("SELECT * FROM T")).isEmpty());
    QString s = QStringLiteral("IF NOT EXISTS (SELECT 1) CREATE TABLE X (A INT)");
    EXPECT_EQ(OracleDicc::FiltrarSentencia(s), QString());
    EXPECT_TRUE(s.isEmpty());
}

TEST(OracleDicc, SoloCuandoLaConexionNombraOracle) {
    DB_Dll db;
    const QString sql = QStringLiteral("SELECT LEN(a) FROM T");
    db.gConnString = QStringLiteral("PROVIDER=SQLOLEDB;Server=S;");
    EXPECT_EQ(db.ORACLE_Dicc(sql), sql);
    db.gConnString = QStringLiteral("Provider=oraoledb.oracle.1;Data Source=XE;");
    EXPECT_EQ(db.ORACLE_Dicc(sql), QStringLiteral("SELECT LENGTH(a) FROM T"));
    // Result sets look for it past the first character of their string.
    EXPECT_TRUE(MotorOracle::Nombrado(QStringLiteral("ORACLE;")));
    EXPECT_FALSE(MotorOracle::Nombrado(QStringLiteral("ORACLE;"), 1));
    EXPECT_TRUE(MotorOracle::Nombrado(QStringLiteral("Oracle;Provider=OraOLEDB.Oracle"), 1));
}
