#include "ComunBench.h"
#include "DB_Dll.h"
#include "GeneradorDemo.h"
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <malloc.h>

double Ahora() {
    using namespace std::chrono;
    return duration<double>(steady_clock::now().time_since_epoch()).count();
}

int LineasPedidas(int argc, char** argv, const char* programa) {
    const int n = argc > 1 ? std::atoi(argv[1]) : 100000;
    if (n >= 2)
        return n;
    std::fprintf(stderr, "uso: %s N   (N lineas, al menos 2)\n", programa);
    return 0;
}

const char* Marca(bool cumple) {
    return cumple ? "ok" : "NO";
}

Memoria LeerMemoria() {
    Memoria m;
    std::FILE* f = std::fopen("/proc/self/status", "r");
    if (!f)
        return m;
    char linea[256];
    while (std::fgets(linea, sizeof linea, f)) {
        long long kb = 0;
        if (std::sscanf(linea, "VmRSS: %lld kB", &kb) == 1)
            m.rss = kb * 1024;
        else if (std::sscanf(linea, "VmHWM: %lld kB", &kb) == 1)
            m.pico = kb * 1024;
    }
    std::fclose(f);
    return m;
}

Memoria EmpezarMedidaMemoria() {
    malloc_trim(0);
    if (std::FILE* f = std::fopen("/proc/self/clear_refs", "w")) {
        std::fputs("5", f);
        std::fclose(f);
    }
    return LeerMemoria();
}

long long CrecimientoPico(const Memoria& antes) {
    const Memoria despues = LeerMemoria();
    return std::max(0LL, despues.pico - antes.rss);
}

QString CarpetaDatos(const QString& nombre) {
    QString raiz = qEnvironmentVariable("TARQUEL_BENCH_DATOS");
    if (raiz.isEmpty())
        raiz = QCoreApplication::applicationDirPath() + QStringLiteral("/../bench-datos");
    return QDir::cleanPath(QDir(raiz).absoluteFilePath(nombre));
}

QString PrepararDatos(int n, bool* generada) {
    const QString carpeta = CarpetaDatos(QString::number(n));
    const QString marca = carpeta + QStringLiteral("/completa");
    *generada = false;
    if (QFileInfo::exists(marca) && QFileInfo::exists(carpeta + QStringLiteral("/DEMO.db")) &&
        QFileInfo::exists(carpeta + QStringLiteral("/QD_ESTADISTICAS.db")))
        return carpeta;
    QFile::remove(marca);
    if (!QDir().mkpath(carpeta)) {
        std::fprintf(stderr, "no se crea la carpeta %s\n", qPrintable(carpeta));
        return {};
    }
    std::printf("generando %d lineas en %s...\n", n, qPrintable(carpeta));
    std::fflush(stdout);
    const double t0 = Ahora();
    QString error;
    if (!GenerarDemo(carpeta, QStringLiteral("DEMO"), n, &error)) {
        std::fprintf(stderr, "no se genera la base: %s\n", qPrintable(error));
        return {};
    }
    QFile f(marca);
    if (f.open(QIODevice::WriteOnly))
        f.write(QByteArray::number(n) + '\n');
    std::printf("generada en %.1f s\n", Ahora() - t0);
    *generada = true;
    return carpeta;
}

bool Conectar(const QString& carpeta) {
    gDB().gServidor = carpeta;
    gDB().gDBName = gDB().gUsuario = gDB().gUserPassWord = QStringLiteral("DEMO");
    gDB().OpenServerADODB(false, 3, QString(), false, false);
    gDB().gEsAdmin = true;
    return gDB().gOpenFlag;
}
