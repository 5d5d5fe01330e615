#include "BaseIngreso.h"
#include "DB_Dll.h"
#include "EsquemasMinimos.h"
#include "IniciarComoAna.h"
#include "Inicio.h"
#include "ParametrosLinea.h"
#include "Programa.h"
#include "Sesion.h"
#include <QFileInfo>
#include <gtest/gtest.h>

TEST(Inicio, SinParametrosPideLaConexionYCancelarTermina) {
    auto guion = ReiniciarProceso();
    CarpetaTemporal programa;
    Programa::EstablecerCarpeta(programa.ruta());
    Programa::EstablecerLineaComando(QString());
    EXPECT_THROW(IniciarAplicacion(), Programa::FinDelPrograma);
    ASSERT_EQ(guion->accesosMostrados.size(), 1);
    EXPECT_TRUE(guion->mensajes().isEmpty()); // cancelling says nothing more
}

TEST(Inicio, SinTimeOutLoCreaEnCeroYUsa45) {
    auto guion = ReiniciarProceso();
    BaseIngreso base;
    base.usuario(QStringLiteral("ANA"), QStringLiteral("demo"));
    base.crear(QStringLiteral("QD_ESTADISTICAS"), kTablaConfiguracion);
    CarpetaTemporal programa;
    IniciarComoAna(base, programa);
    EXPECT_TRUE(gDB().gOpenFlag);
    EXPECT_EQ(sesion().gTimeOut, 45);
    EXPECT_EQ(gDB().gCnn->CommandTimeout, 45);
    Conexion cn;
    cn.Open(QStringLiteral("PROVIDER=SQLOLEDB;Server=") + base.carpeta() +
            QStringLiteral(";Database =QD_ESTADISTICAS;"));
    Recordset rs;
    rs.Open(QStringLiteral("SELECT VALOR, GRUPO FROM TA_CONFIGURACION WHERE CLAVE = 'TIMEOUT'"),
            &cn, 0, 1);
    ASSERT_FALSE(rs.Eof());
    EXPECT_EQ(rs(QStringLiteral("VALOR")).toString(), QStringLiteral("0"));
    EXPECT_EQ(rs(QStringLiteral("GRUPO")).toString(), QStringLiteral("BaseDeDatos"));
    // The session values of the parameter string and the search definitions.
    EXPECT_EQ(sesion().gCaja, QStringLiteral("2"));
    // The password equal to the database name vouched for ANA: her stored one is taken.
    EXPECT_EQ(sesion().gClaveUsuario, QStringLiteral("demo"));
    EXPECT_EQ(QFileInfo(programa.ruta(QStringLiteral("consultas.qdx"))).size(), 11 * 1202);
    EXPECT_TRUE(guion->mensajes().isEmpty());
}

TEST(Inicio, TimeOutDeLaBaseDeEstadisticasYBaseAusente) {
    {
        ReiniciarProceso();
        BaseIngreso base;
        base.usuario(QStringLiteral("ANA"), QStringLiteral("demo"));
        base.crear(QStringLiteral("QD_ESTADISTICAS"),
                   kTablaConfiguracion + QStringLiteral("INSERT INTO TA_CONFIGURACION VALUES "
                                                        "('TIMEOUT','BaseDeDatos','120','',0)"));
        CarpetaTemporal programa;
        IniciarComoAna(base, programa);
        EXPECT_EQ(sesion().gTimeOut, 120);
        EXPECT_EQ(gDB().gCnn->CommandTimeout, 120);
    }
    {
        auto guion = ReiniciarProceso();
        BaseIngreso base;
        base.usuario(QStringLiteral("ANA"), QStringLiteral("demo"));
        CarpetaTemporal programa;
        IniciarComoAna(base, programa); // no statistics database: silent, 45
        EXPECT_TRUE(gDB().gOpenFlag);
        EXPECT_FALSE(gDBEstadisticas().gOpenFlag);
        EXPECT_EQ(sesion().gTimeOut, 45);
        EXPECT_TRUE(guion->mensajes().isEmpty());
    }
}

TEST(Inicio, ArchivoDeConsultasExistenteNoSeToca) {
    ReiniciarProceso();
    BaseIngreso base;
    base.usuario(QStringLiteral("ANA"), QStringLiteral("demo"));
    CarpetaTemporal programa;
    programa.escribir(QStringLiteral("consultas.qdx"), QByteArray());
    IniciarComoAna(base, programa);
    EXPECT_EQ(QFileInfo(programa.ruta(QStringLiteral("consultas.qdx"))).size(), 0);
}
