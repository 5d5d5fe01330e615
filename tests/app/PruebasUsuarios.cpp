// The user check against the users table of a real database: the "* *"
// marker, the database's own login, letter case, systems and apostrophes.
#include "BaseIngreso.h"
#include "DB_Dll.h"
#include "ImprimirQt.h"
#include "Sesion.h"
#include "Usuarios.h"
#include <gtest/gtest.h>

namespace {
class Usuarios : public ::testing::Test {
protected:
    void SetUp() override {
        guion = ReiniciarProceso();
        base.usuario(QStringLiteral("ANA"), QStringLiteral("demo"), QStringLiteral("cn000pr"),
                     true);
        base.usuario(QStringLiteral("MGOMEZ"), QStringLiteral("Maria"), QStringLiteral("BREV"));
        base.usuario(QStringLiteral("LSUELDOS"), QStringLiteral("sueldos"),
                     QStringLiteral("PERSONAL"));
        base.usuario(QStringLiteral("O'Brien"), QStringLiteral("x' OR '1'='1"));
        base.conectar(gDB());
    }
    std::shared_ptr<DialogosGuion> guion;
    BaseIngreso base;
};
} // namespace

TEST_F(Usuarios, LaMarcaTomaLaClaveGuardadaSoloDeQuienEstaEnLaTabla) {
    Sesion& s = sesion();
    s.gUsuarioLogeado = QStringLiteral("ana");
    s.gClaveUsuario = QStringLiteral("* *");
    ResolverMarcaClave();
    EXPECT_EQ(s.gClaveUsuario, QStringLiteral("demo"));
    EXPECT_TRUE(ValidarUsuario(s.gUsuarioLogeado, s.gClaveUsuario));

    s.gUsuarioLogeado = QStringLiteral("INTRUSO");
    s.gClaveUsuario = QStringLiteral("* *");
    ResolverMarcaClave();
    EXPECT_EQ(s.gClaveUsuario, QStringLiteral("* *"));
    EXPECT_FALSE(ValidarUsuario(s.gUsuarioLogeado, s.gClaveUsuario));

    // An apostrophe in the name is part of the name, never the end of the text.
    s.gUsuarioLogeado = QStringLiteral("O'Brien");
    s.gClaveUsuario = QStringLiteral("* *");
    ResolverMarcaClave();
    EXPECT_EQ(s.gClaveUsuario, QStringLiteral("x' OR '1'='1"));
    s.gUsuarioLogeado = QStringLiteral("x' OR '1'='1");
    s.gClaveUsuario = QStringLiteral("* *");
    ResolverMarcaClave();
    EXPECT_EQ(s.gClaveUsuario, QStringLiteral("* *"));
    EXPECT_TRUE(guion->prompts.isEmpty());
}

TEST_F(Usuarios, ClavesSinDistinguirMayusculasYSoloDeLosSistemasContables) {
    DB_Dll& db = gDB();
    db.gEsAdmin = false;
    EXPECT_TRUE(ValidarUsuario(QStringLiteral(" ANA "), QStringLiteral("DeMo")));
    EXPECT_EQ(sesion().gUsuarioLogeado, QStringLiteral(" ANA ")); // as given
    EXPECT_TRUE(db.gEsAdmin);
    EXPECT_FALSE(ValidarUsuario(QStringLiteral("ANA"), QStringLiteral("mala")));
    EXPECT_FALSE(ValidarUsuario(QStringLiteral("ANA"), QStringLiteral("demo ")));
    EXPECT_TRUE(ValidarUsuario(QStringLiteral("mgomez"), QStringLiteral("MARIA")));
    EXPECT_FALSE(db.gEsAdmin);
    // Another system's user is refused with the right password.
    sesion().gUsuarioLogeado = QStringLiteral("nadie");
    EXPECT_FALSE(ValidarUsuario(QStringLiteral("LSUELDOS"), QStringLiteral("sueldos")));
    EXPECT_EQ(sesion().gUsuarioLogeado, QStringLiteral("nadie"));
    // A typed name that tries to end the text finds nobody.
    EXPECT_FALSE(ValidarUsuario(QStringLiteral("x' OR '1'='1"), QString()));
    EXPECT_TRUE(ValidarUsuario(QStringLiteral("O'Brien"), QStringLiteral("x' OR '1'='1")));
    EXPECT_TRUE(guion->prompts.isEmpty());
}

TEST_F(Usuarios, ElLoginDeLaBaseEntraSinLeerLaTablaYNuncaUnNombreEnBlanco) {
    base.ejecutar(QStringLiteral("DROP TABLE TA_USUARIOS"));
    DB_Dll& db = gDB();
    db.gEsAdmin = true;
    EXPECT_TRUE(ValidarUsuario(QStringLiteral("conta"), QStringLiteral("cualquiera")));
    EXPECT_EQ(sesion().gUsuarioLogeado, QStringLiteral("conta"));
    EXPECT_TRUE(db.gEsAdmin); // kept from the connection
    EXPECT_TRUE(guion->prompts.isEmpty());
    // A blank name is no database login: the table is read (and here fails).
    db.gDBName = QString();
    EXPECT_THROW(ValidarUsuario(QString(), QString()), ErrorVB);
}
