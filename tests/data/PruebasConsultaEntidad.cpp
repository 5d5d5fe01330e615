// The configurable entity search: the statement handed to the search dialog
// from the definitions file, the caller's condition and the row limit.
#include "ArchivoConsultas.h"
#include "CarpetaTemporal.h"
#include "ConsultaEntidad.h"
#include "DialogoConsulta.h"
#include "ImprimirQt.h"
#include "ReinicioPrueba.h"
#include <QFile>
#include <gtest/gtest.h>
#include <limits>

namespace {

const char* kInicio = "SELECT top 1000 DESCRIPCION,CODIGO FROM MA_CUENTAS  with(nolock) ";

class ConsultaEntidad : public ::testing::Test {
protected:
    void SetUp() override {
        guion = ReiniciarProceso();
        gDialogoConsulta().ArchivoConsultas = dir.ruta(QStringLiteral("consultas.qdx"));
    }
    void agregar(const QString& tabla, const QString& columnas, const QString& extra = {}) {
        ASSERT_TRUE(ArchivoConsultas::Agregar(gDialogoConsulta().ArchivoConsultas,
                                              {QStringLiteral("X"), tabla, columnas, extra}));
    }
    // Runs the search over MA_CUENTAS; returns the statement the dialog got
    // ("" when none was shown) and leaves the result in resultado.
    QString buscar(const QString& condicion, const QString& tope = QStringLiteral(" ")) {
        const int antes = static_cast<int>(guion->peticionesBusqueda.size());
        ArmarConsultaEntidad(QStringLiteral("MA_CUENTAS"), condicion, resultado,
                             [&](const QString& clave) {
                                 claves << clave;
                                 return tope;
                             });
        if (guion->peticionesBusqueda.size() == antes)
            return {};
        return guion->peticionesBusqueda.last().sentencia;
    }

    CarpetaTemporal dir;
    std::shared_ptr<DialogosGuion> guion;
    QString resultado = QStringLiteral("sin tocar");
    QStringList claves;
};

} // namespace

TEST_F(ConsultaEntidad, ArmaLaSentenciaConLasColumnasLaCondicionYElTope) {
    agregar(QStringLiteral("CUENTAS-NO"), QStringLiteral("|NO|"));
    agregar(QStringLiteral("MA_CUENTAS"), QStringLiteral("|DESCRIPCION|CODIGO|"));
    guion->busquedas.enqueue(QStringLiteral(" 1.1.01 "));
    EXPECT_EQ(buscar(QStringLiteral("TITULO = 0")),
              QString::fromLatin1(kInicio) + QStringLiteral(" WHERE TITULO = 0"));
    EXPECT_EQ(resultado, QStringLiteral("1.1.01"));
    EXPECT_EQ(guion->peticionesBusqueda.last().campoDevuelto, QStringLiteral("CODIGO"));
    EXPECT_EQ(claves, QStringList{QStringLiteral("TopConsArt")});
    // Without a condition there is no WHERE; the statement keeps its last blank.
    EXPECT_EQ(buscar(QString()), QString::fromLatin1(kInicio));
    EXPECT_EQ(resultado, QString()); // cancelled
    // The row limit, read on every call.
    EXPECT_TRUE(
        buscar(QString(), QStringLiteral("250")).startsWith(QStringLiteral("SELECT top 250 ")));
    EXPECT_TRUE(
        buscar(QString(), QStringLiteral(" 2 50x")).startsWith(QStringLiteral("SELECT top 250 ")));
    EXPECT_TRUE(
        buscar(QString(), QStringLiteral("0")).startsWith(QStringLiteral("SELECT top 1000 ")));
    EXPECT_TRUE(
        buscar(QString(), QStringLiteral("muchas")).startsWith(QStringLiteral("SELECT top 1000 ")));
    EXPECT_EQ(claves.size(), 6);
    EXPECT_EQ(TopeFilasConsulta(QStringLiteral("2.5")), 2);
    EXPECT_EQ(TopeFilasConsulta(QStringLiteral("3.5")), 4);
    // A count no whole number holds stays a count, never an undefined value.
    EXPECT_EQ(TopeFilasConsulta(QStringLiteral("555555555555555555555555555")),
              std::numeric_limits<long long>::max());
}

TEST_F(ConsultaEntidad, LaCondicionExtraDelRegistroVaDelanteDeLaDelLlamador) {
    agregar(QStringLiteral("ma_cuentas"), QStringLiteral("|CODIGO|"),
            QStringLiteral(" Confidencial = 0 "));
    agregar(QStringLiteral("MA_CUENTAS"), QStringLiteral("|DESCRIPCION|CODIGO|"),
            QStringLiteral("Dada_De_Baja = 0"));
    // Only the first record of the table counts, whatever its letter case.
    EXPECT_EQ(buscar(QStringLiteral("TITULO = 0")),
              QStringLiteral("SELECT top 1000 CODIGO FROM MA_CUENTAS  with(nolock)  WHERE "
                             "Confidencial = 0 and TITULO = 0"));
    EXPECT_EQ(buscar(QString()), QStringLiteral("SELECT top 1000 CODIGO FROM MA_CUENTAS  "
                                                "with(nolock)  WHERE Confidencial = 0"));
    QString columnas;
    LeerColumnasConsulta(QStringLiteral("MA_CUENTAS"), columnas);
    EXPECT_EQ(columnas, QStringLiteral("CODIGO"));
}

TEST_F(ConsultaEntidad, UnaTablaEscritaConCerosYCaracteres255AlFinalCoincide) {
    QByteArray registro = QByteArray("CUENTAS").leftJustified(100, ' ');
    registro += QByteArray("MA_CUENTAS") + QByteArray(45, '\0') + QByteArray(45, '\xff');
    registro += QByteArray("|DESCRIPCION|CODIGO|").leftJustified(500, ' ');
    registro += QByteArray(500, ' ') + "\r\n";
    ASSERT_EQ(registro.size(), ArchivoConsultas::LargoRegistro);
    QFile f(gDialogoConsulta().ArchivoConsultas);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(registro);
    f.close();
    EXPECT_EQ(buscar(QStringLiteral("TITULO = 0")),
              QString::fromLatin1(kInicio) + QStringLiteral(" WHERE TITULO = 0"));
}

TEST_F(ConsultaEntidad, SinColumnasDefinidasAvisaYNoBusca) {
    // No file at all.
    EXPECT_EQ(buscar(QStringLiteral("TITULO = 0")), QString());
    EXPECT_EQ(resultado, QStringLiteral("sin tocar"));
    ASSERT_EQ(guion->prompts.size(), 1);
    EXPECT_EQ(guion->prompts[0].texto,
              QStringLiteral("No hay seleccionados campos personalizados para la consulta de "
                             "Proveedores"));
    EXPECT_EQ(guion->prompts[0].titulo, QStringLiteral("Aviso al Operador"));
    EXPECT_EQ(guion->prompts[0].estilo, 16);
    // A record with an empty column list, and a file without the table.
    agregar(QStringLiteral("MA_CUENTAS"), QStringLiteral("   "));
    EXPECT_EQ(buscar(QString()), QString());
    QString columnas;
    LeerColumnasConsulta(QStringLiteral("VT_CLIENTES"), columnas);
    EXPECT_EQ(columnas, QStringLiteral("*"));
    EXPECT_EQ(guion->mensajes().size(), 2);
    EXPECT_EQ(resultado, QStringLiteral("sin tocar"));
}
