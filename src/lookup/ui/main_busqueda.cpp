// tarquel_busqueda: the lookup control over the demo database.
//
//   tarquel_busqueda [--carpeta DIR] [--base DEMO]
//                    [--captura ARCHIVO.png --tabla NOMBRE --texto TEXTO]
//
// DIR holds the database file <base>.db; a demo database is generated there
// when it is missing. Without --carpeta a fresh demo database is generated in
// a temporary folder. With --captura the window is saved as an image after
// choosing the table and typing the text, and the program ends.
#include "AplicarApariencia.h"
#include "BusquedaCodigo.h"
#include "Conexion.h"
#include "ContratoErrores.h"
#include "GeneradorDemo.h"
#include "PartesBusqueda.h"
#include "TextosQtEnEspanol.h"
#include "VentanaBusqueda.h"
#include <QApplication>
#include <QComboBox>
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tarquel_busqueda"));
    InstalarTextosQtEnEspanol();
    QCommandLineParser opciones;
    opciones.setApplicationDescription(
        QStringLiteral("El control de búsqueda de códigos sobre la base de demostración."));
    opciones.addHelpOption();
    const QCommandLineOption carpeta(QStringLiteral("carpeta"),
                                     QStringLiteral("Carpeta de la base (un archivo <base>.db)."),
                                     QStringLiteral("carpeta"));
    const QCommandLineOption base(QStringLiteral("base"), QStringLiteral("Nombre de la base."),
                                  QStringLiteral("base"), QStringLiteral("DEMO"));
    const QCommandLineOption captura(QStringLiteral("captura"),
                                     QStringLiteral("Guarda la ventana como imagen y termina."),
                                     QStringLiteral("archivo"));
    const QCommandLineOption tabla(QStringLiteral("tabla"),
                                   QStringLiteral("Tabla elegida al abrir (MA_CUENTAS, FECHA...)."),
                                   QStringLiteral("tabla"));
    const QCommandLineOption texto(QStringLiteral("texto"),
                                   QStringLiteral("Texto escrito en el control al abrir."),
                                   QStringLiteral("texto"));
    opciones.addOptions({carpeta, base, captura, tabla, texto});
    opciones.process(app);

    QTemporaryDir temporal;
    const QString dir = opciones.isSet(carpeta)
                            ? QFileInfo(opciones.value(carpeta)).absoluteFilePath()
                            : temporal.path();
    const QString nombre = opciones.value(base);
    if (!QFileInfo::exists(QDir(dir).filePath(nombre + QStringLiteral(".db")))) {
        QString error;
        if (!GenerarDemo(dir, nombre, 5000, &error)) {
            std::fprintf(stderr, "tarquel_busqueda: %s\n", qPrintable(error));
            return 1;
        }
    }
    const QString cadena = QStringLiteral("PROVIDER=SQLOLEDB;Server=") + dir +
                           QStringLiteral(";Database =") + nombre + QStringLiteral(";UId=") +
                           nombre + QStringLiteral(";Pwd=") + nombre + u';';

    // A demo database written before the motive tables existed still serves
    // the other tables.
    IgnorandoErrores([&] {
        Conexion cn;
        cn.Open(cadena);
        if (!cn.Tablas().contains(QStringLiteral("V_TA_MotivoVta"), Qt::CaseInsensitive))
            std::fprintf(stderr,
                         "tarquel_busqueda: la base %s no tiene las tablas de motivos; bórrela "
                         "para que se genere de nuevo.\n",
                         qPrintable(dir));
    });

    // The skin the user chose for the database, as in the suite's programs.
    AplicarSkinPrograma(nombre);
    VentanaBusqueda v(cadena);
    QObject::connect(&v, &VentanaBusqueda::CodigoElegido, [](const QString& codigo) {
        std::printf("CodigoObtenido: \"%s\"\n", qPrintable(codigo));
        std::fflush(stdout);
    });
    if (opciones.isSet(tabla)) {
        const int i =
            v.CboTabla->findData(opciones.value(tabla), Qt::UserRole, Qt::MatchFixedString);
        if (i >= 0)
            v.CboTabla->setCurrentIndex(i);
    }
    v.show();
    if (opciones.isSet(texto))
        v.Busqueda->TxtBusqueda->setText(opciones.value(texto));
    if (opciones.isSet(captura)) {
        for (int i = 0; i < 5; ++i)
            QApplication::processEvents();
        return v.grab().toImage().save(opciones.value(captura), "PNG") ? 0 : 1;
    }
    return app.exec();
}
