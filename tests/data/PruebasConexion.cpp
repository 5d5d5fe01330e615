// Connections and result sets on real databases: connection strings, the
// provider error codes of real failing statements, result sets read while
// other statements run, updates, and the ODBC path.
#include "BaseDePrueba.h"
#include "DB_Dll.h"
#include "EsquemasMinimos.h"
#include "MotorSqlServer.h"
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <gtest/gtest.h>

TEST(CadenaDeConexion, ServidorOracleYTiempoDeEspera) {
    auto guion = ReiniciarProceso();
    DB_Dll db;
    db.gServidor = QStringLiteral("ORCL#");
    db.gDBName = QStringLiteral("XE");
    db.gUsuario = QStringLiteral("U1");
    db.gUserPassWord = QStringLiteral("P1");
    db.OpenServerADODB(false, 3, QString(), true, false);
    EXPECT_EQ(db.gConnString,
              QStringLiteral("Provider=OraOLEDB.Oracle.1;Data Source=XE;User Id=U1;Password=P1;"));
    EXPECT_FALSE(db.gOpenFlag); // no Oracle driver here: it fails without a message
    EXPECT_TRUE(guion->mensajes().isEmpty());

    DB_Dll sql;
    sql.gServidor = QStringLiteral("/no/existe");
    sql.gDBName = sql.gUsuario = sql.gUserPassWord = QStringLiteral("CONTA");
    sql.gExtended = QStringLiteral("Connect Timeout=30;App=x;");
    sql.OpenServerADODB(false, 3, QString(), true, false);
    EXPECT_EQ(sql.gConnString,
              QStringLiteral("PROVIDER=SQLOLEDB;Server=/no/existe;Database =CONTA;UId=CONTA;"
                             "Pwd=CONTA;Connect Timeout=5;Connect Timeout=30;App=x;"));
    EXPECT_FALSE(sql.gOpenFlag);
}

TEST(CadenaDeConexion, OdbcParaSqlServer) {
    const CadenaConexion c(
        QStringLiteral("PROVIDER=SQLOLEDB;Server=SRV\\INST;Database =CONTA;UId=CONTA;Pwd=a;b;"
                       "Connect Timeout=5;"));
    EXPECT_EQ(MotorSqlServer::CadenaOdbc(c, QStringLiteral("ODBC Driver 17 for SQL Server")),
              QStringLiteral("DRIVER={ODBC Driver 17 for SQL "
                             "Server};SERVER=SRV\\INST;DATABASE=CONTA;UID=CONTA;PWD={a};"));
    const CadenaConexion p(
        QStringLiteral("PROVIDER=SQLOLEDB;Server=10.0.0.5,1500;Database =X;UId=X;Pwd=X;"));
    EXPECT_EQ(MotorSqlServer::CadenaOdbc(p, QStringLiteral("FreeTDS")),
              QStringLiteral("DRIVER={FreeTDS};SERVER=10.0.0.5;PORT=1500;DATABASE=X;UID=X;PWD={X};"
                             "TDS_Version=7.4;ClientCharset=UTF-8;"));
    EXPECT_EQ(MotorSqlServer::CadenaOdbc(
                  CadenaConexion(QStringLiteral("PROVIDER=MSDASQL;DSN=conta;UID=a;")),
                  QStringLiteral("FreeTDS")),
              QStringLiteral("DSN=conta;UID=a;"));
}

TEST(ErroresDelProveedor, EstadoSqlDeLosRegistrosDelControladorNoDelTexto) {
    MotorSqlServer m;
    // A word of five capitals in the message is not a SQL state.
    const ErrorProveedor fatal = m.mapearError(
        QSqlError(QStringLiteral("QODBC: Unable to execute statement"),
                  QStringLiteral("FATAL: terminating connection due to administrator command;\n"
                                 "The connection has been lost "),
                  QSqlError::StatementError, QStringLiteral("35")),
        QVariant());
    EXPECT_EQ(fatal.SQLState, QString());
    EXPECT_EQ(fatal.NativeError, 35);
    // The states Qt writes after the text, one per record: class 08 in any
    // record is the network failure.
    const ErrorProveedor enlace =
        m.mapearError(QSqlError(QStringLiteral("QODBC: Unable to execute statement"),
                                QStringLiteral("server closed the connection unexpectedly, "
                                               "57P01;08S01"),
                                QSqlError::StatementError, QStringLiteral("35;35")),
                      QVariant());
    EXPECT_EQ(enlace.SQLState, QStringLiteral("57P01"));
    EXPECT_EQ(enlace.NativeError, CodigosNativos::ErrorDeRed);
    EXPECT_EQ(enlace.Number, CodigosError::FalloProveedor);
    const ErrorProveedor clave =
        m.mapearError(QSqlError(QStringLiteral("QODBC: Unable to execute statement"),
                                QStringLiteral("Violation of PRIMARY KEY constraint, 23000"),
                                QSqlError::StatementError, QStringLiteral("2627")),
                      QVariant());
    EXPECT_EQ(clave.SQLState, QStringLiteral("23000"));
    EXPECT_EQ(clave.Number, CodigosError::ViolacionIntegridad);
}

TEST(ErroresDelProveedor, CodigosDeSentenciasQueFallanDeVerdad) {
    ReiniciarProceso();
    BaseDePrueba base(QStringLiteral("PRUEBA"),
                      kTablaCuentas +
                          QStringLiteral("INSERT INTO MA_CUENTAS (Codigo) VALUES ('1')"));
    Conexion cn;
    cn.Open(base.cadena());
    const struct {
        const char* sql;
        long numero;
        long nativo;
    } casos[] = {
        {"INSERT INTO MA_CUENTAS (Codigo) VALUES ('1')", CodigosError::ViolacionIntegridad, 2627},
        {"INSERT INTO MOVIMIENTOS (Cuenta, Importe) VALUES ('NO', 1)",
         CodigosError::ViolacionIntegridad, 547},
        {"INSERT INTO AUX_ERR (Descripcion) VALUES (printf('%.300c', 'x'))",
         CodigosError::ErrorComando, 8152},
        {"SELECT * FROM NO_EXISTE", CodigosError::ObjetoInexistente, 208},
        {"SELEC * FROM MA_CUENTAS", CodigosError::ErrorComando, 102},
    };
    for (const auto& c : casos) {
        try {
            cn.Execute(QString::fromLatin1(c.sql));
            ADD_FAILURE() << "should fail: " << c.sql;
        } catch (const ErrorVB& e) {
            EXPECT_EQ(e.numero, c.numero) << c.sql;
            ASSERT_EQ(cn.Errors.size(), 1) << c.sql;
            EXPECT_EQ(cn.Errors[0].NativeError, c.nativo) << c.sql;
        }
    }
    // A database that can be read but not written refuses as a read-only one.
    cn.Execute(QStringLiteral("PRAGMA query_only=1"));
    try {
        cn.Execute(QStringLiteral("INSERT INTO MA_CUENTAS (Codigo) VALUES ('2')"));
        ADD_FAILURE() << "a read-only database should refuse the insert";
    } catch (const ErrorVB&) {
        ASSERT_EQ(cn.Errors.size(), 1);
        EXPECT_EQ(cn.Errors[0].NativeError, CodigosNativos::BaseSoloLectura);
    }
    cn.Execute(QStringLiteral("PRAGMA query_only=0"));
    // A database that cannot grow reports a full disk.
    cn.Execute(QStringLiteral("PRAGMA max_page_count=1")); // as many pages as it has
    try {
        cn.Execute(QStringLiteral("CREATE TABLE NO_ENTRA (x)"));
        ADD_FAILURE() << "a database without room should refuse a new table";
    } catch (const ErrorVB&) {
        ASSERT_EQ(cn.Errors.size(), 1);
        EXPECT_EQ(cn.Errors[0].NativeError, CodigosNativos::DiscoLleno);
    }
    // A closed connection, a closed result set, an open connection opened again.
    Recordset rs;
    EXPECT_THROW(
        try { rs.MoveNext(); } catch (const ErrorVB& e) {
            EXPECT_EQ(e.numero, CodigosError::ObjetoCerrado);
            throw;
        },
        ErrorVB);
    try {
        cn.Open();
        ADD_FAILURE();
    } catch (const ErrorVB& e) {
        EXPECT_EQ(e.numero, CodigosError::ObjetoAbierto);
    }
    cn.Close();
    try {
        cn.Execute(QStringLiteral("SELECT 1"));
        ADD_FAILURE();
    } catch (const ErrorVB& e) {
        EXPECT_EQ(e.numero, CodigosError::ConexionCerrada);
    }
    // A database that does not exist: the unspecified provider failure, and no file is created.
    Conexion otra;
    try {
        otra.Open(QStringLiteral("PROVIDER=SQLOLEDB;Server=") + base.carpeta() +
                  QStringLiteral(";Database =FALTA;"));
        ADD_FAILURE();
    } catch (const ErrorVB& e) {
        EXPECT_EQ(e.numero, CodigosError::FalloProveedor);
        ASSERT_EQ(otra.Errors.size(), 1);
        EXPECT_EQ(otra.Errors[0].NativeError, 4060);
    }
    EXPECT_FALSE(QFile::exists(base.carpeta() + QStringLiteral("/FALTA.db")));
}

TEST(Recordset, SeLeeMientrasOtraSentenciaUsaLaConexion) {
    ReiniciarProceso();
    BaseDePrueba base(QStringLiteral("PRUEBA"), kTablaCuentas);
    for (int i = 0; i < 50; ++i)
        base.ejecutar(QStringLiteral("INSERT INTO MA_CUENTAS (Codigo, Titulo) VALUES ('%1', %2)")
                          .arg(i, 3, 10, QChar(u'0'))
                          .arg(i % 2));
    base.conectar(gDB());
    gDB().gEsAdmin = true;
    Recordset rs;
    gDB().AbrirRecordset(QStringLiteral("SELECT Codigo FROM MA_CUENTAS ORDER BY Codigo"), rs);
    int n = 0;
    ASSERT_EQ(rs.State(), 1);
    for (; !rs.Eof(); rs.MoveNext()) {
        // A lookup per row on the same connection, as the grid load does.
        EXPECT_TRUE(gDB().ExisteEnTabla(QStringLiteral("MA_CUENTAS"),
                                        rs(QStringLiteral("codigo")).toString()));
        ++n;
    }
    EXPECT_EQ(n, 50);
    rs.MoveFirst();
    EXPECT_EQ(rs(QStringLiteral("CODIGO")).toString(), QStringLiteral("000"));
    EXPECT_THROW(rs(QStringLiteral("NoHay")), ErrorVB);
}

TEST(Recordset, AgregaCambiaYBorraFilasDeSuTabla) {
    ReiniciarProceso();
    BaseDePrueba base(QStringLiteral("PRUEBA"), kTablaConfiguracion);
    base.conectar(gDB());
    Recordset rs;
    gDB().AbrirRecordset(
        QStringLiteral("SELECT * FROM TA_CONFIGURACION with(nolock)  WHERE CLAVE = 'A'"), rs,
        Cursores::Dinamico, Bloqueos::Optimista);
    ASSERT_TRUE(rs.BOF());
    rs.AddNew();
    rs.Asignar(QStringLiteral("clave"), QStringLiteral("A"));
    rs.Asignar(QStringLiteral("GRUPO"), QStringLiteral("G"));
    rs.Asignar(QStringLiteral("VALOR"), QStringLiteral("uno"));
    rs.Update();
    rs.Close();
    EXPECT_EQ(base.valor(QStringLiteral("SELECT VALOR FROM TA_CONFIGURACION WHERE CLAVE='a'")),
              QStringLiteral("uno"));

    gDB().AbrirRecordset(QStringLiteral("SELECT * FROM TA_CONFIGURACION WHERE CLAVE = 'A'"), rs,
                         Cursores::Dinamico, Bloqueos::Optimista);
    // Another user changes the row after it was read: the update says so.
    base.ejecutar(QStringLiteral("UPDATE TA_CONFIGURACION SET VALOR = 'otro' WHERE CLAVE = 'A'"));
    rs.Asignar(QStringLiteral("VALOR"), QStringLiteral("dos"));
    EXPECT_THROW(rs.Update(), ErrorVB);
    rs.CancelUpdate();
    rs.Close();
    EXPECT_EQ(base.valor(QStringLiteral("SELECT VALOR FROM TA_CONFIGURACION WHERE CLAVE='A'")),
              QStringLiteral("otro"));

    gDB().AbrirRecordset(QStringLiteral("SELECT * FROM TA_CONFIGURACION WHERE CLAVE = 'A'"), rs,
                         Cursores::Dinamico, Bloqueos::Optimista);
    rs.Delete();
    EXPECT_THROW(rs.Asignar(QStringLiteral("VALOR"), QStringLiteral("x")),
                 ErrorVB); // a deleted row
    rs.Close();
    EXPECT_EQ(base.filas(QStringLiteral("SELECT * FROM TA_CONFIGURACION")), 0);
}

TEST(Recordset, ConexionPorOdbcConElControladorSqliteDeDebian) {
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QODBC")))
        GTEST_SKIP() << "Qt's ODBC driver is not installed";
    ReiniciarProceso();
    BaseDePrueba base(QStringLiteral("ODBC"),
                      kTablaCuentas +
                          QStringLiteral("INSERT INTO MA_CUENTAS (Codigo) VALUES ('1')"));
    qputenv("TARQUEL_ODBC_DRIVER", "SQLite3");
    gDB().gServidor = QStringLiteral("servidor-odbc");
    gDB().gDBName = base.carpeta() + QStringLiteral("/ODBC.db");
    gDB().gUsuario = gDB().gUserPassWord = QStringLiteral("ODBC");
    gDB().OpenServerADODB(false, 3, QString(), false, false);
    qunsetenv("TARQUEL_ODBC_DRIVER");
    ASSERT_TRUE(gDB().gOpenFlag);
    EXPECT_EQ(gDB().motor(), MotorBD::SqlServer);
    // Client-side cursors on a connection with one active result: a set is
    // read whole, so a statement can run while it is walked.
    Recordset rs;
    gDB().AbrirRecordset(QStringLiteral("SELECT Codigo FROM MA_CUENTAS"), rs);
    ASSERT_FALSE(rs.Eof());
    QString insertar = QStringLiteral("INSERT INTO MA_CUENTAS (Codigo) VALUES ('2')");
    long n = 0;
    gDB().EjecutaConsultaSQL(insertar, &n);
    EXPECT_EQ(n, 1);
    EXPECT_EQ(rs(QStringLiteral("codigo")).toString(), QStringLiteral("1"));
    QString duplicado = QStringLiteral("INSERT INTO MA_CUENTAS (Codigo) VALUES ('2')");
    gDB().EjecutaConsultaSQL(duplicado);
    ASSERT_EQ(gDB().gCnn->Errors.size(), 1);
    EXPECT_EQ(gDB().gCnn->Errors[0].NativeError, 2627);
    // An error the driver gives no state of the server for: the probe finds
    // the link alive and the connection stays open.
    QString mal = QStringLiteral("SELEC Codigo FROM MA_CUENTAS");
    gDB().EjecutaConsultaSQL(mal);
    ASSERT_EQ(gDB().gCnn->Errors.size(), 1);
    EXPECT_NE(gDB().gCnn->Errors[0].NativeError, CodigosNativos::ErrorDeRed);
    EXPECT_EQ(gDB().gCnn->State(), 1);
    EXPECT_EQ(rs(QStringLiteral("codigo")).toString(), QStringLiteral("1"));
    // The statements reach the driver as the program wrote them.
    Recordset cuenta;
    gDB().AbrirRecordset(
        QStringLiteral("SELECT COUNT(*) AS N FROM MA_CUENTAS WHERE Codigo = 'x'' OR ''1''=''1'"),
        cuenta);
    EXPECT_EQ(cuenta(QStringLiteral("n")).toInt(), 0);
    // A lookup with bound values goes out as a prepared statement.
    for (const char* codigo : {"1", "2", "x' OR '1'='1"}) {
        Recordset valor;
        gDB().AbrirRecordset(QStringLiteral("SELECT Codigo FROM MA_CUENTAS WHERE Codigo = ?"),
                             {QString::fromUtf8(codigo)}, valor);
        ASSERT_EQ(valor.State(), 1) << codigo;
        EXPECT_EQ(valor.Eof(), codigo[0] == 'x') << codigo;
        if (!valor.Eof()) {
            EXPECT_EQ(valor.Texto(0), QString::fromUtf8(codigo));
        }
    }
}

TEST(ArchivoLocal, ArchivoFaltanteOfreceElSelectorYAbreElElegido) {
    auto guion = ReiniciarProceso();
    BaseDePrueba base(QStringLiteral("LOCAL"), kTablaCuentas);
    DB_Dll db;
    db.gProveedor = DB_Dll::pJETOLEDB40();
    db.gDBName = base.carpeta() + QStringLiteral("/no_esta.mdb");
    guion->archivos.enqueue(base.carpeta() + QStringLiteral("/LOCAL.db"));
    db.OpenLocalADODB();
    ASSERT_EQ(guion->prompts.size(), 1);
    EXPECT_EQ(guion->prompts[0].titulo, QStringLiteral("Buscar Base de Datos"));
    EXPECT_EQ(guion->prompts[0].texto, QStringLiteral("Base de Datos de Microsoft Access |*.MDB"));
    ASSERT_TRUE(db.gCnn && db.gCnn->State() == 1);
    EXPECT_EQ(db.gConnString, QStringLiteral("PROVIDER=Microsoft.Jet.OLEDB.4.0;Data Source =") +
                                  base.carpeta() + QStringLiteral("/LOCAL.db;User Id=;Password=;"));
    // Cancelling the chooser opens nothing.
    DB_Dll otro;
    otro.gProveedor = DB_Dll::pJETOLEDB40();
    otro.OpenLocalADODB();
    EXPECT_FALSE(otro.gCnn && otro.gCnn->State() == 1);
}
