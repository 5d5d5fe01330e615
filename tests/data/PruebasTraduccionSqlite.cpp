#include "ImprimirQt.h"
#include "TraduccionSqlite.h"
#include <gtest/gtest.h>

using TraduccionSqlite::DividirLote;
using TraduccionSqlite::Traducir;

TEST(TraduccionSqlite, ReescribeLasConstruccionesDelServidor) {
    const struct {
        const char* sqlServer;
        const char* sqlite;
    } casos[] = {
        {"SELECT TOP 1  * FROM MA_CUENTAS with(nolock)  WHERE LTRIM(RTRIM(Codigo)) ='1'",
         "SELECT   * FROM MA_CUENTAS    WHERE LTRIM(RTRIM(Codigo)) ='1' COLLATE NOCASE LIMIT 1"},
        {"select  top 1 * from AUX_ERR  with(nolock) ", "select   * from AUX_ERR LIMIT 1"},
        {"SELECT top 1000 DESCRIPCION,CODIGO FROM MA_CUENTAS  with (NOLOCK)  WHERE TITULO = 0 "
         "ORDER BY 1",
         "SELECT  DESCRIPCION,CODIGO FROM MA_CUENTAS     WHERE TITULO = 0 ORDER BY 1 LIMIT 1000"},
        {"select  getDate() as fecha", "select  datetime('now','localtime') as fecha"},
        {"SELECT ISNULL(a,0), LEN(b), SUBSTRING(c,1,2) FROM t",
         "SELECT IFNULL(a,0), LENGTH(b), SUBSTR(c,1,2) FROM t"},
        {"SELECT CHARINDEX('-', Codigo) FROM t", "SELECT INSTR(Codigo, '-' COLLATE NOCASE) FROM t"},
        {"SELECT CHARINDEX(',', ISNULL(x, ',')) FROM t",
         "SELECT INSTR(IFNULL(x, ',' COLLATE NOCASE), ',' COLLATE NOCASE) FROM t"},
        {"SELECT * FROM T WHERE Fecha = #31/01/2024#",
         "SELECT * FROM T WHERE Fecha = '2024-01-31'"},
        {"ALTER TABLE dbo.MA_CUENTAS ADD X int Null ", "ALTER TABLE MA_CUENTAS ADD X int Null "},
        {"INSERT INTO [dbo].[V_TA_Input] (A) VALUES (1)",
         "INSERT INTO [V_TA_Input] (A) VALUES (1)"},
        {"SELECT [NUMERO ASIENTO], [DEBE-HABER] FROM MV_ASIENTOS",
         "SELECT [NUMERO ASIENTO], [DEBE-HABER] FROM MV_ASIENTOS"},
        // Text inside literals and words that only contain a keyword stay.
        {"SELECT 'top 5 with(nolock) LEN(' AS t, TOPE, ISNULLO FROM T",
         "SELECT 'top 5 with(nolock) LEN(' COLLATE NOCASE AS t, TOPE, ISNULLO FROM T"},
        {"UPDATE T SET A = 'D''Angelo #1/1/2024#' WHERE B = 1",
         "UPDATE T SET A = 'D''Angelo #1/1/2024#' COLLATE NOCASE WHERE B = 1"},
        // An explicit collation is kept; settings statements take bare literals.
        {"SELECT * FROM T WHERE A = 'x' COLLATE BINARY",
         "SELECT * FROM T WHERE A = 'x' COLLATE BINARY"},
        {"PRAGMA journal_mode='WAL'", "PRAGMA journal_mode='WAL'"},
        // A keyword right after the closing quote stays apart from the collation.
        {"SELECT * FROM T WHERE TC = 'FC'order by TC",
         "SELECT * FROM T WHERE TC = 'FC' COLLATE NOCASE order by TC"},
        // Compared text drops its trailing blanks, as the server compares it;
        // assigned text and LIKE patterns keep them.
        {"SELECT * FROM T WHERE (U = 'ANA ') AND (P LIKE '%x %') AND TC = '    '",
         "SELECT * FROM T WHERE (U = 'ANA' COLLATE NOCASE) AND (P LIKE '%x %' COLLATE NOCASE) AND "
         "TC = '    ' COLLATE NOCASE"},
        {"UPDATE T SET A = 'x  ', B='O''B ' WHERE C <> 'y ' AND D >= 'O''B  '",
         "UPDATE T SET A = 'x  ' COLLATE NOCASE, B='O''B ' COLLATE NOCASE WHERE C <> 'y' COLLATE "
         "NOCASE AND D >= 'O''B' COLLATE NOCASE"},
        // Bound values compare as literals do; a "?" inside a literal is text.
        {"Select cuenta from A where tc = ? and mes= ?and x = '?'",
         "Select cuenta from A where tc = ? COLLATE NOCASE and mes= ? COLLATE NOCASE and x = "
         "'?' COLLATE NOCASE"},
    };
    for (const auto& c : casos)
        EXPECT_EQ(Traducir(QString::fromUtf8(c.sqlServer)), QString::fromUtf8(c.sqlite))
            << c.sqlServer;
}

TEST(TraduccionSqlite, DivideLotesSinCortarLiterales) {
    const QString lote =
        QStringLiteral("BEGIN TRANSACTION \r\r\rINSERT INTO A (x) VALUES ('uno\rUPDATE no')\r"
                       "UPDATE A SET x = 'dos; tres'\rSET NOCOUNT ON\rCOMMIT TRANSACTION\r");
    EXPECT_EQ(DividirLote(lote),
              QStringList({QStringLiteral("BEGIN TRANSACTION"),
                           QStringLiteral("INSERT INTO A (x) VALUES ('uno\rUPDATE no')"),
                           QStringLiteral("UPDATE A SET x = 'dos; tres'\rSET NOCOUNT ON"),
                           QStringLiteral("COMMIT TRANSACTION")}));
    EXPECT_EQ(DividirLote(QStringLiteral("SELECT 1; SELECT 2;;")),
              QStringList({QStringLiteral("SELECT 1"), QStringLiteral("SELECT 2")}));
    EXPECT_TRUE(DividirLote(QStringLiteral("  \r\n ")).isEmpty());
}

TEST(TraduccionSqlite, LasLlamadasQueElMotorContestaYLeft) {
    // The configuration procedure is answered from TA_CONFIGURACION.
    const QString cfg = QStringLiteral("SELECT  VALOR AS Valor, ValorAux FROM TA_CONFIGURACION "
                                       "WHERE CLAVE = LTRIM(RTRIM(%1)) LIMIT 1");
    EXPECT_EQ(Traducir(QStringLiteral("EXEC sp1_getCfg @Campo = ?")),
              cfg.arg(QStringLiteral("? COLLATE NOCASE")));
    EXPECT_EQ(Traducir(QStringLiteral("exec dbo.SP1_GETCFG 'O''Brien'")),
              cfg.arg(QStringLiteral("'O''Brien' COLLATE NOCASE")));
    // Other procedures and parameters are not known here: the text goes as it is.
    EXPECT_EQ(Traducir(QStringLiteral("EXEC sp1_getCfg @Otro = ?")),
              QStringLiteral("EXEC sp1_getCfg @Otro = ? COLLATE NOCASE"));
    EXPECT_EQ(Traducir(QStringLiteral("EXEC sp_otro ?")),
              QStringLiteral("EXEC sp_otro ? COLLATE NOCASE"));
    EXPECT_EQ(Traducir(QStringLiteral("SELECT MAX(C) as C FROM T where (left(C,1) = ' ' or "
                                      "LEFT( ltrim(C) , 1) = '9') ")),
              QStringLiteral("SELECT MAX(C) as C FROM T where (SUBSTR(C, 1, 1) = ' ' COLLATE "
                             "NOCASE or SUBSTR(ltrim(C), 1, 1) = '9' COLLATE NOCASE) "));
    EXPECT_EQ(Traducir(QStringLiteral("SELECT * FROM A LEFT JOIN B ON A.x = B.x")),
              QStringLiteral("SELECT * FROM A LEFT JOIN B ON A.x = B.x"));
}
