#include "Inicio.h"
#include "Configuracion.h"
#include "ConsultasInicio.h"
#include "ContratoErrores.h"
#include "DB_Dll.h"
#include "Dll_Display.h"
#include "FrmTarquel.h"
#include "ParametrosLinea.h"
#include "Programa.h"
#include "Sesion.h"
#include "UtilGeneral.h"
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QTimer>
#include <cmath>

namespace {

// Login of the session user against the users table. Not built yet: the user
// named by the parameter string is taken as logged in.
void ValidarInicioSesion() {}

// The program entry log. Not built yet: no entry row is written.
void RegistrarIngreso(const QString&) {}

// Renders the window into a PNG file and returns true when TARQUEL_CAPTURA
// names one: the way to look at the window without a display.
bool Capturar(FrmTarquel& f) {
    const QString ruta = qEnvironmentVariable("TARQUEL_CAPTURA");
    if (ruta.isEmpty())
        return false;
    f.show();
    // TARQUEL_CAPTURA_EJECUTAR=1 runs the query first, as "&Ejecutar >>>" does.
    if (qEnvironmentVariableIntValue("TARQUEL_CAPTURA_EJECUTAR") == 1)
        f.CmdEjecutar_Click();
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
    f.grab().toImage().save(ruta, "PNG");
    f.close();
    return true;
}

} // namespace

int TrampaInicio(const ErrorVB& e) {
    gDisplay().CartelCerrar();
    if (e.numero == CodigosError::ArgumentoInvalido)
        return Respuestas::Ignorar;
    Programa::Terminar(0);
}

void ConectarEstadisticas() {
    Sesion& s = sesion();
    DB_Dll& e = gDBEstadisticas();
    s.gTimeOut = 45;
    if (e.gCnn && e.gCnn->State() == 1)
        e.gCnn->Close();
    e.gProveedor = gDB().pSQLOLEDB();
    e.gServidor = gDB().gServidor;
    e.gDBName = e.gUsuario = e.gUserPassWord = QStringLiteral("QD_ESTADISTICAS");
    e.OpenServerADODB(false, 3, QString(), true, false);
    if (e.gOpenFlag) {
        IgnorandoErrores([&] { e.gCnn->SetDefaultDatabase(QStringLiteral("QD_ESTADISTICAS")); });
        QString aux;
        const double v = UtilGeneral::ValorNumero(CfgQD(QStringLiteral("TimeOut"), aux));
        s.gTimeOut = static_cast<std::int16_t>(std::clamp<long>(std::lround(v), -32768, 32767));
        if (s.gTimeOut == 0)
            GrabaCfgQD(QStringLiteral("TimeOut"), s.gTimeOut, QString(), false,
                       QStringLiteral("BaseDeDatos"), true);
    }
    if (s.gTimeOut == 0)
        s.gTimeOut = 45;
}

void IniciarAplicacion() {
    Sesion& s = sesion();
    DB_Dll& db = gDB();
    ContratoErrores trampa(TrampaInicio);
    ParametrosInicio p;
    bool cancelado = false;
    trampa.paso(
        [&] { gDisplay().CartelInicio(QStringLiteral("Conectando Base de Datos"), false); });
    trampa.paso([&] {
        gDisplay().CartelMostrar(cancelado, QStringLiteral("Iniciando Aplicacion"),
                                 Programa::NombreEjecutable(), QStringLiteral("Espere por favor"));
    });
    trampa.paso(
        [&] { s.gArchivoAyuda = Programa::Carpeta() + QStringLiteral("htmlhelp/brevanta.chm"); });
    trampa.paso([&] {
        s.gColorLetra = 0;
        s.gColorFondo = 0xFFFFFF;
    });
    trampa.paso([&] { p = ParsearParametros(Programa::LineaComando()); });
    trampa.paso([&] {
        db.gUsuario = p.baseDatos;
        db.gDBName = p.baseDatos;
        db.gUserPassWord = p.baseDatos;
        db.gServidor = ObtenerServidor(p.servidor);
        db.OpenServerADODB(p.servidor.trimmed().isEmpty() || p.usuario.trimmed().isEmpty(), 3,
                           p.cadenaConexion, true, true);
    });
    trampa.paso([&] {
        if (!db.gOpenFlag)
            Programa::Terminar(0);
    });
    trampa.paso([&] { ConectarEstadisticas(); });
    trampa.paso([&] {
        db.gCnn->CommandTimeout = s.gTimeOut;
        db.gCnn->SetIsolationLevel(256);
    });
    if (!db.gDBName.isEmpty()) {
        trampa.paso([&] { db.gCnn->SetDefaultDatabase(db.gDBName); });
        trampa.paso([&] { PrepararDialogoConsulta(); });
        trampa.paso([&] { db.gCnn->SetDefaultDatabase(db.gDBName); });
        trampa.paso([&] { CargarConfiguracionSesion(); });
    }
    trampa.paso([&] { ValidarInicioSesion(); });
    trampa.paso([&] { RegistrarIngreso(QString()); });
    trampa.paso([&] { gDisplay().CartelCerrar(); });
}

int Main() {
    IniciarAplicacion();
    sesion().gModoPlanilla = 1;
    FrmTarquel f;
    if (Capturar(f))
        return 0;
    f.exec();
    return 0;
}
