#include "ServidorPostgres.h"
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <arpa/inet.h>
#include <netinet/in.h>
#include <pwd.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {
bool comoRoot() {
    return geteuid() == 0;
}

// The bin folder of the newest server version installed.
QString carpetaBin() {
    QDir raiz(QStringLiteral("/usr/lib/postgresql"));
    QStringList versiones = raiz.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    std::sort(versiones.begin(), versiones.end(),
              [](const QString& a, const QString& b) { return a.toDouble() > b.toDouble(); });
    for (const QString& v : versiones) {
        const QString bin = raiz.filePath(v + QStringLiteral("/bin"));
        if (QFile::exists(bin + QStringLiteral("/initdb")) &&
            QFile::exists(bin + QStringLiteral("/pg_ctl")))
            return bin;
    }
    return {};
}

// A loopback port nobody listens on now.
int puertoLibre() {
    const int s = socket(AF_INET, SOCK_STREAM, 0);
    if (s < 0)
        return 0;
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t largo = sizeof a;
    int puerto = 0;
    if (bind(s, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0 &&
        getsockname(s, reinterpret_cast<sockaddr*>(&a), &largo) == 0)
        puerto = ntohs(a.sin_port);
    close(s);
    return puerto;
}

bool driverOdbcInstalado() {
    QProcess p;
    p.start(QStringLiteral("odbcinst"),
            {QStringLiteral("-q"), QStringLiteral("-d"), QStringLiteral("-n"),
             QStringLiteral("PostgreSQL Unicode")});
    return p.waitForFinished(10000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}
} // namespace

std::optional<QString> ServidorPostgres::Falta() {
    if (carpetaBin().isEmpty())
        return QStringLiteral("no está el servidor PostgreSQL (paquete postgresql)");
    if (!driverOdbcInstalado())
        return QStringLiteral("no está el controlador ODBC \"PostgreSQL Unicode\" (paquete "
                              "odbc-postgresql)");
    if (comoRoot() && (getpwnam("postgres") == nullptr ||
                       QStandardPaths::findExecutable(QStringLiteral("runuser")).isEmpty()))
        return QStringLiteral("como root hacen falta el usuario postgres y runuser");
    return std::nullopt;
}

ServidorPostgres::ServidorPostgres() : bin_(carpetaBin()), puerto_(puertoLibre()) {}

ServidorPostgres::~ServidorPostgres() {
    if (enMarcha_)
        Parar(false);
    // The watchdog ends when its mark goes.
    QFile::remove(dir_.ruta(QStringLiteral("vigilado")));
}

bool ServidorPostgres::correr(const QString& programa, const QStringList& argumentos) {
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.setWorkingDirectory(dir_.ruta());
    const QString ruta = bin_ + u'/' + programa;
    if (comoRoot())
        p.start(QStringLiteral("runuser"),
                QStringList{QStringLiteral("-u"), QStringLiteral("postgres"), QStringLiteral("--"),
                            ruta} +
                    argumentos);
    else
        p.start(ruta, argumentos);
    const bool ok =
        p.waitForFinished(120000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
    if (!ok)
        error_ =
            programa + QStringLiteral(": ") + QString::fromLocal8Bit(p.readAll()) + p.errorString();
    return ok;
}

bool ServidorPostgres::Crear() {
    if (puerto_ == 0) {
        error_ = QStringLiteral("no hay un puerto libre en 127.0.0.1");
        return false;
    }
    if (comoRoot()) {
        const passwd* pw = getpwnam("postgres");
        if (pw == nullptr ||
            chown(QFile::encodeName(dir_.ruta()).constData(), pw->pw_uid, pw->pw_gid) != 0) {
            error_ = QStringLiteral("no se pudo dar la carpeta al usuario postgres");
            return false;
        }
    }
    return correr(QStringLiteral("initdb"),
                  {QStringLiteral("-D"), dir_.ruta(QStringLiteral("datos")), QStringLiteral("-A"),
                   QStringLiteral("trust"), QStringLiteral("-U"), QStringLiteral("postgres"),
                   QStringLiteral("-E"), QStringLiteral("UTF8"), QStringLiteral("--locale=C"),
                   QStringLiteral("--no-sync")});
}

bool ServidorPostgres::Arrancar() {
    const QString opciones = QStringLiteral("-p %1 -k %2 -c listen_addresses=127.0.0.1 -F")
                                 .arg(puerto_)
                                 .arg(dir_.ruta().chopped(1));
    enMarcha_ = correr(QStringLiteral("pg_ctl"),
                       {QStringLiteral("-D"), dir_.ruta(QStringLiteral("datos")),
                        QStringLiteral("-o"), opciones, QStringLiteral("-l"),
                        dir_.ruta(QStringLiteral("registro")), QStringLiteral("-w"),
                        QStringLiteral("-t"), QStringLiteral("60"), QStringLiteral("start")});
    if (enMarcha_ && !vigilado_)
        vigilar();
    return enMarcha_;
}

bool ServidorPostgres::Parar(bool rapido) {
    const bool ok =
        correr(QStringLiteral("pg_ctl"),
               {QStringLiteral("-D"), dir_.ruta(QStringLiteral("datos")), QStringLiteral("-m"),
                rapido ? QStringLiteral("fast") : QStringLiteral("immediate"), QStringLiteral("-w"),
                QStringLiteral("stop")});
    enMarcha_ = enMarcha_ && !ok;
    return ok;
}

void ServidorPostgres::vigilar() {
    // While this process lives and the mark is there, the watchdog waits;
    // when the process dies first, it stops the server at once (SIGQUIT to
    // the postmaster is the immediate shutdown).
    vigilado_ = true;
    const QString marca = dir_.escribir(QStringLiteral("vigilado"), QByteArray());
    const QString pid = dir_.ruta(QStringLiteral("datos/postmaster.pid"));
    const QString guion =
        QStringLiteral("while kill -0 %1 2>/dev/null && [ -e '%2' ]; do sleep 0.5; done; "
                       "[ -e '%2' ] && [ -f '%3' ] && kill -QUIT \"$(head -n 1 '%3')\"; exit 0")
            .arg(QCoreApplication::applicationPid())
            .arg(marca, pid);
    QProcess::startDetached(QStringLiteral("sh"), {QStringLiteral("-c"), guion});
}
