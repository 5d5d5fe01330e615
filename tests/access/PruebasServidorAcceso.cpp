// How a server typed or registered reaches the window and the connection.
#include "ServidorAcceso.h"
#include <gtest/gtest.h>

using namespace ServidorAcceso;

TEST(ServidorAcceso, ElPuertoConDosPuntosSeSeparaLaComaEsDelServidor) {
    const ServidorYPuerto sp = SepararPuerto(QStringLiteral(" srv01 :1433"));
    EXPECT_EQ(sp.servidor, QStringLiteral("SRV01"));
    EXPECT_EQ(sp.puerto, QStringLiteral("1433"));
    EXPECT_EQ(SepararPuerto(QStringLiteral("srv01,1433")).servidor, QStringLiteral("srv01,1433"));
    EXPECT_TRUE(SepararPuerto(QStringLiteral("srv01,1433")).puerto.isEmpty());
    EXPECT_EQ(NombreServidor(QStringLiteral(" srv01:1433")), QStringLiteral("SRV01"));
    EXPECT_EQ(NombreServidor(QStringLiteral("srv01,1433")), QStringLiteral("SRV01,1433"));
    // A folder is the embedded engine's server: nothing is cut from it.
    EXPECT_EQ(SepararPuerto(QStringLiteral("/datos/a:b")).servidor, QStringLiteral("/datos/a:b"));
    EXPECT_EQ(NombreServidor(QStringLiteral("/datos/a:b")), QStringLiteral("/DATOS/A:B"));
}

TEST(ServidorAcceso, ElServidorDeLaConexionLlevaElPuertoEnLaFormaDeSqlServer) {
    EXPECT_EQ(ServidorConexion(QStringLiteral("srv01"), QStringLiteral("1433"), 0),
              QStringLiteral("srv01"));
    EXPECT_EQ(ServidorConexion(QStringLiteral("srv01"), QString(), 0), QStringLiteral("srv01"));
    EXPECT_EQ(ServidorConexion(QStringLiteral("SRV01"), QStringLiteral("1500"), 0),
              QStringLiteral("SRV01,1500"));
    EXPECT_EQ(ServidorConexion(QStringLiteral("srv01:1500"), QStringLiteral("1433"), 0),
              QStringLiteral("srv01,1500"));
    EXPECT_EQ(ServidorConexion(QStringLiteral("srv01,1600"), QStringLiteral("1500"), 0),
              QStringLiteral("srv01,1600"));
    // A named instance with the default port finds its port by itself.
    EXPECT_EQ(ServidorConexion(QStringLiteral("SRV01\\CONTA"), QStringLiteral("1433"), 0),
              QStringLiteral("SRV01\\CONTA"));
    EXPECT_EQ(ServidorConexion(QStringLiteral(" /home/ana/datos "), QStringLiteral("1500"), 0),
              QStringLiteral("/home/ana/datos"));
    EXPECT_EQ(ServidorConexion(QStringLiteral("ORCL"), QStringLiteral("1500"), 1),
              QStringLiteral("ORCL"));
    EXPECT_EQ(ServidorConexion(QString(), QStringLiteral("1500"), 0), QString());
}

TEST(ServidorAcceso, LaRegistracionGuardaElPuertoComoLoLeeLaVentana) {
    EXPECT_EQ(ServidorRegistro(QStringLiteral("srv01"), QStringLiteral("1433"), 0),
              QStringLiteral("srv01"));
    EXPECT_EQ(ServidorRegistro(QStringLiteral("srv01"), QStringLiteral("1500"), 0),
              QStringLiteral("srv01:1500"));
    EXPECT_EQ(
        SepararPuerto(ServidorRegistro(QStringLiteral("srv01"), QStringLiteral("1500"), 0)).puerto,
        QStringLiteral("1500"));
    EXPECT_EQ(ServidorRegistro(QStringLiteral("srv01,1600"), QStringLiteral("1500"), 0),
              QStringLiteral("srv01,1600"));
    EXPECT_EQ(ServidorRegistro(QStringLiteral("/datos"), QStringLiteral("1500"), 0),
              QStringLiteral("/datos"));
}
