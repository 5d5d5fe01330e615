// The login at start-up, through the scripted access window, on real
// databases: the suite's marker, three attempts and their audit rows, the
// end of the process, the reconnection to another database, and that only a
// validated user reaches the entry log and the main window.
#include "BaseIngreso.h"
#include "DB_Dll.h"
#include "ImprimirQt.h"
#include "Inicio.h"
#include "ParametrosLinea.h"
#include "Programa.h"
#include "Sesion.h"
#include <gtest/gtest.h>

namespace {
const QString kPrimerFallo =
    QStringLiteral("El usuario o clave en la base de datos es incorrecto!\r\nIntentelo nuevamente");
const QString kFallo = QStringLiteral("Usuario o Clave incorrecta");
const QString kDemasiados = QStringLiteral(
    "Demasiados intentos para iniciar sesión!\r\nComuniquese con el administrador de sistemas");

class Login : public ::testing::Test {
protected:
    void SetUp() override {
        guion = ReiniciarProceso();
        base.usuario(QStringLiteral("ANA"), QStringLiteral("demo"), QStringLiteral("cn000pr"),
                     true);
        Programa::EstablecerCarpeta(programa.ruta());
    }
    // Starts the program as the suite's menu does, for usuario with clave.
    void iniciar(const QString& usuario, const QString& clave) {
        Programa::EstablecerLineaComando(CadenaLanzador(QStringLiteral("sqlite/") + base.carpeta(),
                                                        base.nombre(), usuario, clave, QString(),
                                                        usuario, QStringLiteral("1")));
        IniciarAplicacion();
    }
    DatosAcceso tecleado(const QString& usuario, const QString& clave,
                         const QString& baseDatos = QStringLiteral("CONTA")) const {
        return DatosAcceso{baseDatos, base.carpeta(), usuario, clave, 0};
    }
    int filas(const char* sql, const QString& en = {}) const {
        if (en.isEmpty())
            return base.filas(QString::fromUtf8(sql));
        Conexion cn;
        cn.Open(QStringLiteral("PROVIDER=SQLOLEDB;Server=") + base.carpeta() +
                QStringLiteral(";Database =") + en + u';');
        Recordset rs;
        rs.Open(QString::fromUtf8(sql), &cn, 0, 1);
        int n = 0;
        for (; !rs.Eof(); rs.MoveNext())
            ++n;
        return n;
    }

    std::shared_ptr<DialogosGuion> guion;
    BaseIngreso base;
    CarpetaTemporal programa;
};
} // namespace

TEST_F(Login, ElMenuDelSistemaRespondePorElUsuario) {
    iniciar(QStringLiteral("ana"), QStringLiteral("CONTA"));
    EXPECT_TRUE(guion->prompts.isEmpty());
    EXPECT_EQ(sesion().gClaveUsuario, QStringLiteral("demo"));
    EXPECT_TRUE(gDB().gEsAdmin);
    EXPECT_EQ(filas("SELECT * FROM Control_Acceso WHERE Usuario = 'ANA'"), 1);
    // One row per start.
    ReiniciarProceso();
    Programa::EstablecerCarpeta(programa.ruta());
    iniciar(QStringLiteral("ANA"), QStringLiteral("CONTA"));
    EXPECT_EQ(filas("SELECT * FROM Control_Acceso"), 2);
}

TEST_F(Login, TresIntentosFallidosTerminanElProceso) {
    guion->accesos.enqueue(tecleado(QStringLiteral("ANA"), QStringLiteral("mala")));
    guion->accesos.enqueue(tecleado(QStringLiteral("INTRUSO"), QStringLiteral("demo")));
    guion->accesos.enqueue(tecleado(QStringLiteral("ANA"), QStringLiteral("")));
    EXPECT_THROW(iniciar(QStringLiteral("INTRUSO"), QStringLiteral("cualquiera")),
                 Programa::FinDelPrograma);
    EXPECT_EQ(guion->mensajes(), QStringList({kPrimerFallo, kFallo, kFallo, kFallo, kDemasiados}));
    EXPECT_EQ(guion->prompts[0].titulo, QStringLiteral("Atencion!"));
    EXPECT_EQ(guion->prompts[0].estilo, EstilosMensaje::Critico);
    EXPECT_EQ(guion->prompts[2].titulo, QStringLiteral("Atencion"));
    EXPECT_EQ(guion->prompts[2].estilo, EstilosMensaje::Informacion);
    EXPECT_EQ(guion->prompts.last().titulo, QStringLiteral("Atencion!"));
    // The window opens with the connection and what was tried last.
    ASSERT_EQ(guion->accesosMostrados.size(), 3);
    EXPECT_EQ(guion->accesosMostrados[0].usuario, QStringLiteral("INTRUSO"));
    EXPECT_EQ(guion->accesosMostrados[0].clave, QStringLiteral("cualquiera"));
    EXPECT_EQ(guion->accesosMostrados[0].baseDatos, QStringLiteral("CONTA"));
    EXPECT_EQ(guion->accesosMostrados[0].servidor, base.carpeta());
    EXPECT_EQ(guion->accesosMostrados[1].usuario, QStringLiteral("ANA"));
    // One audit row per attempt in the window, none for the first check.
    EXPECT_EQ(filas("SELECT * FROM V_MV_CPTEACCIONES WHERE TC = '    ' AND Tipo_accion = 'A' AND "
                    "SYSTEMUSER = 'Intento de inicio de sesion fallido'"),
              3);
    EXPECT_EQ(filas("SELECT * FROM V_MV_CPTEACCIONES WHERE Usuario = 'INTRUSO'"), 1);
    EXPECT_EQ(filas("SELECT * FROM Control_Acceso"), 0);
}

TEST_F(Login, CancelarLaVentanaTerminaSinMasMensajes) {
    guion->accesos.enqueue(std::nullopt);
    EXPECT_THROW(iniciar(QStringLiteral("ANA"), QStringLiteral("mala")), Programa::FinDelPrograma);
    EXPECT_EQ(guion->mensajes(), QStringList{kPrimerFallo});
    EXPECT_EQ(filas("SELECT * FROM V_MV_CPTEACCIONES"), 0);
    EXPECT_EQ(filas("SELECT * FROM Control_Acceso"), 0);
}

TEST_F(Login, ElSegundoIntentoEntraConLaClaveEnOtrasMayusculas) {
    guion->accesos.enqueue(tecleado(QStringLiteral("ANA"), QStringLiteral("mala")));
    guion->accesos.enqueue(tecleado(QStringLiteral("ana"), QStringLiteral("DEMO"), "conta"));
    iniciar(QStringLiteral("ANA"), QStringLiteral("* *x"));
    EXPECT_EQ(guion->mensajes(), QStringList({kPrimerFallo, kFallo}));
    EXPECT_EQ(sesion().gUsuarioLogeado, QStringLiteral("ana"));
    EXPECT_EQ(gDB().gDBName, QStringLiteral("CONTA")); // letter case alone does not reconnect
    EXPECT_EQ(filas("SELECT * FROM V_MV_CPTEACCIONES"), 1);
    EXPECT_EQ(filas("SELECT * FROM Control_Acceso WHERE NombreUsuario = 'ana'"), 1);
}

TEST_F(Login, OtraBaseTecleadaReconectaYValidaDeNuevoAlli) {
    base.crearSuite(QStringLiteral("OTRA"));
    base.usuario(QStringLiteral("ANA"), QStringLiteral("otra"), QStringLiteral("cn000pr"), false,
                 QStringLiteral("OTRA"));
    base.ejecutarEn(QStringLiteral("OTRA"),
                    QStringLiteral("INSERT INTO TA_CONFIGURACION (CLAVE, GRUPO, VALOR) VALUES "
                                   "('CFONDO', 'DATOS', '255'), ('CLETRA', 'DATOS', '0')"));
    // Right for CONTA, so the window's database is taken; wrong in OTRA, so
    // the login starts again there with three fresh attempts.
    guion->accesos.enqueue(tecleado(QStringLiteral("ANA"), QStringLiteral("demo"), "OTRA"));
    guion->accesos.enqueue(tecleado(QStringLiteral("ANA"), QStringLiteral("mala"), "OTRA"));
    guion->accesos.enqueue(tecleado(QStringLiteral("ANA"), QStringLiteral("mala"), "OTRA"));
    guion->accesos.enqueue(tecleado(QStringLiteral("ANA"), QStringLiteral("otra"), "OTRA"));
    iniciar(QStringLiteral("ANA"), QStringLiteral("mala"));
    EXPECT_EQ(guion->mensajes(), QStringList({kPrimerFallo, kPrimerFallo, kFallo, kFallo}));
    ASSERT_EQ(guion->accesosMostrados.size(), 4);
    EXPECT_EQ(guion->accesosMostrados[1].baseDatos, QStringLiteral("OTRA"));
    EXPECT_EQ(gDB().gDBName, QStringLiteral("OTRA"));
    EXPECT_EQ(gDB().gCnn->DefaultDatabase(), QStringLiteral("OTRA"));
    EXPECT_FALSE(gDB().gEsAdmin);
    EXPECT_EQ(sesion().gColorFondo, 255u); // OTRA's configuration was loaded
    EXPECT_EQ(filas("SELECT * FROM Control_Acceso", QStringLiteral("OTRA")), 1);
    EXPECT_EQ(filas("SELECT * FROM V_MV_CPTEACCIONES", QStringLiteral("OTRA")), 2);
    EXPECT_EQ(filas("SELECT * FROM Control_Acceso"), 0);
}

TEST_F(Login, UnErrorDeLaBaseAlValidarNoDejaEntrar) {
    base.ejecutar(QStringLiteral("DROP TABLE TA_USUARIOS"));
    EXPECT_THROW(iniciar(QStringLiteral("ANA"), QStringLiteral("CONTA")), Programa::FinDelPrograma);
    EXPECT_EQ(filas("SELECT * FROM Control_Acceso"), 0);
}

namespace {
// An access window that fails with the invalid-argument error, the one error
// after which start-up goes on with its next step.
class AccesoQueFalla : public DialogosGuion {
public:
    bool Acceso(DatosAcceso&) override {
        throw ErrorVB(CodigosError::ArgumentoInvalido, QStringLiteral("argumento no válido"));
    }
};
} // namespace

TEST_F(Login, NingunCaminoSaltaLaValidacion) {
    auto falla = std::make_shared<AccesoQueFalla>();
    EstablecerDialogos(falla);
    EXPECT_THROW(iniciar(QStringLiteral("ANA"), QStringLiteral("mala")), Programa::FinDelPrograma);
    EXPECT_EQ(filas("SELECT * FROM Control_Acceso"), 0);
}
