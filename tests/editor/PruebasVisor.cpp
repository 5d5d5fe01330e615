// The entry viewer started from the grid's popup menu, with a stand-in
// "Ferrolan" in the program folder that records its command line.
#include "BaseEditor.h"
#include "FrmTarquel.h"
#include "LanzadorProgramas.h"
#include "ModeloAsientos.h"
#include "Programa.h"
#include "Sesion.h"
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QThread>
#include <gtest/gtest.h>

namespace {
QString esperarArchivo(const QString& ruta) {
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < 10000) {
        QFile f(ruta);
        if (f.open(QIODevice::ReadOnly)) {
            const QByteArray datos = f.readAll();
            if (datos.endsWith('\n'))
                return QString::fromUtf8(datos).trimmed();
        }
        QThread::msleep(20);
    }
    return {};
}
} // namespace

TEST(Visor, VerAsientoLanzaFerrolanConElComprobanteDeLaFila) {
    auto guion = ReiniciarProceso();
    BaseEditor base;
    sesion().gUsuarioLogeado = QStringLiteral("ANA");
    sesion().gClaveUsuario = QStringLiteral("* *");
    sesion().gCaja = QStringLiteral("1");
    CarpetaTemporal programa;
    const QString registro = programa.ruta(QStringLiteral("linea.txt"));
    const QString ferrolan = programa.escribir(QStringLiteral("Ferrolan"),
                                               QByteArray("#!/bin/sh\nprintf '%s\\n' \"$*\" > \"") +
                                                   registro.toUtf8() + "\"\n");
    QFile::setPermissions(ferrolan, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    Programa::EstablecerCarpeta(programa.ruta());

    FrmTarquel f;
    f.TxtFields(QStringLiteral("TC"))->setText(QStringLiteral("RC"));
    f.CmdEjecutar->click();
    // A dismissed menu launches nothing.
    f.MenuGrilla(2, QPoint());
    ASSERT_EQ(guion->menusMostrados.size(), 1);
    EXPECT_EQ(guion->menusMostrados[0].first().first, QStringLiteral("Ver Asiento"));
    EXPECT_FALSE(QFile::exists(registro));
    // A line row names its voucher.
    guion->emergentes.enqueue(QStringLiteral("VerAsiento"));
    f.MenuGrilla(3, QPoint());
    EXPECT_EQ(esperarArchivo(registro),
              QStringLiteral("; @server=sqlite/") + base.base().carpeta() +
                  QStringLiteral(
                      "; @dbname=CONTA; @usuario=ANA; @Password=* *; @ParametroAdicional=@TC=RC|"
                      "@Sucursal=0001|@Numero=00000005|@Letra=X|; brev@ ; @UsuarioLogeado = ANA; "
                      "@Caja=1;"));
    EXPECT_TRUE(guion->mensajes().isEmpty());
}

TEST(Visor, ProgramaQueNoArrancaAvisa) {
    auto guion = ReiniciarProceso();
    CarpetaTemporal programa;
    Programa::EstablecerCarpeta(programa.ruta());
    EXPECT_EQ(EjecutarPrograma(QStringLiteral("shell:Ferrolan"), QStringLiteral("@TC=FC|")), 0);
    ASSERT_EQ(guion->mensajes().size(), 1);
    EXPECT_EQ(guion->mensajes()[0],
              QStringLiteral("Opcion no Implementada!\rComuniquese con su proveedor de sistemas"));
    EXPECT_EQ(guion->prompts[0].titulo, QStringLiteral("Atención"));
}
