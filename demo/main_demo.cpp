// tarquel_demo --carpeta DIR [--base DEMO] [--lineas N]: writes the demo
// databases and reports what it wrote and how long it took.
#include "GeneradorDemo.h"
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <cstdio>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCommandLineParser opciones;
    opciones.setApplicationDescription(QStringLiteral("Genera las bases de demostración."));
    opciones.addHelpOption();
    const QCommandLineOption carpeta(QStringLiteral("carpeta"),
                                     QStringLiteral("Carpeta de destino."), QStringLiteral("DIR"));
    const QCommandLineOption base(QStringLiteral("base"),
                                  QStringLiteral("Nombre de la base principal."),
                                  QStringLiteral("NOMBRE"), QStringLiteral("DEMO"));
    const QCommandLineOption lineas(QStringLiteral("lineas"),
                                    QStringLiteral("Líneas de asiento a generar."),
                                    QStringLiteral("N"), QStringLiteral("5000"));
    opciones.addOptions({carpeta, base, lineas});
    opciones.process(app);

    bool numero = false;
    const int cantidad = opciones.value(lineas).toInt(&numero);
    if (!opciones.isSet(carpeta) || !numero) {
        std::fprintf(stderr, "%s\n", qPrintable(opciones.helpText()));
        return 2;
    }

    QElapsedTimer reloj;
    reloj.start();
    QString error;
    if (!GenerarDemo(opciones.value(carpeta), opciones.value(base), cantidad, &error)) {
        std::fprintf(stderr, "tarquel_demo: %s\n", qPrintable(error));
        return 1;
    }
    const QDir dir(opciones.value(carpeta));
    for (const QString& nombre : {opciones.value(base), QStringLiteral("QD_ESTADISTICAS")}) {
        const QFileInfo archivo(dir.filePath(nombre + QStringLiteral(".db")));
        std::printf("%s (%lld KB)\n",
                    qPrintable(QDir::toNativeSeparators(archivo.absoluteFilePath())),
                    archivo.size() / 1024);
    }
    std::printf("%d líneas de asiento en %.2f s\n", cantidad, reloj.elapsed() / 1000.0);
    return 0;
}
