// "Registrar": the typed connection is tested on a connection of its own and
// registered; the program's data object and its connection stay as they were.
#include "BaseDePrueba.h"
#include "DB_Dll.h"
#include "Programa.h"
#include "RegistroConexion.h"
#include "UtilGeneral.h"
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QThread>
#include <gtest/gtest.h>

namespace {
class Registro : public ::testing::Test {
protected:
    void SetUp() override {
        guion = ReiniciarProceso();
        base = std::make_unique<BaseDePrueba>(QStringLiteral("CONTA"),
                                              QStringLiteral("CREATE TABLE SOLO_CONTA (X INT)"));
        base->crear(QStringLiteral("Otra"), QString());
        Programa::EstablecerCarpeta(programa.ruta());
    }
    QString rutaBases() const { return programa.ruta(QStringLiteral("BASES.TXT")); }
    QStringList lineas() const {
        QFile f(rutaBases());
        f.open(QIODevice::ReadOnly);
        return QString::fromUtf8(f.readAll()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    }
    ConexionTipeada tipeada(const QString& bd) const {
        return {base->carpeta(),        bd, QStringLiteral("ana"), QStringLiteral("clave"),
                QStringLiteral("1433"), 0};
    }
    std::shared_ptr<DialogosGuion> guion;
    std::unique_ptr<BaseDePrueba> base;
    CarpetaTemporal programa;
    BasesRegistradas bases{programa.ruta(QStringLiteral("BASES.TXT"))};
};
} // namespace

TEST_F(Registro, RegistraOtraBaseSinTocarLaConexionPrincipal) {
    base->conectar(gDB());
    ASSERT_TRUE(gDB().gOpenFlag);
    QString puerto;
    EXPECT_EQ(RegistrarConexion(tipeada(QStringLiteral(" Otra ")), bases, puerto),
              ResultadoRegistro::Registrada);
    EXPECT_EQ(puerto, QStringLiteral("1433"));
    EXPECT_TRUE(guion->prompts.isEmpty());
    const QString carpeta = base->carpeta();
    EXPECT_EQ(lineas(),
              QStringList{QStringLiteral("OTRA / ") + carpeta.toUpper() +
                          QStringLiteral(",Otra,Otra,") +
                          UtilGeneral::Encriptar(QStringLiteral("Otra")) + u',' + carpeta});
    // The main object still names and reaches its own database.
    EXPECT_EQ(gDB().gDBName, QStringLiteral("CONTA"));
    EXPECT_EQ(gDB().gUsuario, QStringLiteral("CONTA"));
    EXPECT_EQ(gDB().gUserPassWord, QStringLiteral("CONTA"));
    EXPECT_EQ(gDB().gServidor, carpeta);
    ASSERT_TRUE(gDB().gCnn);
    EXPECT_EQ(gDB().gCnn->State(), 1);
    EXPECT_TRUE(gDB().ExisteTablaDB(QStringLiteral("SOLO_CONTA")));
}

TEST_F(Registro, DosVecesEnCualquierCasoSeRechaza) {
    QString puerto;
    ASSERT_EQ(RegistrarConexion(tipeada(QStringLiteral("otra")), bases, puerto),
              ResultadoRegistro::Registrada);
    ConexionTipeada otraVez = tipeada(QStringLiteral("OTRA"));
    otraVez.servidor = QStringLiteral("  ") + base->carpeta().toUpper() + QStringLiteral(" ");
    EXPECT_EQ(RegistrarConexion(otraVez, bases, puerto), ResultadoRegistro::YaExiste);
    ASSERT_EQ(guion->mensajes(),
              QStringList{QStringLiteral("La conexion que intenta registrar ya existe ")});
    EXPECT_EQ(guion->prompts[0].titulo, QStringLiteral("Atencion"));
    EXPECT_EQ(guion->prompts[0].estilo, EstilosMensaje::Informacion);
    EXPECT_EQ(lineas().size(), 1);
}

TEST_F(Registro, SinConexionNoSeRegistraYLaPrincipalSigue) {
    base->conectar(gDB());
    QString puerto;
    ConexionTipeada falta = tipeada(QStringLiteral("FALTA"));
    falta.puerto = QStringLiteral("1500");
    EXPECT_EQ(RegistrarConexion(falta, bases, puerto), ResultadoRegistro::NoSeConecta);
    EXPECT_EQ(puerto, QStringLiteral("1500"));
    ASSERT_EQ(guion->mensajes(),
              QStringList{QStringLiteral("NO SE PUDO CONECTAR AL SERVIDOR ") + base->carpeta() +
                          QStringLiteral(" VERIFIQUE EL NOMBRE DE USUARIO Y PASSWORD INGRESADO")});
    EXPECT_EQ(guion->prompts[0].titulo, QStringLiteral("AVISO AL OPERADOR"));
    EXPECT_FALSE(QFile::exists(rutaBases()));
    EXPECT_EQ(gDB().gDBName, QStringLiteral("CONTA"));
    EXPECT_EQ(gDB().gCnn->State(), 1);
}

TEST_F(Registro, UnArchivoQueNoSePuedeEscribirSeInformaYNoSeDaPorRegistrado) {
    ASSERT_TRUE(QDir().mkpath(rutaBases())); // a folder where the file should be
    QString puerto;
    EXPECT_EQ(RegistrarConexion(tipeada(QStringLiteral("Otra")), bases, puerto),
              ResultadoRegistro::NoSeEscribio);
    ASSERT_EQ(guion->mensajes().size(), 1);
    EXPECT_TRUE(guion->mensajes()[0].startsWith(
        QStringLiteral("SQL Server start failed.  \rSQL-DMO error:  75 ")));
}

TEST_F(Registro, ElAyudanteOdbcDeLaCarpetaSeIniciaConServidorYBase) {
    const QString salida = programa.ruta(QStringLiteral("args.txt"));
    const QString guion_sh = programa.escribir(QStringLiteral("ODBC"),
                                               QByteArray("#!/bin/sh\nprintf '%s|' \"$@\" > \"") +
                                                   salida.toUtf8() + "\"\n");
    QFile::setPermissions(guion_sh, QFile::permissions(guion_sh) | QFileDevice::ExeOwner);
    // A file named ODBC.exe that cannot run here is passed over.
    programa.escribir(QStringLiteral("ODBC.exe"), "MZ");
    QString puerto;
    ASSERT_EQ(RegistrarConexion(tipeada(QStringLiteral("Otra")), bases, puerto),
              ResultadoRegistro::Registrada);
    QElapsedTimer t;
    t.start();
    while (!QFile::exists(salida) && t.elapsed() < 10000)
        QThread::msleep(20);
    QThread::msleep(50);
    QFile f(salida);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(f.readAll()),
              QStringLiteral("Server=") + base->carpeta() + QStringLiteral(";DB=Otra;|"));
}

TEST(ExisteBaseDeDatos, AbreYCierraUnaConexionPropia) {
    ReiniciarProceso();
    BaseDePrueba base(QStringLiteral("CONTA"));
    EXPECT_TRUE(ExisteBaseDeDatos(base.carpeta(), QStringLiteral("CONTA"), QStringLiteral("CONTA"),
                                  QStringLiteral("CONTA"), QStringLiteral("SQLOLEDB")));
    EXPECT_FALSE(ExisteBaseDeDatos(base.carpeta(), QStringLiteral("FALTA"), QStringLiteral("FALTA"),
                                   QStringLiteral("FALTA"), QStringLiteral("SQLOLEDB")));
    EXPECT_FALSE(gDB().gCnn);
}
