// Database files that cannot be used as they are: a file another connection
// keeps locked, one opened read-only, one cut short or overwritten. Each is
// told once, in Spanish, and never loops.
#include "BaseDePrueba.h"
#include "CabeceraSqlite.h"
#include "DB_Dll.h"
#include "EsquemasMinimos.h"
#include "MotorSqlite.h"
#include "Programa.h"
#include <QFile>
#include <QProcess>
#include <gtest/gtest.h>

namespace {
const QString kOcupada = QStringLiteral("Base de datos ocupada");
const QString kDaniada = QStringLiteral("Base de datos dañada");

class ArchivosSqlite : public ::testing::Test {
protected:
    void SetUp() override {
        guion = ReiniciarProceso();
        MotorSqlite::esperaOcupadaMs = 100;
        base = std::make_unique<BaseDePrueba>(
            QStringLiteral("PRUEBA"),
            kTablaCuentas +
                QStringLiteral(
                    "INSERT INTO MA_CUENTAS (Codigo, Descripcion) VALUES ('1', 'Caja')"));
    }
    QString archivo() const { return base->carpeta() + QStringLiteral("/PRUEBA.db"); }
    // Another connection takes the file and keeps it: not even a read gets in.
    void bloquear() {
        otra = std::make_unique<Conexion>();
        otra->Open(base->cadena());
        otra->Execute(QStringLiteral("PRAGMA locking_mode=EXCLUSIVE"));
        otra->BeginTrans();
        otra->Execute(QStringLiteral("UPDATE MA_CUENTAS SET Descripcion = Descripcion"));
        otra->CommitTrans();
    }
    void abrir(bool muestraError = true) {
        DB_Dll& db = gDB();
        db.gServidor = base->carpeta();
        db.gDBName = db.gUsuario = db.gUserPassWord = QStringLiteral("PRUEBA");
        db.OpenServerADODB(false, 3, QString(), false, muestraError);
    }
    QStringList titulos() const {
        QStringList r;
        for (const PromptRegistrado& p : guion->prompts)
            r << p.titulo;
        return r;
    }
    QString descripcion() {
        return gDB().DatosTabla(QStringLiteral("MA_CUENTAS"), QStringLiteral("1"),
                                QStringLiteral("Descripcion"));
    }

    std::shared_ptr<DialogosGuion> guion;
    std::unique_ptr<BaseDePrueba> base;
    std::unique_ptr<Conexion> otra;
};
} // namespace

TEST_F(ArchivosSqlite, OcupadaAlAbrirUnaPreguntaYCancelarNoAbre) {
    bloquear();
    guion->respuestas.enqueue(Respuestas::Cancelar);
    abrir();
    EXPECT_FALSE(gDB().gOpenFlag);
    ASSERT_EQ(titulos(), QStringList{kOcupada});
    EXPECT_EQ(guion->prompts[0].estilo,
              EstilosMensaje::ReintentarCancelar | EstilosMensaje::Exclamacion);
    EXPECT_TRUE(guion->prompts[0].texto.startsWith(
        QStringLiteral("La base de datos PRUEBA está ocupada: otro programa la tiene bloqueada")));
    EXPECT_TRUE(guion->prompts[0].texto.endsWith(QStringLiteral("Detalle: database is locked")));
    // Without messages the open fails quietly.
    guion->prompts.clear();
    abrir(false);
    EXPECT_FALSE(gDB().gOpenFlag);
    EXPECT_TRUE(guion->prompts.isEmpty());
}

TEST_F(ArchivosSqlite, OcupadaReintentarAbreCuandoElOtroLaSuelta) {
    bloquear();
    guion->alMostrarMensaje = [&](const PromptRegistrado&) { otra.reset(); };
    guion->respuestas.enqueue(Respuestas::Reintentar);
    abrir();
    EXPECT_TRUE(gDB().gOpenFlag);
    EXPECT_EQ(titulos(), QStringList{kOcupada});
    EXPECT_EQ(descripcion(), QStringLiteral("Caja"));
}

TEST_F(ArchivosSqlite, OcupadaEnUnaLecturaUnaPreguntaSinDialogoDeError) {
    // While the program has the file open, its log lets others read and
    // write beside it: a read finds the file busy only when the engine says
    // so (made to happen here) past its waiting time.
    abrir();
    ASSERT_TRUE(gDB().gOpenFlag);
    FalloInyectado ocupada;
    ocupada.operacion = FalloInyectado::Operacion::Consultar;
    ocupada.numero = CodigosError::ErrorComando;
    ocupada.nativo = CodigosNativos::Bloqueo;
    ocupada.descripcion = QStringLiteral("database is locked");
    gDB().gCnn->InyectarFallo(ocupada);
    // Cancel: the lookup gives nothing, and nothing else is shown.
    guion->respuestas.enqueue(Respuestas::Cancelar);
    EXPECT_EQ(descripcion(), QString());
    EXPECT_EQ(titulos(), QStringList{kOcupada});
    gDB().gCnn->InyectarFallo(ocupada);
    Recordset rs;
    guion->respuestas.enqueue(Respuestas::Cancelar);
    gDB().AbrirRecordset(QStringLiteral("SELECT * FROM MA_CUENTAS"), rs);
    EXPECT_EQ(rs.State(), 0);
    EXPECT_EQ(titulos(), (QStringList{kOcupada, kOcupada}));
    // Retry reads once the file is free.
    gDB().gCnn->InyectarFallo(ocupada);
    guion->respuestas.enqueue(Respuestas::Reintentar);
    EXPECT_EQ(descripcion(), QStringLiteral("Caja"));
    EXPECT_EQ(titulos().size(), 3);
}

TEST_F(ArchivosSqlite, SoloLecturaPedidaEnLaCadenaLeeYRechazaEscrituras) {
    // "Mode=Read" opens the file read-only whoever runs the program (root
    // writes any file whatever its permissions).
    gDB().gExtended = QStringLiteral("Mode=Read;");
    abrir();
    ASSERT_TRUE(gDB().gOpenFlag);
    EXPECT_EQ(descripcion(), QStringLiteral("Caja"));
    QString sql = QStringLiteral("UPDATE MA_CUENTAS SET Descripcion = 'x' WHERE Codigo = '1'");
    long n = -1;
    gDB().EjecutaConsultaSQL(sql, &n);
    ASSERT_EQ(gDB().gCnn->Errors.size(), 1);
    EXPECT_EQ(gDB().gCnn->Errors[0].NativeError, CodigosNativos::BaseSoloLectura);
    EXPECT_TRUE(guion->prompts.isEmpty());
    EXPECT_EQ(base->valor(QStringLiteral("SELECT Descripcion FROM MA_CUENTAS")),
              QStringLiteral("Caja"));
}

TEST_F(ArchivosSqlite, ArchivoCortadoOSobrescritoUnMensajeYOtraConexion) {
    // Cut to its first pages: the header counts more than there is.
    QFile f(archivo());
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    const qint64 tamano = f.size();
    ASSERT_TRUE(f.resize(4096));
    f.close();
    const auto cabecera = CabeceraSqlite::Leer(archivo());
    ASSERT_TRUE(cabecera.has_value());
    EXPECT_TRUE(cabecera->truncado()) << tamano;
    guion->respuestas.enqueue(Respuestas::No);
    abrir();
    EXPECT_FALSE(gDB().gOpenFlag);
    ASSERT_EQ(titulos(), QStringList{kDaniada});
    EXPECT_EQ(guion->prompts[0].estilo, EstilosMensaje::SiNo | EstilosMensaje::Critico);
    EXPECT_TRUE(guion->prompts[0].texto.startsWith(
        QStringLiteral("La base de datos PRUEBA no se puede usar: el archivo está dañado")));

    // Overwritten: Yes offers the access window, which names a sound one.
    guion->prompts.clear();
    QFile g(archivo());
    ASSERT_TRUE(g.open(QIODevice::WriteOnly | QIODevice::Truncate));
    g.write(QByteArray(8192, 'x'));
    g.close();
    base->crear(QStringLiteral("SANA"), kTablaCuentas);
    guion->respuestas.enqueue(Respuestas::Si);
    guion->accesos.enqueue(DatosAcceso{QStringLiteral("SANA"), base->carpeta(),
                                       QStringLiteral("ANA"), QStringLiteral("x"), 0});
    abrir();
    EXPECT_TRUE(gDB().gOpenFlag);
    EXPECT_EQ(gDB().gDBName, QStringLiteral("SANA"));
    ASSERT_EQ(guion->mensajes().size(), 1);
    EXPECT_TRUE(guion->mensajes()[0].contains(QStringLiteral("Detalle: file is not a database")));
    EXPECT_EQ(guion->accesosMostrados.size(), 1);
}

TEST_F(ArchivosSqlite, OtroProgramaQueCierraLaBaseNoSeLlevaLoQueSeEscribeDespues) {
    abrir();
    ASSERT_TRUE(gDB().gOpenFlag);
    // Another program (another workstation's copy, the suite's other
    // programs) reads the file and closes it. While this connection is open
    // it must not be able to take the file for itself and remove its log.
    QProcess otro;
    otro.start(QStringLiteral("sqlite3"),
               {archivo(), QStringLiteral("SELECT COUNT(*) FROM MA_CUENTAS")});
    ASSERT_TRUE(otro.waitForFinished(10000)) << "sqlite3 no está instalado";
    ASSERT_EQ(otro.exitCode(), 0) << otro.readAllStandardError().toStdString();
    long n = 0;
    QString sql =
        QStringLiteral("UPDATE MA_CUENTAS SET Descripcion = 'Caja chica' WHERE Codigo = '1'");
    gDB().EjecutaConsultaSQL(sql, &n);
    ASSERT_EQ(n, 1);
    EXPECT_EQ(base->valor(QStringLiteral("SELECT Descripcion FROM MA_CUENTAS")),
              QStringLiteral("Caja chica"));
}

TEST_F(ArchivosSqlite, DaniadaEnUnaLecturaUnMensajeYTermina) {
    abrir();
    ASSERT_TRUE(gDB().gOpenFlag);
    FalloInyectado daniada;
    daniada.operacion = FalloInyectado::Operacion::Consultar;
    daniada.numero = CodigosError::ErrorComando;
    daniada.nativo = CodigosNativos::BaseDaniada;
    daniada.descripcion = QStringLiteral("database disk image is malformed");
    gDB().gCnn->InyectarFallo(daniada);
    EXPECT_THROW(descripcion(), Programa::FinDelPrograma);
    ASSERT_EQ(titulos(), QStringList{kDaniada});
    EXPECT_TRUE(guion->prompts[0].texto.contains(QStringLiteral("El programa se cerrará.")));
}

TEST_F(ArchivosSqlite, UnFalloQueReconectarNoArreglaNoSeRepiteSinFin) {
    abrir();
    ASSERT_TRUE(gDB().gOpenFlag);
    // Every read fails as the provider's unspecified failure, and every
    // reopening works: after three the error is shown.
    FalloInyectado f;
    f.operacion = FalloInyectado::Operacion::Consultar;
    f.veces = -1;
    gDB().gCnn->InyectarFallo(f);
    Recordset rs;
    guion->respuestas.enqueue(Respuestas::Abortar);
    gDB().AbrirRecordset(QStringLiteral("SELECT * FROM MA_CUENTAS"), rs);
    EXPECT_EQ(rs.State(), 0);
    EXPECT_EQ(titulos(), QStringList{QStringLiteral("Aviso al operador - AbrirRecordset")});
}

TEST(CodigosSqlite, ResultadosDeSqliteSinChocarConLosDelSistema) {
    const struct {
        int codigo;
        long nativo;
    } casos[] = {
        {5, CodigosNativos::Bloqueo},
        {6, CodigosNativos::Bloqueo},
        {517, CodigosNativos::Bloqueo},
        {8, CodigosNativos::BaseSoloLectura},
        {1288, CodigosNativos::BaseSoloLectura},
        {13, CodigosNativos::DiscoLleno},
        {11, CodigosNativos::BaseDaniada},
        {26, CodigosNativos::BaseDaniada},
    };
    for (const auto& c : casos) {
        const ErrorProveedor e = ErrorDeTextoSqlite(QStringLiteral("x"), c.codigo);
        EXPECT_EQ(e.NativeError, c.nativo) << c.codigo;
        // SQLite's 11 (a damaged file) is never taken for a network failure.
        EXPECT_NE(e.NativeError, CodigosNativos::ErrorDeRed) << c.codigo;
    }
}
