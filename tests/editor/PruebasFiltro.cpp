#include "FiltroAsientos.h"
#include "ImprimirQt.h"
#include <gtest/gtest.h>

TEST(ArmarFiltro, CondicionesEnSuOrden) {
    ParametrosConsulta p;
    EXPECT_EQ(ArmarFiltro(p, MotorBD::SqlServer), QString());
    p.fechaDesde = QStringLiteral(" 01/03/2024 ");
    p.fechaHasta = QStringLiteral("31/03/2024");
    p.tc = QStringLiteral("FC");
    EXPECT_EQ(ArmarFiltro(p, MotorBD::SqlServer),
              QStringLiteral(" And (Fecha >= '20240301' And Fecha <= '20240331') And TC = 'FC'"));
    ParametrosConsulta q;
    q.fechaHasta = QStringLiteral("31/03/2024");
    q.cuentaHasta = QStringLiteral("4");
    EXPECT_EQ(ArmarFiltro(q, MotorBD::Sqlite),
              QStringLiteral(" And Fecha <= '2024-03-31' And Cuenta <= '4'"));
    ParametrosConsulta r;
    r.fechaDesde = QStringLiteral("1/3/24");
    r.cuentaDesde = QStringLiteral("1.1");
    r.cuentaHasta = QStringLiteral("2");
    r.usuario = QStringLiteral(" ana ");
    r.sucursal = QStringLiteral("1");
    r.numero = QStringLiteral("00000010");
    r.letra = QStringLiteral("A");
    r.unegocio = QStringLiteral("1");
    EXPECT_EQ(ArmarFiltro(r, MotorBD::Sqlite),
              QStringLiteral(" And (Fecha >= '2024-03-01') And (Cuenta >= '1.1' And Cuenta <= '2') "
                             "And USUARIO_LOGEADO "
                             "like '%ana%' And SUCURSAL = '1' And NUMERO = '00000010' And LETRA = "
                             "'A' And UNEGOCIO = "
                             "'   1'"));
}

TEST(ArmarFiltro, NadaTecleadoCambiaLaSentencia) {
    ParametrosConsulta p;
    p.cuentaDesde = QStringLiteral("1' OR '1'='1");
    p.usuario = QStringLiteral("%' --");
    p.tc = QStringLiteral("F'C");
    p.fechaDesde = QStringLiteral("1/1/2024'); DROP TABLE MV_ASIENTOS; --");
    EXPECT_EQ(
        ArmarFiltro(p, MotorBD::SqlServer),
        QStringLiteral(
            " And (Fecha >= NULL) And (Cuenta >= '1'' OR ''1''=''1') And USUARIO_LOGEADO like "
            "'%%'' --%' And TC = 'F''C'"));
}

TEST(ConsultaAsientos, LaOrdenQuedaApartadaDelFiltro) {
    const QString q = ConsultaAsientos(QStringLiteral(" And TC = 'FC'"));
    EXPECT_TRUE(q.startsWith(
        QStringLiteral("SELECT FECHA,TC,SUCURSAL, NUMERO, LETRA,MV_ASIENTOS.CUENTA,")));
    EXPECT_TRUE(q.contains(
        QStringLiteral("MV_ASIENTOS.mes_operativo FROM MV_ASIENTOS INNER JOIN MA_CUENTAS ON "
                       "MV_ASIENTOS.CUENTA = MA_CUENTAS.CODIGO  And TC = 'FC' order by TC, "
                       "SUCURSAL, NUMERO , LETRA, MV_ASIENTOS.MES_OPERATIVO, [NUMERO ASIENTO], "
                       "SECUENCIA")));
    // A filter ending in a word (a date that is not one) keeps its blank.
    ParametrosConsulta p;
    p.fechaHasta = QStringLiteral("no es fecha");
    EXPECT_TRUE(ConsultaAsientos(ArmarFiltro(p, MotorBD::SqlServer))
                    .contains(QStringLiteral("Fecha <= NULL order by")));
}

TEST(EsFecha, SoloFechasRealesEnLasFormasDeUnCampo) {
    for (const char* t :
         {"5/3/24", "05/03/2024", " 31/12/2024 ", "29/2/2024", "1-1-2024", "1.1.24", "2024-03-31"})
        EXPECT_TRUE(EsFecha(QString::fromLatin1(t))) << t;
    for (const char* t : {"", "abc", "32/13/2024", "31/4/2024", "29/2/2023", "0/1/2024", "1/1/024",
                          "2024-03-31x", "1/1/2024 OR 1=1"})
        EXPECT_FALSE(EsFecha(QString::fromLatin1(t))) << t;
    ParametrosConsulta p;
    p.fechaDesde = QStringLiteral("1/3/2024");
    p.fechaHasta = QStringLiteral("32/13/2024");
    EXPECT_EQ(CampoConFechaInvalida(p), QStringLiteral("FechaHasta"));
    p.fechaDesde = QStringLiteral("x");
    EXPECT_EQ(CampoConFechaInvalida(p), QStringLiteral("FechaDesde"));
    p = {};
    p.fechaHasta = QStringLiteral("  ");
    EXPECT_EQ(CampoConFechaInvalida(p), QString());
}

TEST(ArmarFiltro, LosCaracteresDeControlNoLleganALaSentencia) {
    ParametrosConsulta p;
    p.tc = QStringLiteral("F") + QChar(0) + QStringLiteral("C");
    p.usuario = QStringLiteral("ana\r\n");
    p.cuentaDesde = QStringLiteral("1\t.1");
    p.fechaDesde = QStringLiteral("1/3/2024") + QChar(0x1B);
    EXPECT_EQ(ArmarFiltro(p, MotorBD::Sqlite),
              QStringLiteral(" And (Fecha >= '2024-03-01') And (Cuenta >= '1.1') And "
                             "USUARIO_LOGEADO like '%ana%' And TC = 'FC'"));
}
