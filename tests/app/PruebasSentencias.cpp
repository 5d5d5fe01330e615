// The statement builders and the message of a failed batch.
#include "ErroresLote.h"
#include "ImprimirQt.h"
#include "ReinicioPrueba.h"
#include "Sentencias.h"
#include <gtest/gtest.h>

TEST(Sentencias, InsertDeLosCamposPendientesSinApostrofos) {
    ReiniciarProceso();
    QString maquina = QStringLiteral("PC1");
    QString usuario = QStringLiteral("D'Angelo");
    AgregarCampo(QStringLiteral("Maquina"), maquina, QStringLiteral("'"), true);
    AgregarCampo(QStringLiteral("Usuario"), usuario, QStringLiteral("'"), false);
    AgregarCampo(QStringLiteral("Tarea"), QString(), QStringLiteral("'"), false);
    AgregarCampo(QStringLiteral("Baja"), QStringLiteral("nULl"), QStringLiteral("'"), false);
    AgregarCampo(QStringLiteral("Orden"), QStringLiteral("7"), QString(), false);
    // The caller's own text loses its apostrophes: no value can end a literal.
    EXPECT_EQ(usuario, QStringLiteral("DAngelo"));
    QStringList sentencias{QStringLiteral("previa")};
    ArmarSentencia(sentencias, QStringLiteral("Control_Acceso"), false);
    EXPECT_EQ(sentencias, QStringList({QStringLiteral("previa"),
                                       QStringLiteral("INSERT INTO Control_Acceso "
                                                      "(Maquina,Usuario,Tarea,Baja,Orden) VALUES "
                                                      "('PC1','DAngelo','',Null,7)"),
                                       QString()}));
    // Not kept: the next statement starts from an empty list.
    AgregarCampo(QStringLiteral("Usuario"), QStringLiteral("ANA"), QStringLiteral("'"), false);
    ArmarSentencia(sentencias, QStringLiteral("T"), true);
    EXPECT_EQ(sentencias[3], QStringLiteral("INSERT INTO T (Usuario) VALUES ('ANA')"));
    // Kept: the same fields again, then discarded by ArmarValores.
    QString texto = QStringLiteral(" INSERT INTO T ");
    ArmarValores(texto, true);
    EXPECT_EQ(texto, QStringLiteral(" INSERT INTO T (Usuario) VALUES ('ANA')"));
    AgregarCampo(QStringLiteral("PC"), QStringLiteral("X"), QStringLiteral("'"), false);
    QString otro;
    ArmarValores(otro, false);
    EXPECT_EQ(otro, QStringLiteral("(PC) VALUES ('X')"));
}

TEST(Sentencias, UnProcesoNuevoEmpiezaSinCamposPendientes) {
    AgregarCampo(QStringLiteral("Sobra"), QStringLiteral("x"), QStringLiteral("'"), true);
    ReiniciarProceso();
    AgregarCampo(QStringLiteral("A"), QStringLiteral("1"), QString(), false);
    QString texto;
    ArmarValores(texto, true);
    EXPECT_EQ(texto, QStringLiteral("(A) VALUES (1)"));
}

TEST(ErroresLote, UnaLineaPorErrorMenosElUltimoCuandoHayVarios) {
    const ErrorProveedor duplicada{0, QStringLiteral("Violation of PRIMARY KEY"), {}, 2627};
    const ErrorProveedor fin{0, QStringLiteral("The statement has been terminated."), {}, 3621};
    const ErrorProveedor conflicto{0, QStringLiteral("FOREIGN KEY conflict"), {}, 547};
    EXPECT_EQ(MensajeErroresProveedor({duplicada}),
              QStringLiteral("2627 : Violation of PRIMARY KEY\r\n"));
    EXPECT_EQ(MensajeErroresProveedor({duplicada, conflicto, fin}),
              QStringLiteral("2627 : Violation of PRIMARY KEY\r\n547 : FOREIGN KEY conflict\r\n"));
}
