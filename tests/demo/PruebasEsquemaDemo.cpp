// The schema's SQL Server semantics: text compared without regard to letter
// case, keys, width checks, the filtered twins, the demo user and settings,
// and the indexes the entry query relies on.
#include "BaseDemoCompartida.h"
#include "UtilGeneral.h"

using EsquemaDemo = BaseDemoCompartida;

TEST_F(EsquemaDemo, LosTextosSeComparanSinDistinguirMayusculas) {
    EXPECT_EQ(db.texto("SELECT Codigo FROM MA_CUENTAS WHERE CodigoOpcional = 'caja'"),
              QStringLiteral("1.1.01.001"));
    EXPECT_EQ(db.texto("SELECT Codigo FROM MA_CUENTAS WHERE Codigo = '1.1.02.001' AND "
                       "TipoVista = 'cl'"),
              QStringLiteral("1.1.02.001"));
    EXPECT_EQ(db.numero("SELECT count(*) FROM TA_USUARIOS WHERE Nombre = 'ana' AND "
                        "(SISTEMA = 'CN000PR' OR SISTEMA = 'brev')"),
              1);
    EXPECT_EQ(db.texto("SELECT VALOR FROM ta_configuracion WHERE CLAVE = 'CFondo'"),
              QStringLiteral("16774118"));
    // The entry query's join and filters with a voucher type typed in lower case.
    EXPECT_EQ(db.numero("SELECT count(*) FROM MV_ASIENTOS INNER JOIN MA_CUENTAS ON "
                        "MV_ASIENTOS.CUENTA = MA_CUENTAS.CODIGO And TC = 'fc'"),
              db.numero("SELECT count(*) FROM MV_ASIENTOS WHERE TC = 'FC'"));
    EXPECT_GT(db.numero("SELECT count(*) FROM MV_ASIENTOS WHERE USUARIO_LOGEADO LIKE '%perez%'"),
              0);
}

TEST_F(EsquemaDemo, ElUsuarioDemoEsAdministradorConClaveDemo) {
    const QStringList fila =
        db.texto("SELECT PassWord, Administrador, SISTEMA FROM TA_USUARIOS WHERE Nombre = 'ANA'")
            .split(QLatin1Char('|'));
    ASSERT_EQ(fila.size(), 3);
    EXPECT_NE(fila[0], QStringLiteral("demo"));
    EXPECT_EQ(UtilGeneral::Desencriptar(fila[0]), QStringLiteral("demo"));
    EXPECT_EQ(fila[1], QStringLiteral("1"));
    EXPECT_EQ(fila[2], QStringLiteral("cn000pr"));
    EXPECT_GT(db.numero("SELECT count(*) FROM TA_TAREAS INNER JOIN TA_MENU ON TA_TAREAS.TAREA = "
                        "TA_MENU.Clave WHERE TA_TAREAS.USUARIO = 'ANA' AND TA_MENU.Proceso "
                        "LIKE '%tarquel%'"),
              0);
    EXPECT_EQ(
        db.numero("SELECT count(*) FROM TA_USUARIOS WHERE SISTEMA NOT IN ('cn000pr', 'BREV')"), 1);
}

TEST_F(EsquemaDemo, LaConfiguracionTraeLosValoresDeLaSesion) {
    const auto valor = [&](const char* clave) {
        return db.texto(std::string("SELECT VALOR FROM TA_CONFIGURACION WHERE CLAVE = '") + clave +
                        "'");
    };
    EXPECT_EQ(valor("SS_CONFIDENCIALIDAD"), QStringLiteral("NO"));
    EXPECT_EQ(valor("CantidadDecimales"), QStringLiteral("2"));
    EXPECT_NE(valor("CFondo"), valor("CLetra"));
    ConsultaSqlite estadisticas(archivo(QStringLiteral("QD_ESTADISTICAS.db")));
    EXPECT_EQ(estadisticas.texto("SELECT VALOR FROM TA_CONFIGURACION WHERE CLAVE = 'TimeOut' "
                                 "AND GRUPO = 'BaseDeDatos'"),
              QStringLiteral("45"));
    EXPECT_EQ(db.texto("SELECT Descripcion FROM V_TA_Cajas WHERE LTRIM(RTRIM(IdCajas)) = '1'"),
              QStringLiteral("Caja central"));
}

TEST_F(EsquemaDemo, LosGemelosFiltradosOcultanLoConfidencialYSeActualizan) {
    const std::int64_t confidenciales = db.numero(
        "SELECT count(*) FROM MV_ASIENTOS WHERE CUENTA IN (SELECT Codigo FROM MA_CUENTAS WHERE "
        "Confidencial = 1)");
    ASSERT_GT(confidenciales, 0);
    EXPECT_EQ(db.numero("SELECT count(*) FROM SS_MV_ASIENTOS"),
              db.numero("SELECT count(*) FROM MV_ASIENTOS") - confidenciales);
    EXPECT_EQ(db.numero("SELECT count(*) FROM SS_MA_CUENTAS WHERE Confidencial = 1"), 0);
    EXPECT_EQ(db.numero("SELECT count(*) FROM SS_V_TA_CAJAS"),
              db.numero("SELECT count(*) FROM V_TA_Cajas WHERE Confidencial = 0"));

    // The account replacement written for MV_ASIENTOS and sent to the twin.
    CarpetaTemporal copia;
    QString error;
    ASSERT_TRUE(GenerarDemo(copia.ruta(), QStringLiteral("DEMO"), 400, &error))
        << error.toStdString();
    ConsultaSqlite base(copia.ruta(QStringLiteral("DEMO.db")));
    const std::int64_t origen =
        base.numero("SELECT count(*) FROM MV_ASIENTOS WHERE CUENTA = '5.1.01.002'");
    ASSERT_GT(origen, 0);
    ASSERT_TRUE(base.ejecutar("UPDATE SS_MV_ASIENTOS SET CUENTA = '5.1.01.003' where "
                              "(CUENTA = '5.1.01.002')  And (Fecha >= '2024-01-01' And "
                              "Fecha <= '2024-12-31')",
                              &error))
        << error.toStdString();
    EXPECT_EQ(base.numero("SELECT count(*) FROM MV_ASIENTOS WHERE CUENTA = '5.1.01.002'"), 0);
    EXPECT_EQ(base.numero("SELECT count(*) FROM MV_ASIENTOS"), 400);
}

TEST_F(EsquemaDemo, ElEsquemaSirveParaArmarBasesDePrueba) {
    CarpetaTemporal carpeta;
    const QString archivoPrueba = carpeta.ruta(QStringLiteral("prueba.db"));
    QString error;
    ASSERT_TRUE(EjecutarEsquema(archivoPrueba, EsquemaPrincipal(), &error)) << error.toStdString();
    ConsultaSqlite base(archivoPrueba);
    EXPECT_EQ(base.numero("SELECT count(*) FROM MV_ASIENTOS"), 0);

    // Keys compare without regard to letter case, as on SQL Server.
    ASSERT_TRUE(base.ejecutar("INSERT INTO TA_CONFIGURACION (CLAVE, GRUPO, VALOR) VALUES "
                              "('TIMEOUT', 'BaseDeDatos', '45')"));
    EXPECT_FALSE(base.ejecutar("INSERT INTO TA_CONFIGURACION (CLAVE, GRUPO, VALOR) VALUES "
                               "('TimeOut', 'basededatos', '10')"));
    EXPECT_FALSE(base.ejecutar("INSERT INTO MA_CUENTAS (Codigo, Descripcion) VALUES "
                               "('1234567890123456', 'Demasiado larga')",
                               &error));
    EXPECT_TRUE(error.contains(QStringLiteral("LONGITUD_"))) << error.toStdString();
    EXPECT_FALSE(base.ejecutar(
        "INSERT INTO AUX_ERR (Descripcion) VALUES ('" + std::string(251, 'x') + "')", &error));
    EXPECT_TRUE(error.contains(QStringLiteral("LONGITUD_AUX_ERR"))) << error.toStdString();

    EXPECT_TRUE(EjecutarEsquema(carpeta.ruta(QStringLiteral("estadisticas.db")),
                                EsquemaEstadisticas(), &error));
    EXPECT_FALSE(EjecutarEsquema(carpeta.ruta(QStringLiteral("mala.db")),
                                 QStringLiteral("CREATE TABLA X (A)"), &error));
    EXPECT_FALSE(error.isEmpty());
}

TEST_F(EsquemaDemo, LaConsultaDeAsientosUsaElIndiceDeComprobantes) {
    const QString plan =
        db.filas("EXPLAIN QUERY PLAN SELECT FECHA,TC,SUCURSAL, NUMERO, LETRA,MV_ASIENTOS.CUENTA,"
                 "MA_CUENTAS.DESCRIPCION,MV_ASIENTOS.[DEBE-HABER],MV_ASIENTOS.IMPORTE "
                 "FROM MV_ASIENTOS INNER JOIN MA_CUENTAS ON MV_ASIENTOS.CUENTA = MA_CUENTAS.CODIGO "
                 "order by TC, SUCURSAL, NUMERO , LETRA, MV_ASIENTOS.MES_OPERATIVO, "
                 "[NUMERO ASIENTO], SECUENCIA")
            .join(QLatin1Char('\n'));
    EXPECT_TRUE(plan.contains(QStringLiteral("IX_MV_ASIENTOS_COMPROBANTE"))) << plan.toStdString();
    EXPECT_FALSE(plan.contains(QStringLiteral("TEMP B-TREE"))) << plan.toStdString();

    const QString clave =
        db.filas("EXPLAIN QUERY PLAN SELECT * FROM MV_ASIENTOS Where  CUENTA='1.1.01.001' AND "
                 "PERIODO='2024' AND MES_OPERATIVO='3' AND SECUENCIA='2' AND TIPO_REG='1' AND "
                 "[NUMERO ASIENTO]='120' and TC= 'RC' and sucursal= '0001' and numero = "
                 "'00000001' and letra= 'X'")
            .join(QLatin1Char('\n'));
    EXPECT_TRUE(clave.contains(QStringLiteral("SECUENCIA=?"))) << clave.toStdString();
}
