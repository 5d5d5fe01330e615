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
        {"SELECT * FROM T WHERE F >= '2024-01-31' AND N = 'ANA'",
         "SELECT * FROM T WHERE F >= TO_DATE('31/01/2024','DD/MM/YYYY') AND N = 'ANA'"},
        {"SELECT * FROM T WHERE F = '5/3/2024' OR G = '5/3/2024'",
         "SELECT * FROM T WHERE F = TO_DATE('05/03/2024','DD/MM/YYYY') OR G = "
         "TO_DATE('05/03/2024','DD/MM/YYYY')"},
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
