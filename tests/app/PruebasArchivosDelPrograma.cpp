// The files the program keeps beside itself, with a program folder that the
// user cannot write. Which folder counts as writable is fixed by the test
// (root writes read-only folders, so permissions cannot stand for a user);
// the probe itself is checked against a real attempt to write.
#include "ArchivosDelPrograma.h"
#include "BasesRegistradas.h"
#include "CarpetaTemporal.h"
#include "ConsultasInicio.h"
#include "DB_Dll.h"
#include "DialogoConsulta.h"
#include "DialogosGuion.h"
#include "InfoSistema.h"
#include "ModeloAsientos.h"
#include "PlanillaControl.h"
#include "Programa.h"
#include "ReinicioPrueba.h"
#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {
QByteArray leer(const QString& ruta) {
    QFile f(ruta);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class CarpetaSinEscritura : public ::testing::Test {
protected:
    void SetUp() override {
        guion = ReiniciarProceso();
        for (const char* c : {"programa", "datos", "documentos", "temporal"})
            QDir(raiz.ruta()).mkdir(QString::fromLatin1(c));
        Programa::EstablecerCarpeta(raiz.ruta(QStringLiteral("programa")));
        ArchivosDelPrograma::FijarCarpetasUsuario(raiz.ruta(QStringLiteral("datos")),
                                                  raiz.ruta(QStringLiteral("documentos")));
        ArchivosDelPrograma::FijarCarpetaProgramaEscribible(false);
    }
    QString programa(const char* nombre) const {
        return raiz.ruta(QStringLiteral("programa/") + QLatin1String(nombre));
    }
    QString datos(const char* nombre) const {
        return raiz.ruta(QStringLiteral("datos/") + QLatin1String(nombre));
    }
    CarpetaTemporal raiz;
    std::shared_ptr<DialogosGuion> guion;
};
} // namespace

TEST(ArchivosDelPrograma, LaPruebaDeEscrituraDiceLoQuePasaAlEscribir) {
    CarpetaTemporal dir;
    EXPECT_TRUE(ArchivosDelPrograma::SePuedeEscribir(dir.ruta()));
    EXPECT_TRUE(QDir(dir.ruta())
                    .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot)
                    .isEmpty()); // the probe file is gone
    EXPECT_FALSE(ArchivosDelPrograma::SePuedeEscribir(dir.ruta(QStringLiteral("no/existe"))));
    EXPECT_FALSE(ArchivosDelPrograma::SePuedeEscribir(QString()));
    // A read-only folder: the probe agrees with a real write (root can, a user cannot).
    const QString solo = dir.ruta(QStringLiteral("solo"));
    QDir(dir.ruta()).mkdir(QStringLiteral("solo"));
    QFile::setPermissions(solo, QFile::ReadOwner | QFile::ExeOwner);
    QFile intento(solo + QStringLiteral("/x"));
    const bool sePudo = intento.open(QIODevice::WriteOnly);
    intento.remove();
    EXPECT_EQ(ArchivosDelPrograma::SePuedeEscribir(solo), sePudo);
    QFile::setPermissions(solo, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    // With the program folder writable, everything stays in it.
    Programa::EstablecerCarpeta(dir.ruta());
    EXPECT_EQ(ArchivosDelPrograma::ArchivoDeDatos(QStringLiteral("BASES.TXT")),
              dir.ruta(QStringLiteral("BASES.TXT")));
    EXPECT_EQ(ArchivosDelPrograma::ArchivoDocumento(QStringLiteral("pcc2.xls")),
              dir.ruta(QStringLiteral("pcc2.xls")));
}

TEST_F(CarpetaSinEscritura, LasConexionesRegistradasPasanALaCarpetaDelUsuario) {
    QFile instalado(programa("BASES.TXT"));
    ASSERT_TRUE(instalado.open(QIODevice::WriteOnly));
    instalado.write("CONTA / SRV01,CONTA,CONTA,,SRV01\r\n");
    instalado.close();
    QFile::setPermissions(programa("BASES.TXT"), QFile::ReadOwner | QFile::ReadGroup);
    BasesRegistradas bases;
    EXPECT_EQ(bases.ruta(), datos("BASES.TXT"));
    // The user's list starts with what came installed, and takes new lines.
    EXPECT_EQ(bases.llenarlist(), QStringList({QStringLiteral("CONTA / SRV01")}));
    bases.AgregarBase(QStringLiteral("VENTAS / SRV02"), QStringLiteral("Ventas"),
                      QStringLiteral("Ventas"), QStringLiteral("Ventas"), QStringLiteral("srv02"));
    EXPECT_EQ(bases.llenarlist(),
              QStringList({QStringLiteral("CONTA / SRV01"), QStringLiteral("VENTAS / SRV02")}));
    EXPECT_EQ(leer(programa("BASES.TXT")), QByteArray("CONTA / SRV01,CONTA,CONTA,,SRV01\r\n"));
    // The next start reads the user's file, not the installed one again.
    EXPECT_EQ(BasesRegistradas().llenarlist().size(), 2);
}

TEST_F(CarpetaSinEscritura, LasBusquedasSeEscribenEnLaCarpetaDelUsuarioSiNoVinieronInstaladas) {
    PrepararDialogoConsulta();
    EXPECT_EQ(gDialogoConsulta().ArchivoConsultas, datos("consultas.qdx"));
    EXPECT_EQ(leer(datos("consultas.qdx")).size(), 11 * 1202);
    EXPECT_FALSE(QFile::exists(programa("consultas.qdx")));
    // An installed file is read where it is, and never written.
    QFile instalado(programa("consultas.qdx"));
    ASSERT_TRUE(instalado.open(QIODevice::WriteOnly));
    instalado.close();
    PrepararDialogoConsulta();
    EXPECT_EQ(gDialogoConsulta().ArchivoConsultas, programa("consultas.qdx"));
    EXPECT_EQ(leer(programa("consultas.qdx")).size(), 0);
}

TEST_F(CarpetaSinEscritura, ElLogDeErroresVaALaCarpetaDeRespaldoYLaPlanillaADocumentos) {
    qputenv("temp", "x");
    qputenv("tmp", raiz.ruta(QStringLiteral("temporal")).toUtf8());
    guion->respuestas.enqueue(Respuestas::Ignorar);
    DB_Dll db;
    db.TratamientoErrores(ErrorVB(5, QStringLiteral("falla")), 18, QStringLiteral("Rutina"));
    qunsetenv("temp");
    qunsetenv("tmp");
    EXPECT_FALSE(QFile::exists(programa("QDERR.LOG")));
    EXPECT_TRUE(leer(raiz.ruta(QStringLiteral("temporal/QDERR.LOG"))).contains("falla"));

    QString abierto;
    InfoSistema::EstablecerLanzador([&](const QString& a, const QString&, const QString&) {
        abierto = a;
        return true;
    });
    ModeloAsientos grilla;
    ReportePlanilla(grilla);
    EXPECT_EQ(abierto, raiz.ruta(QStringLiteral("documentos/pcc2.xls")));
    EXPECT_TRUE(leer(abierto).startsWith("<html>"));
    EXPECT_FALSE(QFile::exists(programa("pcc2.xls")));
}
