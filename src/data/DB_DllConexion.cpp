// Connection management of the data-access class: connection strings, the
// access window exchange, opening, keeping the connection alive and the
// recovery when it is lost.
#include "ContratoErrores.h"
#include "DB_Dll.h"
#include "Dialogos.h"
#include "Eventos.h"
#include "Programa.h"
#include "Sesion.h"
#include "UtilGeneral.h"
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <cmath>

namespace {
const QString CR = QStringLiteral("\r");
const QString CRLF = QStringLiteral("\r\n");

bool contieneSinCaso(const QString& texto, const QString& buscado) {
    return texto.contains(buscado, Qt::CaseInsensitive);
}
} // namespace

int DB_Dll::esperaReconexionMs = kEsperaReconexionMs;

namespace {
// The process-wide instances live until the application object goes: their
// connections are closed while the database drivers still exist.
DB_Dll& instancia(DB_Dll& d) {
    static bool registrado = false;
    if (!registrado && QCoreApplication::instance() != nullptr) {
        registrado = true;
        qAddPostRoutine([] {
            gDB() = DB_Dll();
            gDBEstadisticas() = DB_Dll();
        });
    }
    return d;
}
} // namespace

DB_Dll& gDB() {
    static DB_Dll d;
    return instancia(d);
}

DB_Dll& gDBEstadisticas() {
    static DB_Dll d;
    return instancia(d);
}

Conexion& DB_Dll::conexion() {
    if (!gCnn)
        gCnn = std::make_shared<Conexion>();
    return *gCnn;
}

void DB_Dll::ArmarCadenaConexion() {
    if (contieneSinCaso(gServidor, QStringLiteral("#"))) {
        gConnString = QStringLiteral("Provider=OraOLEDB.Oracle.1;Data Source=") + gDBName +
                      QStringLiteral(";User Id=") + gUsuario + QStringLiteral(";Password=") +
                      gUserPassWord + QStringLiteral(";");
        return;
    }
    QString s;
    s += QStringLiteral("PROVIDER=") + pSQLOLEDB() + QStringLiteral(";");
    s += QStringLiteral("Server=") + gServidor + QStringLiteral(";");
    s += QStringLiteral("Database =") + gDBName + QStringLiteral(";");
    s += QStringLiteral("UId=") + gUsuario + QStringLiteral(";");
    s += QStringLiteral("Pwd=") + gUserPassWord + QStringLiteral(";");
    if (!contieneSinCaso(s, QStringLiteral("Connect Timeout=")))
        s += QStringLiteral("Connect Timeout=5;");
    s += gExtended;
    gConnString = s;
}

void DB_Dll::PedirParametrosConexion() {
    Sesion& s = sesion();
    DatosAcceso datos{gDBName, gServidor, s.gUsuarioLogeado, s.gClaveUsuario, 0};
    if (dialogos().Acceso(datos)) {
        // "Conectar" keeps the application user and password typed.
        s.gUsuarioLogeado = datos.usuario;
        s.gClaveUsuario = datos.clave;
        gOpenFlag = true;
        gDBName = datos.baseDatos;
        gServidor = datos.servidor;
        // The suite's database logins are named after the database.
        gUsuario = datos.baseDatos;
        gUserPassWord = datos.baseDatos;
        if (datos.plataforma > 0) {
            gProveedor = QStringLiteral("OraOLEDB.Oracle.1");
            if (!gServidor.contains(u'#'))
                gServidor += u'#';
        } else {
            gProveedor = pSQLOLEDB();
        }
    } else {
        gOpenFlag = false;
    }
}

QString DB_Dll::MensajeErrorConexion(const ErrorProveedor& pe) const {
    return QStringLiteral(" Estado de Sql: ") + pe.SQLState + CR +
           QStringLiteral("Numero de Error: ") + QString::number(pe.Number) + CR +
           QStringLiteral("Descripcion: ") + pe.Description + CR +
           QStringLiteral("Codigo Nativo: ") + QString::number(pe.NativeError) + CR + CRLF +
           QStringLiteral("Nombre de Proceso: ") + Programa::NombreEjecutable() + CR + CRLF + CRLF +
           QStringLiteral("1. Verifique el Usuario, contraseña y base de datos") + CRLF +
           QStringLiteral("2. Verifique el nombre del servidor, quizas necesite agregarle el "
                          "nombre de la instancia, por ejemplo : ") +
           gServidor + QStringLiteral("\\ORVALIS") + CRLF +
           QStringLiteral("3. Verifique si el inicio de sesion para el usuario ") + gUsuario +
           QStringLiteral(" existe") + CRLF + CRLF + CRLF +
           QStringLiteral(" - Desea Intentarlo Nuevamente??? ");
}

void DB_Dll::OpenServerADODB(bool PideParametrosSQL, int lCursor, const QString& ConnString,
                             bool ValidaAdmin, bool MuestraError) {
    using Decision = ContratoErrores::Decision;
    gOpenFlag = true;
    if (gProveedor.isEmpty())
        gProveedor = QStringLiteral("SQLOLEDB");
    bool yaReintentado = false;
    // An object found already open is closed and the step repeated, once per call.
    auto cerrarYRepetir = [&](const ErrorVB& e) {
        if (e.numero != CodigosError::ObjetoAbierto || yaReintentado)
            return false;
        yaReintentado = true;
        gCnn->Close();
        return true;
    };
    ContratoErrores contrato(
        [&](const ErrorVB& e) {
            if (!MuestraError) {
                if (cerrarYRepetir(e))
                    return Decision::Repetir;
                gOpenFlag = false;
                return Decision::Salir;
            }
            if (const ErrorProveedor* pe = errorProveedor(e);
                pe != nullptr && pe->NativeError == CodigosNativos::Bloqueo) {
                // Another program keeps the database: wait for it or give up.
                if (PreguntarOcupada(*pe))
                    return Decision::Repetir;
                gOpenFlag = false;
                return Decision::Salir;
            } else if (pe != nullptr && pe->NativeError == CodigosNativos::BaseDaniada) {
                const int r = dialogos().Mensaje(
                    QStringLiteral("La base de datos ") + gDBName +
                        QStringLiteral(" no se puede usar: el archivo está dañado o no es una "
                                       "base de datos.") +
                        CRLF + CRLF + QStringLiteral("Detalle: ") + pe->Description + CRLF + CRLF +
                        QStringLiteral("¿Desea conectarse a otra base de datos?"),
                    EstilosMensaje::SiNo | EstilosMensaje::Critico,
                    QStringLiteral("Base de datos dañada"));
                gCnn->Errors.clear();
                if (r == Respuestas::Si)
                    PedirParametrosConexion();
                else
                    gOpenFlag = false;
                if (!gOpenFlag)
                    return Decision::Salir;
                ArmarCadenaConexion();
                return Decision::Repetir;
            }
            if (gCnn && !gCnn->Errors.isEmpty()) {
                // The provider refused: the operator may correct the access data.
                const int r =
                    dialogos().Mensaje(MensajeErrorConexion(gCnn->Errors.first()),
                                       EstilosMensaje::SiNo | EstilosMensaje::Critico,
                                       QStringLiteral(" Error de Conexion a Base de Datos"));
                if (r == Respuestas::No) {
                    gOpenFlag = false;
                    return Decision::Salir;
                }
                gCnn->Errors.clear();
                PedirParametrosConexion();
                if (!gOpenFlag)
                    return Decision::Salir; // the access window was cancelled
                ArmarCadenaConexion();
                return Decision::Repetir;
            }
            return cerrarYRepetir(e) ? Decision::Repetir : Decision::Tratar;
        },
        // Any other error is shown and the routine leaves, gOpenFlag as it was.
        [](const ErrorVB& e) {
            dialogos().Mensaje(e.descripcion, EstilosMensaje::SoloAceptar, QString());
            return Respuestas::Aceptar;
        });

    contrato.pasos(
        [&] {
            if (!ConnString.trimmed().isEmpty())
                gConnString = ConnString;
            else
                ArmarCadenaConexion();
        },
        [&] {
            if (!PideParametrosSQL)
                return;
            PedirParametrosConexion();
            if (!gOpenFlag)
                contrato.salir(); // the access window was cancelled: nothing is opened
            else
                ArmarCadenaConexion();
        },
        [&] {
            Conexion& cn = conexion();
            cn.ConnectionTimeout = 3;
            cn.CursorLocation = lCursor;
            cn.Open(gConnString);
        },
        [&] {
            if (!ValidaAdmin) {
                gEsAdmin = true;
            } else if (!gDBName.trimmed().isEmpty()) {
                gCnn->SetDefaultDatabase(gDBName);
                if (ExisteTablaDB(QStringLiteral("TA_USUARIOS"))) {
                    if (!MuestraError) {
                        gEsAdmin = true;
                    } else {
                        const QString v =
                            DatosTabla(QStringLiteral("ta_usuarios"), sesion().gUsuarioLogeado,
                                       QStringLiteral("Administrador"), QStringLiteral("nombre"), 8,
                                       QString(), true, false);
                        gEsAdmin = UtilGeneral::ValorNumero(v) == 1.0;
                    }
                }
            }
        });
}

void DB_Dll::BuscarArchivoBase(bool& cancelado) {
    Dialogos& d = CmdDlg != nullptr ? *CmdDlg : dialogos();
    const std::optional<QString> ruta =
        d.ElegirArchivo(QStringLiteral("Buscar Base de Datos"),
                        QStringLiteral("Base de Datos de Microsoft Access |*.MDB"));
    cancelado = !ruta.has_value();
    if (ruta)
        gDBName = *ruta;
}

void DB_Dll::OpenLocalADODB(const QString& ConnString, const QString& CadenaID,
                            const QString& CadenaPWD) {
    using Decision = ContratoErrores::Decision;
    // The file is asked for when its name is blank; false when the chooser
    // was cancelled.
    auto archivoElegido = [&] {
        bool cancelado = false;
        if (gDBName.trimmed().isEmpty())
            BuscarArchivoBase(cancelado);
        return !cancelado;
    };
    auto cadenaLocal = [&] {
        return !ConnString.isEmpty()
                   ? ConnString
                   : QStringLiteral("PROVIDER=") + gProveedor + QStringLiteral(";") +
                         QStringLiteral("Data Source =") + gDBName + QStringLiteral(";") +
                         CadenaID + QStringLiteral("=") + gUsuario + QStringLiteral(";") +
                         CadenaPWD + QStringLiteral("=") + gUserPassWord + QStringLiteral(";") +
                         gExtended;
    };
    QString cadena;
    ContratoErrores contrato(
        [&](const ErrorVB&) {
            if (!gCnn || gCnn->Errors.isEmpty())
                return Decision::Tratar;
            const QString estado = gCnn->Errors.first().SQLState;
            if (estado == QLatin1String("3024") || estado == QLatin1String("3051") ||
                estado == QLatin1String("3044")) {
                // File missing, locked or out of reach: another one is chosen.
                bool cancelado = false;
                BuscarArchivoBase(cancelado);
                if (cancelado || !archivoElegido())
                    return Decision::Salir;
                cadena = cadenaLocal();
                return Decision::Repetir;
            }
            if (estado == QLatin1String("3031")) {
                // The file has a password.
                if (gIgnoraPassWord.toBool()) {
                    cadena += QStringLiteral("Jet OLEDB:Database Password=") + gUserPassWord +
                              QStringLiteral(";");
                } else {
                    const QString clave =
                        dialogos().Entrada(QStringLiteral("ingrese el password:"),
                                           QStringLiteral("Password Access"), QString());
                    cadena += QStringLiteral(" Jet OLEDB:Database Password=") + clave +
                              QStringLiteral(";");
                }
                return Decision::Repetir;
            }
            return Decision::Tratar;
        },
        [](const ErrorVB& e) {
            dialogos().Mensaje(QString::number(e.numero) + QStringLiteral("  ") + e.descripcion,
                               EstilosMensaje::Critico, QString());
            return Respuestas::Aceptar;
        });

    contrato.pasos(
        [&] {
            if (!archivoElegido())
                contrato.salir();
        },
        [&] { cadena = cadenaLocal(); },
        [&] {
            conexion().Open(cadena);
            gConnString = cadena;
        });
}

bool DB_Dll::AsegurarConexion() {
    int recuperadas = 0;
    ContratoErrores contrato(
        [this, &recuperadas](const ErrorVB& e) {
            return RecuperarConexion(e, contadorAsegurar_, QStringLiteral("AsegurarConexion"),
                                     recuperadas);
        },
        [](const ErrorVB& e) {
            return UtilGeneral::DialogoError(e, 18, QStringLiteral("AsegurarConexion"));
        });
    bool abierta = false;
    contrato.paso([&] {
        Conexion& cn = conexion();
        if (cn.State() != 1)
            cn.Open(gConnString);
        gOpenFlag = cn.State() == 1;
        abierta = gOpenFlag;
    });
    return abierta;
}

bool DB_Dll::ReintentaConectar() {
    gOpenFlag = false;
    if (!gCnn)
        return false; // a fresh connection object has no string to reopen with
    QString texto = gConnString;
    if (gCnn->State() != 0)
        IgnorandoErrores([&] { gCnn->Close(); });
    try {
        if (texto.isEmpty())
            texto = gCnn->ConnectionString;
        if (texto.isEmpty())
            return false;
        if (!contieneSinCaso(texto, QStringLiteral("Connect Timeout=")))
            texto += QStringLiteral(";Connect Timeout=5");
        gCnn->ConnectionTimeout = 5;
        gCnn->CommandTimeout = 10;
        gCnn->Open(texto);
        gOpenFlag = gCnn->State() == 1;
        return gOpenFlag;
    } catch (const ErrorVB&) {
        gOpenFlag = false;
        return false;
    }
}

int DB_Dll::EvaluarPerdidaConexion(long numero, std::int16_t& contador, const QString& rutina) {
    if (numero != CodigosError::FalloProveedor && numero != CodigosError::ConexionCerrada &&
        numero != CodigosError::ObjetoCerrado)
        return 0;
    if (contador < 2) {
        ++contador;
        if (ReintentaConectar()) {
            contador = 0;
            return 1;
        }
    }
    if (preguntaEnPantalla_)
        return 0;
    preguntaEnPantalla_ = true;
    const int r = dialogos().Mensaje(QStringLiteral("SE PERDIÓ LA CONEXION CON EL SERVIDOR. (") +
                                         gServidor + QStringLiteral(") ") + CRLF + CRLF +
                                         QStringLiteral("¿Querés que intentemos reconectar (Sí) ") +
                                         CRLF + QStringLiteral("o cerrar la aplicación (No)?"),
                                     EstilosMensaje::SiNo | EstilosMensaje::Critico,
                                     QStringLiteral("Conexión a la base de datos"));
    preguntaEnPantalla_ = false;
    if (r == Respuestas::Si && IntentarReconexion(10, rutina)) {
        contador = 0;
        return 1;
    }
    return 2;
}

bool DB_Dll::IntentarReconexion(std::int16_t intentos, const QString& rutina) {
    std::unique_ptr<VentanaReconexion> v = dialogos().Reconexion();
    bool resultado = false;
    int n = intentos;
    for (;;) {
        IgnorandoErrores([&] {
            v->LimpiarBanderas();
            v->Mostrar(QStringLiteral("Intentando reconectar con el servidor") + QChar(0x2026),
                       QStringLiteral("Intentando reconectar con el servidor...") + CRLF + rutina);
            v->Progreso(0);
            DejarCorrerEventos();
        });
        for (int i = 1; i <= n; ++i) {
            if (v->Cancelar() || v->Reintentar())
                break;
            v->Progreso(static_cast<int>(std::lround(i * 100.0 / n)));
            v->ReintentarHabilitado(i == n);
            DejarCorrerEventos();
            if (ReintentaConectar()) {
                resultado = true;
                break;
            }
            QElapsedTimer t;
            t.start();
            while (t.elapsed() < esperaReconexionMs) {
                DejarCorrerEventos();
                QThread::msleep(
                    std::min<qint64>(20, std::max<qint64>(0, esperaReconexionMs - t.elapsed())));
            }
            DejarCorrerEventos();
        }
        if (v->Cancelar()) {
            v->Cerrar();
            return resultado;
        }
        if (gOpenFlag) {
            v->Cerrar();
            return true;
        }
        n = 10;
        v->Progreso(0);
    }
}

ContratoErrores::Decision DB_Dll::RecuperarConexion(const ErrorVB& error, std::int16_t& contador,
                                                    const QString& rutina, int& recuperadas) {
    using Decision = ContratoErrores::Decision;
    if (const Decision d = RecuperarBaseInutil(error); d != Decision::Tratar)
        return d;
    if (recuperadas >= 3)
        return Decision::Tratar; // reopening does not mend this failure
    switch (EvaluarPerdidaConexion(error.numero, contador, rutina)) {
    case 1:
        ++recuperadas;
        return Decision::Repetir;
    case 2:
        Programa::Terminar();
    default:
        return Decision::Tratar;
    }
}

const ErrorProveedor* DB_Dll::errorProveedor(const ErrorVB& error) const {
    // A failure raised without a provider error (a closed object) leaves the
    // collection of an earlier one: only a matching number tells.
    if (!gCnn || gCnn->Errors.isEmpty() || gCnn->Errors.first().Number != error.numero)
        return nullptr;
    return &gCnn->Errors.first();
}

bool DB_Dll::PreguntarOcupada(const ErrorProveedor& pe) {
    const int r = dialogos().Mensaje(
        QStringLiteral("La base de datos ") + gDBName +
            QStringLiteral(" está ocupada: otro programa la tiene bloqueada y no la liberó a "
                           "tiempo.") +
            CRLF + CRLF + QStringLiteral("Reintentar la vuelve a probar; Cancelar desiste.") +
            CRLF + CRLF + QStringLiteral("Detalle: ") + pe.Description,
        EstilosMensaje::ReintentarCancelar | EstilosMensaje::Exclamacion,
        QStringLiteral("Base de datos ocupada"));
    return r == Respuestas::Reintentar;
}

ContratoErrores::Decision DB_Dll::RecuperarBaseInutil(const ErrorVB& error) {
    const ErrorProveedor* pe = errorProveedor(error);
    if (pe == nullptr)
        return ContratoErrores::Decision::Tratar;
    if (pe->NativeError == CodigosNativos::Bloqueo)
        return PreguntarOcupada(*pe) ? ContratoErrores::Decision::Repetir
                                     : ContratoErrores::Decision::Salir;
    if (pe->NativeError == CodigosNativos::BaseDaniada) {
        dialogos().Mensaje(QStringLiteral("La base de datos ") + gDBName +
                               QStringLiteral(" no se puede usar: el archivo está dañado o no es "
                                              "una base de datos. El programa se cerrará.") +
                               CRLF + CRLF + QStringLiteral("Detalle: ") + pe->Description,
                           EstilosMensaje::SoloAceptar | EstilosMensaje::Critico,
                           QStringLiteral("Base de datos dañada"));
        Programa::Terminar();
    }
    return ContratoErrores::Decision::Tratar;
}

ContratoErrores::Decision DB_Dll::RecuperarConsulta(int& contador) {
    if (!gCnn || gCnn->Errors.isEmpty() ||
        gCnn->Errors.first().NativeError != CodigosNativos::ErrorDeRed)
        return ContratoErrores::Decision::Tratar;
    bool reconectado = ReintentaConectar();
    while (!reconectado) {
        reconectado = ReintentaConectar();
        if (reconectado)
            break;
        const int r = dialogos().Mensaje(
            CRLF + CRLF + CRLF + QStringLiteral("Se perdio la conexion con la base de datos ") +
                gDBName + CRLF + QStringLiteral(" Servidor ") + gServidor + CRLF + CRLF +
                QStringLiteral("Elija SI para reintentar conectarse") + CRLF +
                QStringLiteral("Elija NO para cerrar la aplicacion") + CRLF + CRLF + CRLF,
            EstilosMensaje::SiNo | EstilosMensaje::Critico, QStringLiteral("AVISO AL OPERADOR"));
        if (r != Respuestas::Si)
            Programa::Terminar();
    }
    return ++contador < 3 ? ContratoErrores::Decision::Repetir : ContratoErrores::Decision::Tratar;
}

ContratoErrores DB_Dll::contratoConsulta(int& contador) {
    return ContratoErrores(
        [this, &contador](const ErrorVB& e) {
            const ContratoErrores::Decision d = RecuperarBaseInutil(e);
            return d != ContratoErrores::Decision::Tratar ? d : RecuperarConsulta(contador);
        },
        [](const ErrorVB& e) {
            return dialogos().Mensaje(
                e.descripcion, EstilosMensaje::AbortarReintentarIgnorar | EstilosMensaje::Critico,
                QStringLiteral("Aviso al Operador"));
        });
}
