// The access window driven headless through its real widgets: keys, clicks
// and the dialog seam's access exchange.
#include "BaseDePrueba.h"
#include "DialogosQt.h"
#include "Dll_Display.h"
#include "InfoSistema.h"
#include "Lbf_CtrlDisplay.h"
#include "ListaBases.h"
#include "Programa.h"
#include "Sesion.h"
#include "UtilGeneral.h"
#include "frmAcceso.h"
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {
QStringList LineasDe(const QString& ruta) {
    QFile f(ruta);
    f.open(QIODevice::ReadOnly);
    return QString::fromUtf8(f.readAll()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
}

void Enter() {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
}

void Mostrar(frmAcceso& f) {
    f.show();
    QApplication::setActiveWindow(&f);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
}

void ClicEnItem(ListaBases* lista, int fila, bool doble = false) {
    const QPoint p = lista->visualItemRect(lista->item(fila)).center();
    QTest::mouseClick(lista->viewport(), Qt::LeftButton, {}, p);
    if (doble)
        QTest::mouseDClick(lista->viewport(), Qt::LeftButton, {}, p);
}

// Runs accion on the access window once the seam has shown it modally; the
// window is closed afterwards if accion left it open, so nothing waits on it.
void EnVentanaDeAcceso(std::function<void(frmAcceso&)> accion) {
    auto* t = new QTimer;
    t->setInterval(10);
    QObject::connect(t, &QTimer::timeout, [t, accion] {
        auto* f = qobject_cast<frmAcceso*>(QApplication::activeModalWidget());
        if (f == nullptr)
            return;
        t->stop();
        t->deleteLater();
        accion(*f);
        if (f->isVisible())
            f->bcCancelar_Click();
    });
    t->start();
}

class Acceso : public ::testing::Test {
protected:
    void SetUp() override {
        guion = ReiniciarProceso();
        base = std::make_unique<BaseDePrueba>(QStringLiteral("CONTA"));
        Programa::EstablecerCarpeta(programa.ruta());
    }
    QString rutaBases() const { return programa.ruta(QStringLiteral("BASES.TXT")); }
    void registrar(const QByteArray& lineas) const {
        programa.escribir(QStringLiteral("BASES.TXT"), lineas);
    }
    QByteArray linea(const QString& nombre, const QString& bd, const QString& servidor) const {
        return (nombre + u',' + bd + u',' + bd + u',' + UtilGeneral::Encriptar(bd) + u',' +
                servidor + QStringLiteral("\r\n"))
            .toUtf8();
    }
    std::shared_ptr<DialogosGuion> guion;
    std::unique_ptr<BaseDePrueba> base;
    CarpetaTemporal programa;
};
} // namespace

TEST_F(Acceso, ElAvisoSeleccionadoSeReemplazaAlTipear) {
    frmAcceso f;
    Mostrar(f);
    EXPECT_EQ(f.windowTitle(), QStringLiteral("Control de Acceso"));
    EXPECT_EQ(QApplication::focusWidget(), f.TxtUserId);
    EXPECT_EQ(f.TxtUserId->text(), QStringLiteral("Ingrese el usuario"));
    EXPECT_EQ(f.TxtUserId->selectedText(), QStringLiteral("Ingrese el usuario"));
    QTest::keyClicks(f.TxtUserId, QStringLiteral("ana"));
    EXPECT_EQ(f.TxtUserId->text(), QStringLiteral("ana"));
    // A click puts the caret inside the prompt; typing still replaces it.
    EXPECT_EQ(f.TxtDbName->text(), QStringLiteral("ingrese el nombre de la base de datos"));
    QTest::mouseClick(f.TxtDbName, Qt::LeftButton, {}, QPoint(20, 5));
    QTest::keyClicks(f.TxtDbName, QStringLiteral("Conta"));
    EXPECT_EQ(f.TxtDbName->text(), QStringLiteral("Conta"));
    // Emptied, the box shows its prompt again, selected.
    f.TxtDbName->selectAll();
    QTest::keyClick(f.TxtDbName, Qt::Key_Backspace);
    EXPECT_EQ(f.TxtDbName->text(), QStringLiteral("ingrese el nombre de la base de datos"));
    EXPECT_EQ(f.TxtDbName->selectedText(), f.TxtDbName->text());
    // A prompt is not a value.
    const DatosAcceso d = f.Datos();
    EXPECT_TRUE(d.baseDatos.isEmpty());
    EXPECT_TRUE(d.servidor.isEmpty());
    EXPECT_EQ(d.usuario, QStringLiteral("ana"));
    EXPECT_EQ(f.TxtUserPassword->echoMode(), QLineEdit::Password);
    EXPECT_EQ(f.TxtPuerto->text(), QStringLiteral("1433"));
    EXPECT_EQ(f.TxtServidor->toolTip(),
              QStringLiteral("ingrese el nombre del servidor e instancia"));
}

TEST_F(Acceso, CuatroEnterLleganAConectarSinPulsarloYElQuintoConectaYRegistra) {
    frmAcceso f;
    Mostrar(f);
    QTest::keyClicks(f.TxtUserId, QStringLiteral("ana"));
    Enter();
    EXPECT_EQ(QApplication::focusWidget(), f.TxtUserPassword);
    QTest::keyClicks(f.TxtUserPassword, QStringLiteral("secreto"));
    Enter();
    EXPECT_EQ(QApplication::focusWidget(), f.TxtDbName);
    QTest::keyClicks(f.TxtDbName, QStringLiteral("Conta"));
    Enter();
    EXPECT_EQ(QApplication::focusWidget(), f.TxtServidor);
    QTest::keyClicks(f.TxtServidor, base->carpeta());
    Enter();
    EXPECT_EQ(QApplication::focusWidget(), f.bcAceptar);
    EXPECT_FALSE(f.Aceptar);
    EXPECT_TRUE(f.isVisible());
    EXPECT_FALSE(QFile::exists(rutaBases()));
    Enter(); // on the button: it is pressed
    EXPECT_TRUE(f.Aceptar);
    EXPECT_FALSE(f.isVisible());
    EXPECT_EQ(f.result(), QDialog::Accepted);
    EXPECT_EQ(sesion().gUsuarioLogeado, QStringLiteral("ana"));
    EXPECT_EQ(sesion().gClaveUsuario, QStringLiteral("secreto"));
    // No BASES.TXT yet: the typed connection was tested and registered.
    EXPECT_EQ(
        LineasDe(rutaBases()),
        QStringList{QString::fromUtf8(linea(QStringLiteral("CONTA / ") + base->carpeta().toUpper(),
                                            QStringLiteral("Conta"), base->carpeta()))
                        .trimmed()});
    EXPECT_TRUE(guion->prompts.isEmpty());
    const DatosAcceso d = f.Datos();
    EXPECT_EQ(d.servidor, base->carpeta());
    EXPECT_EQ(d.baseDatos, QStringLiteral("Conta"));
    EXPECT_EQ(d.clave, QStringLiteral("secreto"));
}

TEST_F(Acceso, ConectarSinBaseNiServidorLoPideYNoSeCierra) {
    frmAcceso f;
    Mostrar(f);
    f.bcAceptar->click();
    EXPECT_TRUE(f.isVisible());
    EXPECT_FALSE(f.Aceptar);
    EXPECT_EQ(guion->mensajes(),
              QStringList{QStringLiteral("Ingrese el nombre de la base de datos.")});
    EXPECT_EQ(QApplication::focusWidget(), f.TxtDbName);
    QTest::keyClicks(f.TxtDbName, QStringLiteral("Conta"));
    f.CmdRegistrar->click();
    EXPECT_EQ(guion->mensajes().last(), QStringLiteral("Ingrese el nombre del servidor."));
    EXPECT_FALSE(QFile::exists(rutaBases()));
    // Oracle names its data source in the database box and needs no server.
    f.CboPlataformaDB->setCurrentIndex(1);
    registrar(QByteArray());
    f.bcAceptar->click();
    EXPECT_TRUE(f.Aceptar);
    EXPECT_EQ(f.Datos().plataforma, 1);
}

TEST_F(Acceso, ElegirUnaConexionLlenaServidorPuertoYBaseYVaciaUsuarioYClave) {
    registrar(linea(QStringLiteral("CONTABLE / SRV01"), QStringLiteral("Contable"),
                    QStringLiteral("srv01:1433")) +
              linea(QStringLiteral("VENTAS / SRV02"), QStringLiteral("Ventas"),
                    QStringLiteral("srv02:1500")) +
              linea(QStringLiteral("CONTA / ") + base->carpeta().toUpper(), QStringLiteral("CONTA"),
                    base->carpeta()));
    frmAcceso f;
    Mostrar(f);
    ASSERT_EQ(f.lstBases->count(), 3);
    EXPECT_EQ(f.lstBases->currentRow(), 0);
    QTest::keyClicks(f.TxtUserId, QStringLiteral("ana"));
    f.TxtUserPassword->setText(QStringLiteral("secreto"));
    ClicEnItem(f.lstBases, 0);
    EXPECT_EQ(f.TxtServidor->text(), QStringLiteral("SRV01"));
    EXPECT_EQ(f.TxtPuerto->text(), QStringLiteral("1433"));
    EXPECT_EQ(f.TxtDbName->text(), QStringLiteral("Contable"));
    EXPECT_EQ(f.TxtUserId->text(), QString());
    EXPECT_EQ(f.TxtUserPassword->text(), QString());
    EXPECT_EQ(f.Datos().servidor, QStringLiteral("SRV01"));
    // By keyboard: the port of the connection chosen goes with its server.
    f.lstBases->setFocus();
    QTest::keyClick(f.lstBases, Qt::Key_Down);
    EXPECT_EQ(f.TxtServidor->text(), QStringLiteral("SRV02"));
    EXPECT_EQ(f.TxtPuerto->text(), QStringLiteral("1500"));
    EXPECT_EQ(f.Datos().servidor, QStringLiteral("SRV02,1500"));
    // A registration without a port leaves no port behind.
    QTest::keyClick(f.lstBases, Qt::Key_Down);
    EXPECT_EQ(f.TxtServidor->text(), base->carpeta());
    EXPECT_EQ(f.TxtPuerto->text(), QString());
    EXPECT_FALSE(f.Aceptar);
    // A double click chooses and connects.
    ClicEnItem(f.lstBases, 1, true);
    EXPECT_TRUE(f.Aceptar);
    EXPECT_FALSE(f.isVisible());
    EXPECT_EQ(f.Datos().baseDatos, QStringLiteral("Ventas"));
    EXPECT_TRUE(guion->prompts.isEmpty());
    EXPECT_EQ(LineasDe(rutaBases()).size(), 3);
}

TEST_F(Acceso, RegistrarDosVecesEnCualquierCasoSeRechaza) {
    frmAcceso f;
    Mostrar(f);
    EXPECT_EQ(f.lstBases->count(), 0);
    QTest::keyClicks(f.TxtDbName, QStringLiteral("conta"));
    QTest::keyClicks(f.TxtServidor, QStringLiteral("  ") + base->carpeta());
    f.TxtPuerto->clear();
    f.CmdRegistrar->click();
    EXPECT_EQ(f.TxtServidor->text(), base->carpeta()); // trimmed in place
    ASSERT_EQ(f.lstBases->count(), 1);
    EXPECT_EQ(f.lstBases->item(0)->text(), QStringLiteral("CONTA / ") + base->carpeta().toUpper());
    EXPECT_TRUE(guion->prompts.isEmpty());
    f.TxtDbName->setText(QStringLiteral("CONTA"));
    f.CmdRegistrar->click();
    EXPECT_EQ(guion->mensajes(),
              QStringList{QStringLiteral("La conexion que intenta registrar ya existe ")});
    EXPECT_EQ(f.lstBases->count(), 1);
    EXPECT_EQ(LineasDe(rutaBases()).size(), 1);
    EXPECT_TRUE(f.isVisible());
}

TEST_F(Acceso, ElServidorConComaSeRegistraYSeLeeEntero) {
    // "Registrar" cannot reach this server here; the line is what the
    // window reads back from a file holding it.
    registrar(QByteArray("\"CONTA / SRV01,1433\",Conta,Conta,,\"srv01,1433\"\r\n") +
              linea(QStringLiteral("OTRA / S"), QStringLiteral("Otra"), QStringLiteral("s")));
    frmAcceso f;
    Mostrar(f);
    ASSERT_EQ(f.lstBases->count(), 2);
    EXPECT_EQ(f.lstBases->item(0)->text(), QStringLiteral("CONTA / SRV01,1433"));
    ClicEnItem(f.lstBases, 0);
    EXPECT_EQ(f.TxtServidor->text(), QStringLiteral("srv01,1433"));
    EXPECT_EQ(f.TxtDbName->text(), QStringLiteral("Conta"));
    EXPECT_EQ(f.Datos().servidor, QStringLiteral("srv01,1433"));
}

TEST_F(Acceso, AccesoDirectoUnaVezSinClaveYLuegoYaExiste) {
    CarpetaTemporal escritorio;
    frmAcceso f;
    f.carpetaEscritorio = escritorio.ruta();
    Mostrar(f);
    QTest::keyClicks(f.TxtUserId, QStringLiteral("ana"));
    f.TxtUserPassword->setText(QStringLiteral("secreto"));
    QTest::keyClicks(f.TxtDbName, QStringLiteral("Em\"presa $HOME 100%"));
    QTest::keyClicks(f.TxtServidor, QStringLiteral("srv01"));
    f.CmdLineaComando->click();
    EXPECT_EQ(guion->mensajes(),
              QStringList{QStringLiteral("Acceso directo creado correctamente en el escritorio.")});
    const QString ruta =
        escritorio.ruta(QCoreApplication::applicationName() + QStringLiteral(".desktop"));
    QFile lanzador(ruta);
    ASSERT_TRUE(lanzador.open(QIODevice::ReadOnly));
    const QString texto = QString::fromUtf8(lanzador.readAll());
    EXPECT_FALSE(texto.contains(QStringLiteral("secreto")));
    EXPECT_TRUE(texto.contains(QStringLiteral("@dbname=Em\\\\\"presa \\\\$HOME 100%%;")));
    EXPECT_TRUE(texto.contains(QStringLiteral("@Password=;")));
    f.CmdLineaComando->click();
    EXPECT_EQ(guion->mensajes().last(), QStringLiteral("El acceso directo ya existe."));
    // A user with a line break is refused, not written.
    QFile::remove(ruta);
    f.TxtUserId->setText(QStringLiteral("ana\nExec=rm"));
    f.CmdLineaComando->click();
    EXPECT_TRUE(guion->mensajes().last().contains(QStringLiteral("saltos de línea")));
    EXPECT_FALSE(QFile::exists(ruta));
}

TEST_F(Acceso, ElEnlaceSeAbreConElNavegador) {
    QString abierto;
    InfoSistema::EstablecerLanzador([&](const QString& archivo, const QString&, const QString&) {
        abierto = archivo;
        return true;
    });
    frmAcceso f;
    Mostrar(f);
    EXPECT_TRUE(f.Label8->text().contains(frmAcceso::kDireccionProducto));
    emit f.Label8->linkActivated(frmAcceso::kDireccionProducto);
    EXPECT_EQ(abierto, frmAcceso::kDireccionProducto);
}

TEST_F(Acceso, LaCosturaMuestraLaVentanaConLosDatosYDevuelveLoTipeado) {
    registrar(linea(QStringLiteral("X / S"), QStringLiteral("X"), QStringLiteral("s")));
    gDisplay().CartelInicio(QStringLiteral("Conectando Base de Datos"), false);
    ASSERT_TRUE(gDisplay().ventana()->isVisible());
    bool cartelVisible = true;
    EnVentanaDeAcceso([&](frmAcceso& f) {
        cartelVisible = gDisplay().ventana()->isVisible();
        EXPECT_EQ(f.TxtDbName->text(), QStringLiteral("CONTA"));
        EXPECT_EQ(f.TxtServidor->text(), QStringLiteral("srv01"));
        EXPECT_EQ(f.TxtUserId->text(), QStringLiteral("ana"));
        EXPECT_EQ(f.TxtUserPassword->text(), QStringLiteral("* *"));
        f.TxtPuerto->setText(QStringLiteral("1500"));
        f.TxtUserPassword->setText(QStringLiteral("clave"));
        f.bcAceptar->click();
    });
    DatosAcceso d{QStringLiteral("CONTA"), QStringLiteral("srv01"), QStringLiteral("ana"),
                  QStringLiteral("* *"), 0};
    EXPECT_TRUE(DialogosQt().Acceso(d));
    EXPECT_FALSE(cartelVisible); // the progress sign is not left behind the window
    EXPECT_TRUE(gDisplay().ventana()->isVisible());
    EXPECT_EQ(d.servidor, QStringLiteral("srv01,1500"));
    EXPECT_EQ(d.baseDatos, QStringLiteral("CONTA"));
    EXPECT_EQ(d.usuario, QStringLiteral("ana"));
    EXPECT_EQ(d.clave, QStringLiteral("clave"));
    // Cancelar: nothing comes back.
    EnVentanaDeAcceso([](frmAcceso& f) { f.bcCancelar->click(); });
    DatosAcceso otra{QStringLiteral("CONTA"), QString(), QString(), QString(), 0};
    EXPECT_FALSE(DialogosQt().Acceso(otra));
    EXPECT_EQ(otra.baseDatos, QStringLiteral("CONTA"));
    EXPECT_TRUE(guion->prompts.isEmpty());
}
