#include "BaseDePrueba.h"
#include "ContratoErrores.h"
#include "DB_Dll.h"
#include "Programa.h"
#include "TratamientoErrores.h"
#include <QFile>
#include <gtest/gtest.h>

namespace {
QStringList lineas(const QString& ruta) {
    QFile f(ruta);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(f.readAll()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
}
} // namespace

TEST(TratamientoErrores, MensajeTituloYLineaDelLog) {
    auto guion = ReiniciarProceso();
    CarpetaTemporal dir;
    Programa::EstablecerCarpeta(dir.ruta());
    DB_Dll db;
    const ErrorVB e(3709, QStringLiteral("  La conexión está cerrada.  "),
                    QStringLiteral("ADODB.Connection"));
    guion->respuestas.enqueue(Respuestas::Reintentar);
    EXPECT_EQ(db.TratamientoErrores(e, 18, QStringLiteral("CierraRecordset")),
              Respuestas::Reintentar);
    ASSERT_EQ(guion->prompts.size(), 1);
    EXPECT_EQ(guion->prompts[0].texto,
              QStringLiteral("Ha ocurrido el Siguiente Error (3709) La conexión está cerrada."));
    EXPECT_EQ(guion->prompts[0].titulo,
              QStringLiteral("ADODB.Connection - CierraRecordset Aviso al operador!!! - 5 "));
    const QStringList log = lineas(dir.ruta(QStringLiteral("QDERR.LOG")));
    ASSERT_EQ(log.size(), 1);
    EXPECT_TRUE(log[0].endsWith(
        QStringLiteral(" Rutina: - CierraRecordset Mensaje Ha ocurrido el Siguiente Error "
                       "(3709) La conexión está cerrada. Respondió : Reintentar")))
        << log[0].toStdString();
    // Yes/No style logs the answer word; an OK-only style logs none; no routine name.
    guion->respuestas.enqueue(Respuestas::No);
    db.TratamientoErrores(e, 4);
    db.TratamientoErrores(e, 0);
    const QStringList mas = lineas(dir.ruta(QStringLiteral("QDERR.LOG")));
    ASSERT_EQ(mas.size(), 3);
    EXPECT_TRUE(mas[1].contains(QStringLiteral(" Rutina:  Mensaje ")));
    EXPECT_TRUE(mas[1].endsWith(QStringLiteral("Respondió : No")));
    EXPECT_TRUE(mas[2].endsWith(QStringLiteral("Respondió : ")));
    EXPECT_EQ(guion->prompts[1].titulo,
              QStringLiteral("ADODB.Connection Aviso al operador!!! - 5 "));
}

TEST(TratamientoErrores, NumeroCeroYCarpetaInexistente) {
    auto guion = ReiniciarProceso();
    CarpetaTemporal dir;
    DB_Dll db;
    db.ArchivoErrores(dir.ruta(QStringLiteral("no/hay/carpeta/QDERR.LOG")));
    EXPECT_EQ(db.TratamientoErrores(ErrorVB(0, QString())), 0);
    EXPECT_TRUE(guion->prompts.isEmpty());
    guion->respuestas.enqueue(Respuestas::Ignorar);
    EXPECT_EQ(db.TratamientoErrores(ErrorVB(5, QStringLiteral("x"))), Respuestas::Ignorar);
    EXPECT_EQ(guion->prompts.size(), 1); // the dialog is shown even when the line is lost
}

TEST(TratamientoErrores, CopiaGlobalCreaSuLogEnLaCarpetaTemporal) {
    auto guion = ReiniciarProceso();
    CarpetaTemporal dir;
    qputenv("temp", "x");
    qputenv("tmp", dir.ruta().toUtf8());
    EXPECT_EQ(TratamientoErroresGlobal(ErrorVB(0, QString())), 0);
    EXPECT_TRUE(QFile::exists(dir.ruta(QStringLiteral("QDERR.LOG")))); // created, empty
    EXPECT_TRUE(lineas(dir.ruta(QStringLiteral("QDERR.LOG"))).isEmpty());
    TratamientoErroresGlobal(ErrorVB(91, QStringLiteral("falla"), QStringLiteral("tarquel")), 18,
                             QStringLiteral("Cfg"));
    EXPECT_EQ(guion->prompts[0].titulo, QStringLiteral("tarquel - Cfg Aviso al operador!!! - 2 "));
    EXPECT_EQ(lineas(dir.ruta(QStringLiteral("QDERR.LOG"))).size(), 1);
    qunsetenv("temp");
    qunsetenv("tmp");
}
