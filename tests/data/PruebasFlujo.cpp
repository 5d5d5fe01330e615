// Rows read straight from SQLite: the same values, types, texts and column
// names as through Qt's driver, read failures raised instead of ending the
// data early, and open results kept across a change of database.
#include "BaseDePrueba.h"
#include "Conexion.h"
#include "DB_Dll.h"
#include "FlujoQt.h"
#include "FlujoSqlite.h"
#include "Recordset.h"
#include <gtest/gtest.h>

namespace {
const QString kValores = QStringLiteral("CREATE TABLE V (N INTEGER, R REAL, T TEXT, B BLOB);"
                                        "INSERT INTO V VALUES (7, 2.5, 'Débito ñandú', x'00FF');"
                                        "INSERT INTO V VALUES (-9000000000, 1500.0, '', NULL);"
                                        "INSERT INTO V VALUES (NULL, 0.1, NULL, x'');"
                                        "INSERT INTO V VALUES (0, -3.25e-7, '12.50', x'41')");
const QString kConsulta = QStringLiteral(
    "SELECT N, R, T, B, N + 1 AS [numero asiento], \"T\" AS \"Con Comillas\", R * 2 FROM V "
    "ORDER BY rowid");

std::unique_ptr<FlujoSqlite> directo(Conexion& cn) {
    sqlite3* h = FlujoSqlite::Handle(cn.db());
    return h != nullptr ? std::make_unique<FlujoSqlite>(h) : nullptr;
}
} // namespace

TEST(FlujoSqlite, LeeLoMismoQueElControladorDeQt) {
    ReiniciarProceso();
    BaseDePrueba base(QStringLiteral("PRUEBA"), kValores);
    Conexion cn;
    cn.Open(base.cadena());
    // The embedded engine reads with SQLite's own interface on this system.
    EXPECT_NE(dynamic_cast<FlujoSqlite*>(cn.motorActivo()->flujo(cn.db()).get()), nullptr);

    auto nativo = directo(cn);
    ASSERT_NE(nativo, nullptr);
    FlujoQt qt(cn.db());
    ASSERT_TRUE(nativo->ejecutar(kConsulta));
    ASSERT_TRUE(qt.ejecutar(kConsulta));
    EXPECT_EQ(nativo->campos(), qt.campos());
    EXPECT_EQ(nativo->campos().at(4), QStringLiteral("numero asiento"));
    EXPECT_EQ(nativo->campos().at(5), QStringLiteral("Con Comillas"));
    int filas = 0;
    while (qt.siguiente()) {
        ASSERT_TRUE(nativo->siguiente());
        for (int i = 0; i < qt.campos().size(); ++i) {
            const QVariant a = nativo->valor(i), b = qt.valor(i);
            EXPECT_EQ(a.isNull(), b.isNull()) << filas << ' ' << i;
            EXPECT_EQ(a.metaType(), b.metaType()) << filas << ' ' << i;
            EXPECT_EQ(a, b) << filas << ' ' << i;
            EXPECT_EQ(nativo->texto(i), qt.texto(i)) << filas << ' ' << i;
        }
        ++filas;
    }
    EXPECT_EQ(filas, 4);
    EXPECT_FALSE(nativo->siguiente());
    EXPECT_FALSE(nativo->error().isValid());
    EXPECT_FALSE(qt.error().isValid());
}

TEST(FlujoSqlite, SentenciasQueNoSePuedenPreparar) {
    ReiniciarProceso();
    BaseDePrueba base(QStringLiteral("PRUEBA"), kValores);
    Conexion cn;
    cn.Open(base.cadena());
    auto dos = directo(cn);
    EXPECT_FALSE(dos->ejecutar(QStringLiteral("SELECT 1; SELECT 2")));
    EXPECT_TRUE(dos->error().isValid());
    EXPECT_TRUE(directo(cn)->ejecutar(QStringLiteral("SELECT 1;  \n")));
    // A statement that does not parse maps onto the syntax error code.
    Recordset rs;
    try {
        rs.Open(QStringLiteral("SELEC N FROM V"), &cn, Cursores::SoloAdelante,
                Bloqueos::SoloLectura);
        ADD_FAILURE() << "should fail";
    } catch (const ErrorVB&) {
        ASSERT_EQ(cn.Errors.size(), 1);
        EXPECT_EQ(cn.Errors[0].NativeError, 102);
    }
    EXPECT_EQ(rs.State(), 0);
}

TEST(FlujoSqlite, UnaFilaQueNoSePuedeLeerEsUnErrorNoElFinDeLosDatos) {
    ReiniciarProceso();
    BaseDePrueba base(QStringLiteral("PRUEBA"),
                      QStringLiteral("CREATE TABLE G (N INTEGER);"
                                     "INSERT INTO G VALUES (1);"
                                     "INSERT INTO G VALUES (-9223372036854775807 - 1);"
                                     "INSERT INTO G VALUES (3)"));
    Conexion cn;
    cn.Open(base.cadena());
    // abs() of the smallest integer overflows on the second row.
    const QString sql = QStringLiteral("SELECT abs(N) AS A FROM G ORDER BY rowid");
    FlujoQt qt(cn.db());
    ASSERT_TRUE(qt.ejecutar(sql));
    ASSERT_TRUE(qt.siguiente());
    EXPECT_FALSE(qt.siguiente());
    EXPECT_TRUE(qt.error().isValid());

    Recordset rs;
    rs.Open(sql, &cn, Cursores::SoloAdelante, Bloqueos::SoloLectura);
    ASSERT_FALSE(rs.Eof());
    EXPECT_EQ(rs.Texto(0), QStringLiteral("1"));
    EXPECT_THROW(rs.MoveNext(), ErrorVB);
    EXPECT_EQ(rs.State(), 0);
    ASSERT_EQ(cn.Errors.size(), 1);
    EXPECT_TRUE(cn.Errors[0].Description.contains(QStringLiteral("overflow")));

    // Read whole, the failure is raised as well.
    Recordset todo;
    todo.Open(sql, &cn, Cursores::SoloAdelante, Bloqueos::SoloLectura);
    EXPECT_THROW(todo.LeerResto(), ErrorVB);
    EXPECT_EQ(todo.State(), 0);
}

TEST(FlujoSqlite, CambiarLaBaseConservaLosResultadosAbiertos) {
    ReiniciarProceso();
    BaseDePrueba base(QStringLiteral("PRUEBA"), kValores);
    base.crear(QStringLiteral("OTRA"), QStringLiteral("CREATE TABLE W (X TEXT);"
                                                      "INSERT INTO W VALUES ('otra')"));
    Conexion cn;
    cn.Open(base.cadena());
    Recordset rs;
    rs.Open(QStringLiteral("SELECT T FROM V ORDER BY rowid"), &cn, Cursores::SoloAdelante,
            Bloqueos::SoloLectura);
    EXPECT_EQ(rs.Texto(0), QStringLiteral("Débito ñandú"));
    cn.SetDefaultDatabase(QStringLiteral("OTRA"));
    // The first file was closed cleanly: no statement of it was left behind.
    EXPECT_FALSE(cn.db().lastError().isValid()) << cn.db().lastError().text().toStdString();
    rs.MoveNext();
    EXPECT_EQ(rs.Texto(0), QString());
    rs.MoveNext();
    EXPECT_TRUE(rs.Valor(0).isNull());
    rs.MoveNext();
    EXPECT_EQ(rs.Texto(0), QStringLiteral("12.50"));
    rs.MoveNext();
    EXPECT_TRUE(rs.Eof());
    Recordset w;
    w.Open(QStringLiteral("SELECT X FROM W"), &cn, Cursores::SoloAdelante, Bloqueos::SoloLectura);
    EXPECT_EQ(w.Texto(0), QStringLiteral("otra"));
}
