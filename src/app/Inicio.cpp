#include "Inicio.h"
#include "Configuracion.h"
#include "ConsultasInicio.h"
#include "ContratoErrores.h"
#include "DB_Dll.h"
#include "Dll_Display.h"
#include "FrmTarquel.h"
#include "ParametrosLinea.h"
#include "Programa.h"
#include "RegistroAcciones.h"
#include "RegistroIngreso.h"
#include "Sesion.h"
#include "Usuarios.h"
#include "UtilGeneral.h"
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QTimer>
#include <cmath>

namespace {

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

namespace {
bool igual(const QString& a, const QString& b) {
    return a.trimmed().compare(b.trimmed(), Qt::CaseInsensitive) == 0;
}

// The main data-access object configured from the parameter values and
// opened; the access window asks for server and database when the server or
// the user is missing.
void Conectar(ContratoErrores& trampa, const ParametrosInicio& p) {
    trampa.paso([&] {
        DB_Dll& db = gDB();
        db.gUsuario = p.baseDatos;
        db.gDBName = p.baseDatos;
        db.gUserPassWord = p.baseDatos;
        db.gServidor = ObtenerServidor(p.servidor);
        db.OpenServerADODB(p.servidor.trimmed().isEmpty() || p.usuario.trimmed().isEmpty(), 3,
                           p.cadenaConexion, true, true);
    });
}

// What follows a connection: the end of the process when it did not open,
// the statistics connection, the time-out and the isolation level, the
// search dialog and the session configuration.
void PrepararConexion(ContratoErrores& trampa) {
    DB_Dll& db = gDB();
    trampa.paso([&] {
        if (!db.gOpenFlag)
            Programa::Terminar(0);
    });
    trampa.paso([&] { ConectarEstadisticas(); });
    trampa.paso([&] {
        db.gCnn->CommandTimeout = sesion().gTimeOut;
        db.gCnn->SetIsolationLevel(256);
    });
    if (!db.gDBName.isEmpty()) {
        trampa.paso([&] { db.gCnn->SetDefaultDatabase(db.gDBName); });
        trampa.paso([&] { PrepararDialogoConsulta(); });
        trampa.paso([&] { db.gCnn->SetDefaultDatabase(db.gDBName); });
        trampa.paso([&] { CargarConfiguracionSesion(); });
    }
}

// Another database or server typed in the access window: the connection is
// made again with them and everything that follows a connection runs again.
void Reconectar(ContratoErrores& trampa, ParametrosInicio& p, const DatosAcceso& datos) {
    DB_Dll& db = gDB();
    db.gDBName = datos.baseDatos;
    db.gServidor = datos.servidor;
    p.baseDatos = datos.baseDatos;
    p.servidor = datos.servidor;
    if (db.gCnn) {
        db.gCnn->Close();
        db.gCnn->Errors.clear();
    }
    Conectar(trampa, p);
    PrepararConexion(trampa);
}

// The login: the session user with the password passed, then up to three
// attempts in the access window. Ends the process on Cancel and after the
// third failure; returns only once a user is validated.
void ValidarInicioSesion(ContratoErrores& trampa, ParametrosInicio& p) {
    Sesion& s = sesion();
    DB_Dll& db = gDB();
    for (;;) {
        ResolverMarcaClave();
        if (ValidarUsuario(s.gUsuarioLogeado, s.gClaveUsuario))
            return;
        dialogos().Mensaje(QStringLiteral("El usuario o clave en la base de datos es incorrecto!"
                                          "\r\nIntentelo nuevamente"),
                           EstilosMensaje::Critico | EstilosMensaje::SoloAceptar,
                           QStringLiteral("Atencion!"));
        std::optional<DatosAcceso> otraBase;
        for (int intento = 1; intento <= 3; ++intento) {
            DatosAcceso datos{db.gDBName, db.gServidor, s.gUsuarioLogeado, s.gClaveUsuario, 0};
            if (!dialogos().Acceso(datos))
                Programa::Terminar(0);
            s.gUsuarioLogeado = datos.usuario;
            s.gClaveUsuario = datos.clave;
            if (ValidarUsuario(s.gUsuarioLogeado, s.gClaveUsuario)) {
                if (igual(datos.baseDatos, db.gDBName) && igual(datos.servidor, db.gServidor))
                    return;
                otraBase = datos;
                break;
            }
            dialogos().Mensaje(QStringLiteral("Usuario o Clave incorrecta"),
                               EstilosMensaje::Informacion | EstilosMensaje::SoloAceptar,
                               QStringLiteral("Atencion"));
            QString complemento = QStringLiteral("0");
            RegistrarAccion(QString(), QString(), complemento, true, false,
                            QStringLiteral("Intento de inicio de sesion fallido"), QString(),
                            false);
        }
        if (!otraBase) {
            dialogos().Mensaje(QStringLiteral("Demasiados intentos para iniciar sesión!\r\n"
                                              "Comuniquese con el administrador de sistemas"),
                               EstilosMensaje::Critico | EstilosMensaje::SoloAceptar,
                               QStringLiteral("Atencion!"));
            Programa::Terminar(0);
        }
        Reconectar(trampa, p, *otraBase);
    }
}
} // namespace

void IniciarAplicacion() {
    Sesion& s = sesion();
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
    Conectar(trampa, p);
    PrepararConexion(trampa);
    // Whatever ends the login, the session goes on only with a validated user.
    bool validado = false;
    trampa.paso([&] {
        ValidarInicioSesion(trampa, p);
        validado = true;
    });
    if (!validado)
        Programa::Terminar(0);
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
