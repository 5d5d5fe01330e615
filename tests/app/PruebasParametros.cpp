#include "ImprimirQt.h"
#include "ParametrosLinea.h"
#include "Sesion.h"
#include <gtest/gtest.h>

namespace {
struct Resultado {
    ParametrosInicio p;
    Sesion s;
};
Resultado parsear(const QString& texto) {
    ReiniciarSesion();
    Resultado r;
    r.p = ParsearParametros(texto);
    r.s = sesion();
    return r;
}
} // namespace

TEST(ParametroLinea, FormaDelLanzadorConClaveIgualALaBase) {
    const QString texto =
        CadenaLanzador(QStringLiteral("SRV"), QStringLiteral("CONTA"), QStringLiteral("ANA"),
                       QStringLiteral("conta"), QString(), QString(), QString());
    EXPECT_EQ(texto, QStringLiteral(" ; @server=SRV; @dbname=CONTA; @usuario=ANA; @Password=conta; "
                                    "@ParametroAdicional=; brev@ ; @UsuarioLogeado = ; @Caja=;"));
    const Resultado r = parsear(texto);
    EXPECT_EQ(r.p.servidor, QStringLiteral("SRV"));
    EXPECT_EQ(r.p.baseDatos, QStringLiteral("CONTA"));
    EXPECT_EQ(r.p.usuario, QStringLiteral("ANA"));
    EXPECT_EQ(r.s.gUsuarioLogeado, QStringLiteral("ANA"));
    EXPECT_EQ(r.s.gClaveUsuario, QStringLiteral("* *"));
    EXPECT_EQ(r.s.gCaja, QString()); // present and empty: the default does not apply
    EXPECT_EQ(r.s.gParametroAdicional, QString());
    EXPECT_TRUE(r.p.cadenaConexion.isEmpty());
}

TEST(ParametroLinea, LineaVaciaDejaTodoVacioYLaCajaUno) {
    const Resultado r = parsear(QString());
    EXPECT_TRUE(r.p.servidor.isEmpty() && r.p.baseDatos.isEmpty() && r.p.usuario.isEmpty());
    EXPECT_EQ(r.s.gCaja, QStringLiteral("1"));
    EXPECT_EQ(r.s.gUsuarioLogeado, QString());
    EXPECT_EQ(r.s.gClaveUsuario, QString());
}

TEST(ParametroLinea, MarcaDeOracleArmaLaCadenaDeConexion) {
    const Resultado r =
        parsear(QStringLiteral("@Server=#ORCL; @DbName=XE; @Usuario=U1; @Password=secreta;"));
    EXPECT_EQ(r.p.servidor, QStringLiteral("ORCL"));
    EXPECT_EQ(
        r.p.cadenaConexion,
        QStringLiteral("Provider=OraOLEDB.Oracle.1;Data Source=XE;User Id=U1;Password=secreta;"));
    EXPECT_EQ(r.s.gClaveUsuario, QStringLiteral("secreta"));
}

TEST(ParametroLinea, CasosDeLaGramatica) {
    const struct {
        const char* texto;
        const char* servidor;
        const char* usuario;
        const char* logeado;
        const char* caja;
        const char* adicional;
    } casos[] = {
        // Keys in other letter cases, blanks around "=".
        {"@SERVER = S1; @USUARIO =  PEPE ; @caja=3;", "S1", "PEPE", "PEPE", "3", ""},
        {"@server=s2;@usuario=x;@usuariologeado=Y;", "s2", "x", "Y", "1", ""},
        // "@Usuario" found inside "@UsuarioLogeado" when that comes first.
        {"@UsuarioLogeado = JUAN;", "", "Logeado  JUAN", "JUAN", "1", ""},
        // A key at the very end without ";": an empty value, no default.
        {"@server=S3; @Caja=7", "S3", "", "", "", ""},
        {"@ParametroAdicional=ABCDEFGHIJKLMNOPQRSTUVWXYZ", "", "", "", "1", "ABCDEFGHIJKLMNOPQR"},
        // Only the first occurrence of a key counts; text between is ignored.
        {"brev@ @server=A; basura @server=B;", "A", "", "", "1", ""},
    };
    for (const auto& c : casos) {
        const Resultado r = parsear(QString::fromUtf8(c.texto));
        EXPECT_EQ(r.p.servidor, QString::fromUtf8(c.servidor)) << c.texto;
        EXPECT_EQ(r.p.usuario, QString::fromUtf8(c.usuario)) << c.texto;
        EXPECT_EQ(r.s.gUsuarioLogeado, QString::fromUtf8(c.logeado)) << c.texto;
        EXPECT_EQ(r.s.gCaja, QString::fromUtf8(c.caja)) << c.texto;
        EXPECT_EQ(r.s.gParametroAdicional, QString::fromUtf8(c.adicional)) << c.texto;
    }
}

TEST(ParametroLinea, ObtenerServidorQuitaAliasYPuerto) {
    EXPECT_EQ(ObtenerServidor(QStringLiteral("ALIAS/SRV01\\SQL2019:1433")),
              QStringLiteral("SRV01\\SQL2019"));
    EXPECT_EQ(ObtenerServidor(QStringLiteral("SRV01\\SQL2019:1433")),
              QStringLiteral("SRV01\\SQL2019"));
    EXPECT_EQ(ObtenerServidor(QStringLiteral("SRV01")), QStringLiteral("SRV01"));
    // The embedded engine's folder survives: alias, "/" and an absolute path.
    EXPECT_EQ(ObtenerServidor(QStringLiteral("sqlite//home/ana/datos")),
              QStringLiteral("/home/ana/datos"));
    // Typed alone, as the access window shows it, the folder stays whole.
    EXPECT_EQ(ObtenerServidor(QStringLiteral(" /home/ana/datos")),
              QStringLiteral("/home/ana/datos"));
}

TEST(ParametroLinea, AccesoDirectoDejaVaciosClaveYValoresDeSesion) {
    EXPECT_EQ(
        CadenaAccesoDirecto(QStringLiteral("S"), QStringLiteral("B"), QStringLiteral("U")),
        QStringLiteral(" ; @server=S; @dbname=B; @usuario=U; @Password=; @ParametroAdicional=; "
                       "brev@ ; @UsuarioLogeado = ; @Caja=;"));
    const Resultado r =
        parsear(CadenaAccesoDirecto(QStringLiteral("S"), QStringLiteral("B"), QStringLiteral("U")));
    EXPECT_EQ(r.s.gUsuarioLogeado, QStringLiteral("U"));
    EXPECT_EQ(r.s.gClaveUsuario, QString());
}
