// Rows read straight from SQLite: the same values, types, texts and column
// names as through Qt's driver, read failures raised instead of ending the
// data early, and open results kept across a change of database.
#include "BaseDePrueba.h"
#include "Conexion.h"
#include "Contadores.h"
#include "ContratoErrores.h"
#include "DB_Dll.h"
#include "FlujoQt.h"
#include "FlujoSqlite.h"
#include "MotorSqlite.h"
#include "Recordset.h"
#include <gtest/gtest.h>

namespace {
const QString kValores =
    QStringLiteral("CREATE TABLE V (N INTEGER, R REAL, T TEXT, B BLOB);"
                   "INSERT INTO V VALUES (7, 2.5, 'Débito ñandú', x'00FF');"
                   "INSERT INTO V VALUES (-9000000000, 1500.0, '', NULL);"
                   "INSERT INTO V VALUES (NULL, 0.1, NULL, x'');"
                   "INSERT INTO V VALUES (0, -3.25e-7, '12.50', x'41');"
                   // Values repeated from one row to the next, and a column changing type.
                   "INSERT INTO V VALUES (0, -3.25e-7, '12.50', x'41');"
                   "INSERT INTO V VALUES ('abc', '7', 7, '7');"
                   "INSERT INTO V VALUES (0, 2.5, 'Débito ñandú', NULL)");
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
    EXPECT_EQ(filas, 7);
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
    rs.Open(QStringLiteral("SELECT T FROM V WHERE rowid <= 4 ORDER BY rowid"), &cn,
            Cursores::SoloAdelante, Bloqueos::SoloLectura);
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

namespace {
const QString kAsientos =
    QStringLiteral("CREATE TABLE A (TC TEXT COLLATE NOCASE, NUMERO TEXT, MES INTEGER, CUENTA TEXT);"
                   "INSERT INTO A VALUES ('FC', '00000001', 3, '1.1.01');"
                   "INSERT INTO A VALUES ('FC', '00000002', 3, '4.1.01');"
                   "INSERT INTO A VALUES ('NC', '00000001', 4, 'D''ANGELO');"
                   "INSERT INTO A VALUES ('RC', '00000009', 12, NULL)");
const QString kBusqueda =
    QStringLiteral("Select cuenta from A where tc = ? and numero = ? and mes = ?");

QString buscar(const QList<QVariant>& valores) {
    Recordset rs;
    gDB().AbrirRecordset(kBusqueda, valores, rs);
    const QString r = rs.State() == 1 && !rs.Eof() ? rs.Texto(0) : QStringLiteral("<ninguna>");
    gDB().CierraRecordset(&rs);
    return r;
}
} // namespace

TEST(ConsultaConValores, LosValoresSeEnlazanYLaSentenciaSeCompilaUnaVez) {
    auto guion = ReiniciarProceso();
    BaseDePrueba base(QStringLiteral("PRUEBA"), kAsientos);
    base.conectar(gDB());
    const struct {
        QList<QVariant> valores;
        const char* cuenta;
    } casos[] = {
        {{QStringLiteral("FC"), QStringLiteral("00000002"), 3}, "4.1.01"},
        {{QStringLiteral("fc"), QStringLiteral("00000001"), qint64(3)}, "1.1.01"}, // NOCASE
        {{QStringLiteral("NC"), QStringLiteral("00000001"), 4.0}, "D'ANGELO"},
        {{QStringLiteral("NC"), QStringLiteral("00000001"), 5}, "<ninguna>"},
        {{QStringLiteral("RC"), QStringLiteral("00000009"), 12}, ""},
        // A value is never part of the statement's text.
        {{QStringLiteral("x' OR '1'='1"), QStringLiteral("00000001"), 3}, "<ninguna>"},
    };
    const long antes = contadores().sentencias;
    for (int vuelta = 0; vuelta < 3; ++vuelta)
        for (const auto& c : casos)
            EXPECT_EQ(buscar(c.valores), QString::fromUtf8(c.cuenta)) << c.cuenta;
    EXPECT_EQ(contadores().sentencias - antes, 18);
    const auto* motor = dynamic_cast<const MotorSqlite*>(gDB().gCnn->motorActivo());
    ASSERT_NE(motor, nullptr);
    EXPECT_EQ(motor->sentencias().Guardadas(), 1);

    // The same lookup while it is still being read gets a statement of its own.
    Recordset externo;
    gDB().AbrirRecordset(kBusqueda, {QStringLiteral("FC"), QStringLiteral("00000001"), 3}, externo);
    EXPECT_EQ(buscar({QStringLiteral("FC"), QStringLiteral("00000002"), 3}),
              QStringLiteral("4.1.01"));
    ASSERT_FALSE(externo.Eof());
    EXPECT_EQ(externo.Texto(0), QStringLiteral("1.1.01"));
    externo.MoveFirst(); // read again from the start with the same values
    EXPECT_EQ(externo.Texto(0), QStringLiteral("1.1.01"));
    gDB().CierraRecordset(&externo);

    // Marks and values that do not match are an error for the user, not a crash.
    guion->respuestas.enqueue(Respuestas::Abortar);
    EXPECT_EQ(buscar({QStringLiteral("FC")}), QStringLiteral("<ninguna>"));
    ASSERT_EQ(guion->mensajes().size(), 1);
    EXPECT_TRUE(guion->respuestas.isEmpty());
}

TEST(ConsultaConValores, LaConexionCierraLimpiaConSentenciasGuardadas) {
    ReiniciarProceso();
    BaseDePrueba base(QStringLiteral("PRUEBA"), kAsientos);
    base.crear(QStringLiteral("OTRA"), kAsientos);
    Conexion cn;
    cn.Open(base.cadena());
    auto consultar = [&](const QString& tc) {
        Recordset rs;
        rs.AbrirConValores(kBusqueda, {tc, QStringLiteral("00000001"), 3}, &cn);
        return rs.Eof() ? QString() : rs.Texto(0);
    };
    EXPECT_EQ(consultar(QStringLiteral("FC")), QStringLiteral("1.1.01"));
    // A new database: the statements of the first file go with it.
    cn.SetDefaultDatabase(QStringLiteral("OTRA"));
    EXPECT_FALSE(cn.db().lastError().isValid()) << cn.db().lastError().text().toStdString();
    base.ejecutarEn(QStringLiteral("OTRA"), QStringLiteral("UPDATE A SET CUENTA = 'otra'"));
    EXPECT_EQ(consultar(QStringLiteral("FC")), QStringLiteral("otra"));
    cn.Close();
    EXPECT_FALSE(cn.db().lastError().isValid()) << cn.db().lastError().text().toStdString();
    // Reopened, the statement is compiled again on the new connection.
    cn.Open(base.cadena());
    EXPECT_EQ(consultar(QStringLiteral("FC")), QStringLiteral("1.1.01"));
}

TEST(ConsultaConValores, ElControladorDeQtEnlazaLoMismo) {
    ReiniciarProceso();
    BaseDePrueba base(QStringLiteral("PRUEBA"), kAsientos);
    Conexion cn;
    cn.Open(base.cadena());
    FlujoQt qt(cn.db());
    ASSERT_TRUE(qt.ejecutar(kBusqueda, {QStringLiteral("NC"), QStringLiteral("00000001"), 4}));
    ASSERT_TRUE(qt.siguiente());
    EXPECT_EQ(qt.texto(0), QStringLiteral("D'ANGELO"));
    EXPECT_FALSE(qt.siguiente());
}

TEST(ConsultaConValores, CadaTipoSeEnlazaIgualPorLosDosCaminos) {
    ReiniciarProceso();
    BaseDePrueba base(QStringLiteral("PRUEBA"), QStringLiteral("CREATE TABLE B (TC TEXT);"
                                                               "INSERT INTO B VALUES ('FC')"));
    Conexion cn;
    cn.Open(base.cadena());
    const struct {
        QVariant valor;
        const char* esperado;
    } casos[] = {
        {QString(), "text:''"}, // a null text is the empty text, as a literal ''
        {QStringLiteral("D'Angelo ñ"), "text:'D''Angelo ñ'"},
        {QVariant(), "null:NULL"},
        {QVariant(QMetaType::fromType<int>()), "null:NULL"},
        {7, "integer:7"},
        {qint64(-9000000000), "integer:-9000000000"},
        {true, "integer:1"},
        {1.5f, "real:1.5"},
        {2.25, "real:2.25"},
        {QByteArray(), "blob:X''"},
        {QByteArray("A"), "blob:X'41'"},
    };
    const QString sql = QStringLiteral("SELECT typeof(?) || ':' || quote(?)");
    auto cache = std::make_shared<CacheSentenciasSqlite>();
    for (const auto& c : casos) {
        FlujoSqlite nativo(FlujoSqlite::Handle(cn.db()), cache);
        FlujoQt qt(cn.db());
        ASSERT_TRUE(nativo.ejecutar(sql, {c.valor, c.valor})) << c.esperado;
        ASSERT_TRUE(qt.ejecutar(sql, {c.valor, c.valor})) << c.esperado;
        ASSERT_TRUE(nativo.siguiente());
        ASSERT_TRUE(qt.siguiente());
        EXPECT_EQ(nativo.texto(0), QString::fromUtf8(c.esperado));
        EXPECT_EQ(qt.texto(0), QString::fromUtf8(c.esperado));
    }
    cache->Vaciar();

    // A bound text compares without regard to letter case, as a literal does,
    // even on a column declared without it.
    Recordset rs;
    rs.AbrirConValores(QStringLiteral("SELECT TC FROM B WHERE TC = ?"), {QStringLiteral("fc")},
                       &cn);
    ASSERT_FALSE(rs.Eof());
    EXPECT_EQ(rs.Texto(0), QStringLiteral("FC"));
    rs.Close();

    // Nothing to run is an error on both paths, never an empty result.
    for (const QString& vacia : {QString(), QStringLiteral("  -- solo un comentario")}) {
        FlujoSqlite directo(FlujoSqlite::Handle(cn.db()));
        EXPECT_FALSE(directo.ejecutar(vacia));
        EXPECT_TRUE(directo.error().isValid());
        FlujoSqlite guardado(FlujoSqlite::Handle(cn.db()), cache);
        EXPECT_FALSE(guardado.ejecutar(vacia, {}));
        EXPECT_TRUE(guardado.error().isValid());
        EXPECT_EQ(cache->Guardadas(), 0);
    }
}
