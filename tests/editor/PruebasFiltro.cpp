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

TEST(ConsultaAsientos, UneLasPartesSinSeparador) {
    const QString q = ConsultaAsientos(QStringLiteral(" And TC = 'FC'"));
    EXPECT_TRUE(q.startsWith(
        QStringLiteral("SELECT FECHA,TC,SUCURSAL, NUMERO, LETRA,MV_ASIENTOS.CUENTA,")));
    EXPECT_TRUE(q.contains(
        QStringLiteral("MV_ASIENTOS.mes_operativo FROM MV_ASIENTOS INNER JOIN MA_CUENTAS ON "
                       "MV_ASIENTOS.CUENTA = MA_CUENTAS.CODIGO  And TC = 'FC'order by TC, "
                       "SUCURSAL, NUMERO , LETRA, MV_ASIENTOS.MES_OPERATIVO, [NUMERO ASIENTO], "
                       "SECUENCIA")));
}
