// Start-up on a database that cannot be used as it is: locked by another
// program, read-only, cut short or overwritten. One message at most, in
// Spanish, then the program ends or goes on.
#include "BaseIngreso.h"
#include "DB_Dll.h"
#include "IniciarComoAna.h"
#include "Inicio.h"
#include "MotorSqlite.h"
#include "ParametrosLinea.h"
#include "Programa.h"
#include "Sesion.h"
#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

class InicioBaseInutil : public ::testing::Test {
protected:
    void SetUp() override {
        guion = ReiniciarProceso();
        MotorSqlite::esperaOcupadaMs = 100;
        base.usuario(QStringLiteral("ANA"), QStringLiteral("demo"));
    }
    QString archivo() const { return base.carpeta() + QStringLiteral("/CONTA.db"); }
    QStringList titulos() const {
        QStringList r;
        for (const PromptRegistrado& p : guion->prompts)
            r << p.tipo + u':' + p.titulo;
        return r;
    }

    std::shared_ptr<DialogosGuion> guion;
    BaseIngreso base;
    CarpetaTemporal programa;
};

// The folder and the file made read-only for the case, and writable again
// afterwards so the temporary folder can go.
class SoloLectura {
public:
    SoloLectura(const QString& carpeta, const QString& archivo)
        : carpeta_(carpeta), archivo_(archivo) {
        QFile::setPermissions(archivo_, QFileDevice::ReadOwner);
        QFile::setPermissions(carpeta_, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    }
    ~SoloLectura() {
        QFile::setPermissions(carpeta_, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                            QFileDevice::ExeOwner);
        QFile::setPermissions(archivo_, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }

private:
    QString carpeta_;
    QString archivo_;
};

constexpr char kSinPrivilegios[] = "TARQUEL_SIN_PRIVILEGIOS_DE_ARCHIVO";
} // namespace

TEST_F(InicioBaseInutil, BloqueadaUnMensajeYCancelarTermina) {
    Conexion otra;
    otra.Open(base.cadena());
    otra.Execute(QStringLiteral("PRAGMA locking_mode=EXCLUSIVE"));
    otra.BeginTrans();
    otra.Execute(QStringLiteral("UPDATE TA_USUARIOS SET SISTEMA = SISTEMA"));
    otra.CommitTrans();
    guion->respuestas.enqueue(Respuestas::Cancelar);
    EXPECT_THROW(IniciarComoAna(base, programa), Programa::FinDelPrograma);
    EXPECT_EQ(titulos(), QStringList{QStringLiteral("mensaje:Base de datos ocupada")});
}

TEST_F(InicioBaseInutil, BloqueadaReintentarSigueCuandoElOtroLaSuelta) {
    auto otra = std::make_unique<Conexion>();
    otra->Open(base.cadena());
    otra->Execute(QStringLiteral("PRAGMA locking_mode=EXCLUSIVE"));
    otra->BeginTrans();
    otra->Execute(QStringLiteral("UPDATE TA_USUARIOS SET SISTEMA = SISTEMA"));
    otra->CommitTrans();
    guion->alMostrarMensaje = [&](const PromptRegistrado&) { otra.reset(); };
    guion->respuestas.enqueue(Respuestas::Reintentar);
    IniciarComoAna(base, programa);
    EXPECT_TRUE(gDB().gOpenFlag);
    EXPECT_EQ(sesion().gUsuarioLogeado, QStringLiteral("ANA"));
    EXPECT_EQ(titulos(), QStringList{QStringLiteral("mensaje:Base de datos ocupada")});
}

TEST_F(InicioBaseInutil, CortadaOSobrescritaUnMensajeYTermina) {
    QFile f(archivo());
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    ASSERT_TRUE(f.resize(f.size() / 2));
    f.close();
    guion->respuestas.enqueue(Respuestas::No);
    EXPECT_THROW(IniciarComoAna(base, programa), Programa::FinDelPrograma);
    EXPECT_EQ(titulos(), QStringList{QStringLiteral("mensaje:Base de datos dañada")});

    // Overwritten: Yes offers another connection; cancelling it ends.
    ReiniciarProceso();
    guion = ReiniciarProceso();
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(QByteArray(4096, '\0'));
    f.close();
    guion->respuestas.enqueue(Respuestas::Si);
    EXPECT_THROW(IniciarComoAna(base, programa), Programa::FinDelPrograma);
    EXPECT_EQ(titulos(), (QStringList{QStringLiteral("mensaje:Base de datos dañada"),
                                      QStringLiteral("acceso:CONTA")}));
}

TEST_F(InicioBaseInutil, SoloLecturaArrancaLeeYRechazaEscrituras) {
    if (geteuid() == 0 && qEnvironmentVariableIntValue(kSinPrivilegios) != 1) {
        // Root writes any file whatever its permissions: the case runs again
        // in a child process whose capabilities lack the one that lets root
        // past them (setpriv drops CAP_DAC_OVERRIDE from its bounding set).
        QProcess p;
        QProcessEnvironment entorno = QProcessEnvironment::systemEnvironment();
        entorno.insert(QString::fromLatin1(kSinPrivilegios), QStringLiteral("1"));
        p.setProcessEnvironment(entorno);
        p.setProcessChannelMode(QProcess::MergedChannels);
        p.start(QStringLiteral("setpriv"),
                {QStringLiteral("--bounding-set=-dac_override"),
                 QCoreApplication::applicationFilePath(),
                 QStringLiteral(
                     "--gtest_filter=InicioBaseInutil.SoloLecturaArrancaLeeYRechazaEscrituras")});
        if (!p.waitForStarted(10000))
            GTEST_SKIP() << "sin setpriv no se puede quitar a root el permiso de escribir";
        ASSERT_TRUE(p.waitForFinished(120000));
        const QByteArray salida = p.readAll();
        if (salida.startsWith("setpriv:"))
            GTEST_SKIP() << "setpriv no pudo quitar el permiso: " << salida.toStdString();
        EXPECT_EQ(p.exitCode(), 0) << salida.toStdString();
        EXPECT_TRUE(salida.contains("[  PASSED  ] 1 test")) << salida.toStdString();
        return;
    }
    const SoloLectura soloLectura(base.carpeta(), archivo());
    IniciarComoAna(base, programa);
    EXPECT_TRUE(gDB().gOpenFlag);
    EXPECT_EQ(sesion().gUsuarioLogeado, QStringLiteral("ANA"));
    EXPECT_TRUE(guion->prompts.isEmpty()) << titulos().join(u' ').toStdString();
    EXPECT_EQ(gDB().DatosTabla(QStringLiteral("TA_USUARIOS"), QStringLiteral("ANA"),
                               QStringLiteral("Nombre"), QStringLiteral("Nombre")),
              QStringLiteral("ANA"));
    QString sql = QStringLiteral("UPDATE TA_USUARIOS SET SISTEMA = SISTEMA");
    gDB().EjecutaConsultaSQL(sql);
    ASSERT_EQ(gDB().gCnn->Errors.size(), 1);
    EXPECT_EQ(gDB().gCnn->Errors[0].NativeError, CodigosNativos::BaseSoloLectura);
    EXPECT_TRUE(guion->prompts.isEmpty());
}
