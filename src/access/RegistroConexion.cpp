#include "RegistroConexion.h"
#include "ContratoErrores.h"
#include "DB_Dll.h"
#include "Dialogos.h"
#include "Programa.h"
#include "ServidorAcceso.h"
#include "UtilGeneral.h"
#include <QFileInfo>
#include <QProcess>
#include <cmath>

namespace {
// Errors of the registration that are not worth a message: object closed,
// and the codes the suite's server tools give for a server that is already
// running or cannot be started from here.
bool ErrorIgnorado(long numero) {
    return numero == CodigosError::ObjetoCerrado || numero == 440 || numero == 1056 ||
           numero == -2147023840 || numero == 20480;
}
} // namespace

bool ExisteBaseDeDatos(const QString& servidor, const QString& base, const QString& usuario,
                       const QString& clave, const QString& proveedor) {
    const QString cadena = QStringLiteral("PROVIDER=") + proveedor + QStringLiteral(";") +
                           QStringLiteral("Server=") + servidor + QStringLiteral(";") +
                           QStringLiteral("Database =") + base + QStringLiteral(";") +
                           QStringLiteral("UId=") + usuario + QStringLiteral(";") +
                           QStringLiteral("Pwd=") + clave + QStringLiteral(";");
    try {
        DB_Dll prueba;
        prueba.OpenServerADODB(false, 3, cadena, false, false);
        const bool abierta = prueba.gOpenFlag && prueba.gCnn && prueba.gCnn->State() == 1;
        if (prueba.gCnn)
            prueba.gCnn->Close();
        return abierta;
    } catch (const ErrorVB&) {
        return false;
    }
}

bool IniciarAyudanteOdbc(const QString& carpeta, const QString& servidor, const QString& base) {
    QStringList nombres = {QStringLiteral("ODBC.exe")};
#ifndef Q_OS_WIN
    nombres << QStringLiteral("ODBC");
#endif
    for (const QString& n : nombres) {
        const QFileInfo ayudante(carpeta + n);
        if (!ayudante.isFile() || !ayudante.isExecutable())
            continue;
        const QString argumento = QStringLiteral("Server=") + servidor + QStringLiteral(";DB=") +
                                  base + QStringLiteral(";");
        return QProcess::startDetached(ayudante.absoluteFilePath(), {argumento}, carpeta);
    }
    return false;
}

ResultadoRegistro RegistrarConexion(const ConexionTipeada& datos, const BasesRegistradas& bases,
                                    QString& puertoSesion) {
    const QString nombre = datos.base.trimmed().toUpper() + QStringLiteral(" / ") +
                           ServidorAcceso::NombreServidor(datos.servidor);
    if (bases.DatosBase(nombre)) {
        dialogos().Mensaje(QStringLiteral("La conexion que intenta registrar ya existe "),
                           EstilosMensaje::Informacion, QStringLiteral("Atencion"));
        return ResultadoRegistro::YaExiste;
    }
    const double puerto = UtilGeneral::ValorNumero(datos.puerto);
    puertoSesion = QString::number(puerto == 0 ? ServidorAcceso::kPuertoSqlServer
                                               : std::lround(std::floor(puerto)));
    const QString servidor = datos.servidor.trimmed();
    const QString base = datos.base.trimmed();
    const QString usuario = datos.usuario.trimmed();
    const QString clave = datos.clave.trimmed();
    const QString conectarA = ServidorAcceso::ServidorConexion(servidor, datos.puerto, 0);
    const QString registrado =
        ServidorAcceso::ServidorRegistro(servidor, datos.puerto, datos.plataforma);
    const QString login = base.toUpper();
    ResultadoRegistro resultado = ResultadoRegistro::Registrada;
    try {
        bool abre = ExisteBaseDeDatos(conectarA, login, login, login, DB_Dll::pSQLOLEDB());
        if (!abre) {
            // The typed user and password as the database login, on a data
            // object of its own.
            DB_Dll prueba;
            prueba.gServidor = conectarA;
            prueba.gUsuario = usuario;
            prueba.gUserPassWord = clave;
            prueba.gDBName = base;
            prueba.OpenServerADODB(false, 3, QString(), false, false);
            abre = prueba.gOpenFlag;
        }
        if (!abre) {
            dialogos().Mensaje(
                QStringLiteral("NO SE PUDO CONECTAR AL SERVIDOR ") + servidor +
                    QStringLiteral(" VERIFIQUE EL NOMBRE DE USUARIO Y PASSWORD INGRESADO"),
                EstilosMensaje::Informacion, QStringLiteral("AVISO AL OPERADOR"));
            return ResultadoRegistro::NoSeConecta;
        }
        bases.AgregarBase(nombre, base, base, base, registrado);
    } catch (const ErrorVB& e) {
        resultado = ResultadoRegistro::NoSeEscribio;
        if (!ErrorIgnorado(e.numero))
            dialogos().Mensaje(QStringLiteral("SQL Server start failed.  ") + u'\r' +
                                   QStringLiteral("SQL-DMO error:  ") + QString::number(e.numero) +
                                   u' ' + e.descripcion,
                               EstilosMensaje::SoloAceptar, QString());
    }
    IniciarAyudanteOdbc(Programa::Carpeta(), servidor, base);
    return resultado;
}
