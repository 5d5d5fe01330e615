// The program entry log and the action audit log on a real database: the
// rows written, the task looked up, the server clock and its fallbacks, and
// a database that can be read but not written.
#include "BaseIngreso.h"
#include "Configuracion.h"
#include "ContratoErrores.h"
#include "DB_Dll.h"
#include "ImprimirQt.h"
#include "InfoSistema.h"
#include "RegistroAcciones.h"
#include "RegistroIngreso.h"
#include "Sesion.h"
#include <QDateTime>
#include <cstdlib>
#include <gtest/gtest.h>

namespace {
class Registros : public ::testing::Test {
protected:
    void SetUp() override {
        guion = ReiniciarProceso();
        base.conectar(gDB());
        sesion().gUsuarioLogeado = QStringLiteral("Ana");
    }
    // The columns of the only Control_Acceso row, separated by "|".
    QString ingreso() const {
        EXPECT_EQ(base.filas(QStringLiteral("SELECT * FROM Control_Acceso")), 1);
        return base.valor(QStringLiteral(
            "SELECT Maquina || '|' || Usuario || '|' || Formulario || '|' || Tarea || '|' || "
            "NombreUsuario FROM Control_Acceso"));
    }
    QString equipo() const { return InfoSistema::NombreEquipo().trimmed().toUpper(); }
    void fallidoAlLogin() const {
        QString complemento;
        RegistrarAccion(QString(), QString(), complemento, true, false,
                        QStringLiteral("Intento de inicio de sesion fallido"), QString(), false);
        EXPECT_EQ(complemento, QStringLiteral("0"));
    }

    std::shared_ptr<DialogosGuion> guion;
    BaseIngreso base;
};
} // namespace

TEST_F(Registros, IngresoConLaTareaDelMenu) {
    // The process name with more characters around it in the menu entry.
    base.tarea(QStringLiteral("ANA"), QStringLiteral("CN0510"),
               QStringLiteral("Modificación de Imputación"), QStringLiteral("C:\\QD\\tarquel.exe"));
    base.tarea(QStringLiteral("JPEREZ"), QStringLiteral("CN0520"), QStringLiteral("Otra"),
               QStringLiteral("tarquel"));
    const QDateTime antes = QDateTime::currentDateTime();
    RegistrarIngreso(QString());
    EXPECT_EQ(ingreso(), equipo() + QStringLiteral("|ANA|TARQUEL|MODIFICACIÓN DE IMPUTACIÓN|Ana"));
    const QString hora = base.valor(QStringLiteral("SELECT Ingreso FROM Control_Acceso"));
    EXPECT_TRUE(hora == antes.toString(QStringLiteral("dd/MM/yy HH:mm")) ||
                hora == QDateTime::currentDateTime().toString(QStringLiteral("dd/MM/yy HH:mm")))
        << hora.toStdString();
    EXPECT_TRUE(guion->prompts.isEmpty());
}

TEST_F(Registros, IngresoSinTareaYConElLoginDeLaBase) {
    base.tarea(QStringLiteral("JPEREZ"), QStringLiteral("CN0510"), QStringLiteral("Otra"),
               QStringLiteral("tarquel"));
    RegistrarIngreso(QString());
    EXPECT_EQ(ingreso(), equipo() + QStringLiteral("|ANA|TARQUEL||Ana"));
    base.ejecutar(QStringLiteral("DELETE FROM Control_Acceso"));
    // No session user yet: the database login is recorded, the program as its task.
    sesion().gUsuarioLogeado.clear();
    RegistrarIngreso(QStringLiteral("Otro Proceso"));
    EXPECT_EQ(ingreso(), equipo() + QStringLiteral("|CONTA|OTRO PROCESO|TARQUEL|CONTA"));
    EXPECT_TRUE(guion->prompts.isEmpty());
}

TEST_F(Registros, ApostrofoEnElNombreDelUsuario) {
    // The task lookup finds the user's own row; the row is written without
    // apostrophes, and the session's value loses them too.
    base.tarea(QStringLiteral("O'Brien"), QStringLiteral("CN0510"), QStringLiteral("Asientos"),
               QStringLiteral("tarquel"));
    sesion().gUsuarioLogeado = QStringLiteral("O'Brien");
    RegistrarIngreso(QString());
    EXPECT_EQ(ingreso(), equipo() + QStringLiteral("|OBRIEN|TARQUEL|ASIENTOS|OBrien"));
    EXPECT_EQ(sesion().gUsuarioLogeado, QStringLiteral("OBrien"));
}

TEST_F(Registros, IngresoRechazadoSeMuestraYQuedaEnAuxErr) {
    base.ejecutar(QStringLiteral("DROP TABLE Control_Acceso"));
    RegistrarIngreso(QString());
    ASSERT_EQ(guion->prompts.size(), 1);
    EXPECT_EQ(guion->prompts[0].titulo, QStringLiteral("Aviso al Operador!"));
    EXPECT_TRUE(guion->prompts[0].texto.startsWith(QStringLiteral("208 : no such table")));
    EXPECT_EQ(base.filas(QStringLiteral("SELECT * FROM AUX_ERR WHERE sql LIKE '%Control_Acceso%' "
                                        "AND Error = 208")),
              1);
}

TEST_F(Registros, BaseQueNoSePuedeEscribirSeSaltaSinMensaje) {
    IgnorandoErrores([] { gDB().gCnn->Execute(QStringLiteral("PRAGMA query_only=1")); });
    RegistrarIngreso(QString());
    fallidoAlLogin();
    EXPECT_TRUE(guion->prompts.isEmpty());
    EXPECT_EQ(base.filas(QStringLiteral("SELECT * FROM Control_Acceso")), 0);
    EXPECT_EQ(base.filas(QStringLiteral("SELECT * FROM V_MV_CPTEACCIONES")), 0);
    EXPECT_EQ(base.filas(QStringLiteral("SELECT * FROM AUX_ERR")), 0);
}

TEST_F(Registros, AccionDeIntentoFallido) {
    sesion().gParametroAdicional = QString(300, u'x');
    const QDateTime antes = QDateTime::currentDateTime().addSecs(-1);
    fallidoAlLogin();
    ASSERT_EQ(base.filas(QStringLiteral("SELECT * FROM V_MV_CPTEACCIONES")), 1);
    EXPECT_EQ(base.valor(QStringLiteral(
                  "SELECT '[' || TC || ']' || IdComprobante || '|' || IdComplemento || '|' || "
                  "Tipo_accion || '|' || Usuario || '|' || SYSTEMUSER || '|' || ProcesoLote || "
                  "'|' || Cuenta FROM V_MV_CPTEACCIONES")),
              QStringLiteral("[    ]|0|A|Ana|Intento de inicio de sesion fallido||"));
    const QString proceso = base.valor(QStringLiteral("SELECT Proceso FROM V_MV_CPTEACCIONES"));
    EXPECT_EQ(proceso, QStringLiteral("tarquel ") + QString(247, u'x'));
    const QDateTime fecha =
        QDateTime::fromString(base.valor(QStringLiteral("SELECT FECHAHORA FROM V_MV_CPTEACCIONES")),
                              QStringLiteral("dd/MM/yyyy HH:mm:ss"));
    EXPECT_GE(fecha, antes);
    EXPECT_LE(fecha, QDateTime::currentDateTime());
    EXPECT_EQ(base.valor(QStringLiteral("SELECT PC FROM V_MV_CPTEACCIONES")),
              InfoSistema::NombreEquipo());
}

TEST_F(Registros, TiposDeAccionYValoresRecortados) {
    QString complemento = QStringLiteral("3");
    const auto tipo = [&](bool alta, bool modificacion, bool error) {
        base.ejecutar(QStringLiteral("DELETE FROM V_MV_CPTEACCIONES"));
        RegistrarAccion(QStringLiteral(" FC "), QStringLiteral("0001-00000001"), complemento, alta,
                        modificacion, QString(300, u'd'), QStringLiteral(" 1.1.01.001.0001.99 "),
                        error);
        return base.valor(QStringLiteral("SELECT Tipo_accion FROM V_MV_CPTEACCIONES"));
    };
    EXPECT_EQ(tipo(true, true, true), QStringLiteral("ER"));
    EXPECT_EQ(tipo(true, true, false), QStringLiteral("A"));
    EXPECT_EQ(tipo(false, true, false), QStringLiteral("M"));
    EXPECT_EQ(tipo(false, false, false), QStringLiteral("B"));
    EXPECT_EQ(base.valor(QStringLiteral("SELECT '[' || TC || ']' || IdComplemento || '|' || "
                                        "length(SYSTEMUSER) || '|' || Cuenta FROM "
                                        "V_MV_CPTEACCIONES")),
              QStringLiteral("[  FC]3|255|1.1.01.001.0001"));
}

TEST_F(Registros, RelojDelServidorYSusReemplazos) {
    const QDateTime servidor = FechaServidor();
    EXPECT_EQ(servidor.time().msec(), 0);
    EXPECT_LE(std::llabs(servidor.secsTo(QDateTime::currentDateTime())), 2);

    // No answer from the server, the operation date in use: its last day.
    base.ejecutar(QStringLiteral("INSERT INTO TA_CONFIGURACION (CLAVE, GRUPO, VALOR) VALUES "
                                 "('FECHAOPERHASTA', 'DATOS', '31/12/2024')"));
    sesion().gTablaConfiguracion = QStringLiteral("ta_configuracion");
    sesion().gUtilizarFechaDia = true;
    FalloInyectado f;
    f.operacion = FalloInyectado::Operacion::Consultar;
    f.numero = CodigosError::ErrorComando;
    gDB().gCnn->InyectarFallo(f);
    EXPECT_EQ(FechaServidor(), QDateTime(QDate(2024, 12, 31), QTime(0, 0)));

    // Without the operation date: the workstation's clock.
    sesion().gUtilizarFechaDia = false;
    gDB().gCnn->InyectarFallo(f);
    EXPECT_LE(std::llabs(FechaServidor().secsTo(QDateTime::currentDateTime())), 2);
}
