// A real lost link: a PostgreSQL server of the test's own, reached through
// psqlODBC by the program's ODBC path (the one SQL Server takes), stopped in
// the middle of the session and started again while the program reconnects.
// Skipped with a message where the packages are missing, unless
// TARQUEL_EXIGIR_POSTGRES=1 (continuous integration) makes that a failure.
#include "DB_Dll.h"
#include "ReinicioPrueba.h"
#include "ServidorPostgres.h"
#include <QStringList>
#include <functional>
#include <gtest/gtest.h>

namespace {
// The reconnect window of the script, with something that happens at a
// given attempt (the server comes back).
class VentanaConAccion : public VentanaReconexion {
public:
    VentanaConAccion(DialogosGuion& d, int intento, std::function<void()> accion)
        : d_(d), intento_(intento), accion_(std::move(accion)) {}
    void Mostrar(const QString& titulo, const QString& mensaje) override {
        d_.prompts.append({QStringLiteral("reconexion"), mensaje, titulo, 0});
    }
    void Progreso(int porcentaje) override {
        if (porcentaje > 0 && ++intentos_ == intento_ && accion_)
            accion_();
    }
    void ReintentarHabilitado(bool) override {}
    bool Cancelar() const override { return false; }
    bool Reintentar() const override { return false; }
    void LimpiarBanderas() override {}
    void Cerrar() override {}

private:
    DialogosGuion& d_;
    int intento_;
    int intentos_ = 0;
    std::function<void()> accion_;
};

// The scripted side whose reconnect window brings the server back.
class GuionEnlace : public DialogosGuion {
public:
    std::function<void()> enLaVentana;
    std::unique_ptr<VentanaReconexion> Reconexion() override {
        return std::make_unique<VentanaConAccion>(*this, 3, std::exchange(enLaVentana, nullptr));
    }
};

class EnlacePostgres : public ::testing::Test {
protected:
    void SetUp() override {
        if (const auto falta = ServidorPostgres::Falta()) {
            const QString m = QStringLiteral("pérdida real del enlace con PostgreSQL: ") + *falta;
            if (qEnvironmentVariableIntValue("TARQUEL_EXIGIR_POSTGRES") == 1)
                FAIL() << m.toStdString() << " (TARQUEL_EXIGIR_POSTGRES=1)";
            GTEST_SKIP() << m.toStdString() << "; se omite";
        }
        ReiniciarProceso();
        guion = std::make_shared<GuionEnlace>();
        EstablecerDialogos(guion);
        servidor = std::make_unique<ServidorPostgres>();
        ASSERT_TRUE(servidor->Crear()) << servidor->error().toStdString();
        ASSERT_TRUE(servidor->Arrancar()) << servidor->error().toStdString();
        qputenv("TARQUEL_ODBC_DRIVER", "PostgreSQL Unicode");
    }
    void TearDown() override {
        gDB() = DB_Dll(); // the connection goes before its server
        servidor.reset();
        qunsetenv("TARQUEL_ODBC_DRIVER");
    }

    // A statement through the query helpers; the number of rows it changed.
    long ejecutar(const QString& sql) {
        QString s = sql;
        long n = -1;
        gDB().EjecutaConsultaSQL(s, &n);
        EXPECT_TRUE(gDB().gCnn->Errors.isEmpty())
            << sql.toStdString() << ": " << gDB().gCnn->Errors.value(0).Description.toStdString();
        return n;
    }
    QString valor(const QString& sql) {
        Recordset rs;
        gDB().AbrirRecordset(sql, rs);
        if (rs.State() == 0 || rs.Eof())
            return QStringLiteral("(sin filas)");
        return rs.Texto(0);
    }
    QStringList prompts(const char* tipo) const {
        QStringList r;
        for (const PromptRegistrado& p : guion->prompts)
            if (p.tipo == QLatin1String(tipo))
                r << p.titulo + QStringLiteral(" | ") + p.texto;
        return r;
    }

    std::shared_ptr<GuionEnlace> guion;
    std::unique_ptr<ServidorPostgres> servidor;
};
} // namespace

TEST_F(EnlacePostgres, ElServidorSeVaYVuelveSinReiniciarElPrograma) {
    DB_Dll& db = gDB();
    db.gServidor = QStringLiteral("127.0.0.1,") + QString::number(servidor->puerto());
    db.gDBName = db.gUsuario = QStringLiteral("postgres");
    db.OpenServerADODB(false, 3, QString(), false, false);
    ASSERT_TRUE(db.gOpenFlag);
    ASSERT_EQ(db.motor(), MotorBD::SqlServer); // the SQL Server path, over ODBC
    EXPECT_EQ(valor(QStringLiteral("SELECT 1 AS N")), QStringLiteral("1"));
    ejecutar(QStringLiteral("CREATE TABLE PRUEBA_ENLACE (ID INT, NOMBRE VARCHAR(20))"));
    EXPECT_EQ(ejecutar(QStringLiteral("INSERT INTO PRUEBA_ENLACE VALUES (1, 'uno')")), 1);

    // Stopped politely: the next read takes the lost-connection path, the
    // operator asks to reconnect and the window's third attempt finds the
    // server back; the read is repeated on the connection opened again.
    ASSERT_TRUE(servidor->Parar(true)) << servidor->error().toStdString();
    guion->respuestas.enqueue(Respuestas::Si);
    guion->enLaVentana = [&] { ASSERT_TRUE(servidor->Arrancar()); };
    EXPECT_EQ(valor(QStringLiteral("SELECT NOMBRE FROM PRUEBA_ENLACE WHERE ID = 1")),
              QStringLiteral("uno"));
    ASSERT_EQ(prompts("mensaje").size(), 1) << prompts("mensaje").join(u'\n').toStdString();
    EXPECT_TRUE(prompts("mensaje")[0].startsWith(
        QStringLiteral("Conexión a la base de datos | SE PERDIÓ LA CONEXION CON EL SERVIDOR. (") +
        db.gServidor + u')'));
    EXPECT_EQ(prompts("reconexion").size(), 1);
    EXPECT_EQ(db.gCnn->State(), 1);
    EXPECT_EQ(ejecutar(QStringLiteral("INSERT INTO PRUEBA_ENLACE VALUES (2, 'dos')")), 1);

    // Stopped at once: the next write takes the statements' recovery; the
    // server is back when the operator is warned and answers Yes.
    ASSERT_TRUE(servidor->Parar(false)) << servidor->error().toStdString();
    guion->prompts.clear();
    guion->respuestas.enqueue(Respuestas::Si);
    guion->alMostrarMensaje = [&](const PromptRegistrado& p) {
        if (p.titulo == QLatin1String("AVISO AL OPERADOR")) {
            ASSERT_TRUE(servidor->Arrancar());
        }
    };
    EXPECT_EQ(ejecutar(QStringLiteral("INSERT INTO PRUEBA_ENLACE VALUES (3, 'tres')")), 1);
    ASSERT_EQ(prompts("mensaje").size(), 1) << prompts("mensaje").join(u'\n').toStdString();
    EXPECT_TRUE(prompts("mensaje")[0].startsWith(
        QStringLiteral("AVISO AL OPERADOR | \r\n\r\n\r\nSe perdio la conexion con la base de datos "
                       "postgres\r\n Servidor ") +
        db.gServidor));
    EXPECT_EQ(valor(QStringLiteral("SELECT COUNT(*) FROM PRUEBA_ENLACE")), QStringLiteral("3"));
    EXPECT_EQ(prompts("mensaje").size(), 1);
}
