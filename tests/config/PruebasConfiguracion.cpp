#include "BaseDePrueba.h"
#include "Configuracion.h"
#include "DB_Dll.h"
#include "EsquemasMinimos.h"
#include "Sesion.h"
#include <gtest/gtest.h>

namespace {
class Configuracion : public ::testing::Test {
protected:
    void SetUp() override {
        guion = ReiniciarProceso();
        base = std::make_unique<BaseDePrueba>(QStringLiteral("PRUEBA"), kTablaConfiguracion);
        base->conectar(gDB());
        sesion().gTablaConfiguracion = QStringLiteral("ta_configuracion");
    }
    void fila(const char* clave, const char* grupo, const char* valor, const char* aux = "") {
        base->ejecutar(QStringLiteral("INSERT INTO TA_CONFIGURACION VALUES ('%1','%2','%3','%4',0)")
                           .arg(QString::fromUtf8(clave), QString::fromUtf8(grupo),
                                QString::fromUtf8(valor), QString::fromUtf8(aux)));
    }
    QString valor(const char* clave, const char* grupo) {
        return base->valor(
            QStringLiteral("SELECT VALOR FROM TA_CONFIGURACION WHERE CLAVE='%1' AND GRUPO='%2'")
                .arg(QString::fromUtf8(clave), QString::fromUtf8(grupo)));
    }
    std::shared_ptr<DialogosGuion> guion;
    std::unique_ptr<BaseDePrueba> base;
};
} // namespace

TEST_F(Configuracion, LecturasConYSinGrupo) {
    fila("COLOR", "PANTALLA", "azul", "aux1");
    fila("COLOR", "IMPRESORA", "negro");
    QString aux = QStringLiteral("sin tocar");
    EXPECT_EQ(LeerCfg(QStringLiteral("NoHay"), aux), QStringLiteral(" "));
    EXPECT_EQ(aux, QString());
    EXPECT_EQ(LeerCfg(QStringLiteral(" color "), aux, QStringLiteral("IMPRESORA")),
              QStringLiteral("negro"));
    EXPECT_EQ(LeerCfg(QStringLiteral("color"), aux, QStringLiteral("pantalla")),
              QStringLiteral("azul"));
    EXPECT_EQ(aux, QStringLiteral("aux1"));
    const QString cualquiera = LeerCfg(QStringLiteral("COLOR"));
    EXPECT_TRUE(cualquiera == QStringLiteral("azul") || cualquiera == QStringLiteral("negro"));
    EXPECT_EQ(LeerCfg(QStringLiteral("Theme")), QStringLiteral("1"));
    fila("THEME", "DATOS", "  ");
    EXPECT_EQ(LeerCfg(QStringLiteral("theme")), QStringLiteral("1"));
    // A key with an apostrophe is looked up, not run.
    EXPECT_EQ(LeerCfg(QStringLiteral("x' OR '1'='1")), QStringLiteral(" "));
    EXPECT_TRUE(guion->prompts.isEmpty());
    gDB().gOpenFlag = false;
    EXPECT_EQ(LeerCfg(QStringLiteral("COLOR")), QString());
}

TEST_F(Configuracion, EscriturasRecortanYBorran) {
    GrabaCfg(QStringLiteral(" nueva "), QStringLiteral("  valor  "), QString(), true,
             QStringLiteral("G1"), true, false);
    EXPECT_EQ(valor("NUEVA", "G1"), QStringLiteral("valor"));
    EXPECT_EQ(base->valor(QStringLiteral(
                  "SELECT PoliticaNegocio FROM TA_CONFIGURACION WHERE CLAVE='NUEVA'")),
              QStringLiteral("1"));
    GrabaCfg(QStringLiteral("NUEVA"), QStringLiteral(" otro "), QStringLiteral(" aux "), false,
             QStringLiteral("G1"), false, false);
    EXPECT_EQ(valor("NUEVA", "G1"), QStringLiteral(" otro "));
    EXPECT_EQ(
        base->valor(QStringLiteral("SELECT ValorAux FROM TA_CONFIGURACION WHERE CLAVE='NUEVA'")),
        QStringLiteral(" aux "));
    EXPECT_EQ(base->filas(QStringLiteral("SELECT * FROM TA_CONFIGURACION")), 1);
    GrabaCfg(QStringLiteral("NUEVA"), QString(), QString(), false, QStringLiteral("G1"), true,
             true);
    EXPECT_EQ(base->filas(QStringLiteral("SELECT * FROM TA_CONFIGURACION")), 0);
    // Deleting a key that is not there adds it.
    GrabaCfg(QStringLiteral("FALTABA"), QStringLiteral("v"), QString(), false,
             QStringLiteral("DATOS"), true, true);
    EXPECT_EQ(valor("FALTABA", "DATOS"), QStringLiteral("v"));
    EXPECT_TRUE(guion->prompts.isEmpty());
}

TEST_F(Configuracion, ColoresDeLaSesionYSuReparacion) {
    const struct {
        const char* fondo;
        const char* letra;
        std::uint32_t colorFondo;
        std::uint32_t colorLetra;
        bool reescribe;
    } casos[] = {
        {nullptr, nullptr, 0xFFF3E6, 0, true}, {"16776960", "0", 0xFFF3E6, 0, false},
        {"255", "255", 0xFFF3E6, 255, true},   {"0", "255", 0xE5FCFF, 255, false},
        {"8421504", "0", 8421504, 0, false},
    };
    for (const auto& c : casos) {
        base->ejecutar(QStringLiteral("DELETE FROM TA_CONFIGURACION"));
        if (c.fondo) {
            fila("CFONDO", "DATOS", c.fondo);
            fila("CLETRA", "DATOS", c.letra);
        }
        CargarConfiguracionSesion();
        EXPECT_EQ(sesion().gColorFondo, c.colorFondo) << (c.fondo ? c.fondo : "vacía");
        EXPECT_EQ(sesion().gColorLetra, c.colorLetra) << (c.fondo ? c.fondo : "vacía");
        const QString fondo =
            base->valor(QStringLiteral("SELECT VALOR FROM TA_CONFIGURACION WHERE CLAVE='CFONDO'"));
        EXPECT_EQ(fondo == QStringLiteral("16774118"), c.reescribe) << fondo.toStdString();
        if (c.reescribe) {
            EXPECT_EQ(base->valor(QStringLiteral(
                          "SELECT VALOR FROM TA_CONFIGURACION WHERE CLAVE='CLETRA'")),
                      QStringLiteral("0"));
        }
    }
    EXPECT_EQ(sesion().gTablaConfiguracion, QStringLiteral("ta_configuracion"));
}

TEST_F(Configuracion, BanderasQueValenSI) {
    fila("SS_CONFIDENCIALIDAD", "DATOS", "si");
    fila("UTILIZARFECHADIA", "DATOS", "SI ");
    fila("CantidadDecimales", "DATOS", "2");
    CargarConfiguracionSesion();
    EXPECT_TRUE(sesion().gConfidencialidad);
    EXPECT_FALSE(sesion().gUtilizarFechaDia);
    EXPECT_EQ(sesion().gCantidadDecimales, QStringLiteral("2"));
    base->ejecutar(
        QStringLiteral("DELETE FROM TA_CONFIGURACION WHERE CLAVE = 'CantidadDecimales'"));
    CargarConfiguracionSesion();
    EXPECT_EQ(sesion().gCantidadDecimales, QStringLiteral(" "));
}

TEST_F(Configuracion, BaseDeEstadisticas) {
    base->crear(QStringLiteral("QD_ESTADISTICAS"), kTablaConfiguracion);
    DB_Dll& e = gDBEstadisticas();
    e.gServidor = base->carpeta();
    e.gDBName = e.gUsuario = e.gUserPassWord = QStringLiteral("QD_ESTADISTICAS");
    e.OpenServerADODB(false, 3, QString(), true, false);
    ASSERT_TRUE(e.gOpenFlag);
    QString aux;
    EXPECT_EQ(CfgQD(QStringLiteral("TimeOut"), aux), QStringLiteral(" "));
    GrabaCfgQD(QStringLiteral("TimeOut"), 0, QString(), false, QStringLiteral("BaseDeDatos"), true);
    EXPECT_EQ(CfgQD(QStringLiteral("timeout"), aux), QStringLiteral("0"));
    GrabaCfgQD(QStringLiteral("TimeOut"), 90, QString(), false, QStringLiteral("BaseDeDatos"),
               true);
    EXPECT_EQ(CfgQD(QStringLiteral("TIMEOUT"), aux), QStringLiteral("90"));
}

TEST_F(Configuracion, UnaLecturaFallidaSeInformaUnaSolaVez) {
    // The read fails in AbrirRecordset, which shows it; the closed result set
    // is not shown again as "(3704) ...".
    base->ejecutar(QStringLiteral("DROP TABLE TA_CONFIGURACION"));
    guion->respuestas.enqueue(Respuestas::Abortar);
    EXPECT_EQ(LeerCfg(QStringLiteral("COLOR")), QString());
    ASSERT_EQ(guion->mensajes().size(), 1);
    EXPECT_TRUE(guion->mensajes()[0].contains(QStringLiteral("no such table")));
    // Ignore in AbrirRecordset goes on without a result set: the same.
    guion->respuestas.enqueue(Respuestas::Ignorar);
    EXPECT_EQ(LeerCfg(QStringLiteral("COLOR"), QStringLiteral("PANTALLA")), QString());
    EXPECT_EQ(guion->mensajes().size(), 2);
}
