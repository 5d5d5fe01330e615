// The desktop launcher: read back by the Desktop Entry rules, every typed
// value reaches the program exactly as typed, and nothing typed adds a key, a
// command or a parameter.
#include "AccesoDirecto.h"
#include "CarpetaTemporal.h"
#include "ParametrosLinea.h"
#include "ReinicioPrueba.h"
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace {
// The Exec value of a launcher read as a desktop reads it: the string escapes
// of the file, then "%%", then the arguments split at blanks outside double
// quotes, where a backslash keeps the next of " ` $ \.
QStringList LeerExec(const QString& valor) {
    QString s;
    for (qsizetype i = 0; i < valor.size(); ++i) {
        if (valor[i] == u'\\' && i + 1 < valor.size()) {
            const QChar c = valor[++i];
            s += c == u's' ? QChar(u' ') : c == u'n' ? QChar(u'\n') : c == u't' ? QChar(u'\t') : c;
        } else {
            s += valor[i];
        }
    }
    QString sinPorcentajes;
    for (qsizetype i = 0; i < s.size(); ++i) {
        if (s[i] == u'%') {
            EXPECT_TRUE(i + 1 < s.size() && s[i + 1] == u'%')
                << "field code in " << s.toStdString();
            ++i;
        }
        sinPorcentajes += s[i];
    }
    QStringList args;
    QString actual;
    bool enComillas = false, hay = false;
    for (qsizetype i = 0; i < sinPorcentajes.size(); ++i) {
        const QChar c = sinPorcentajes[i];
        if (enComillas) {
            if (c == u'\\' && i + 1 < sinPorcentajes.size() &&
                QStringLiteral("\"`$\\").contains(sinPorcentajes[i + 1]))
                actual += sinPorcentajes[++i];
            else if (c == u'"')
                enComillas = false;
            else
                actual += c;
        } else if (c == u'"') {
            enComillas = hay = true;
        } else if (c == u' ') {
            if (hay)
                args << actual;
            actual.clear();
            hay = false;
        } else {
            EXPECT_FALSE(QStringLiteral("`$\\;&|<>()'*?#~").contains(c))
                << "reserved character outside quotes";
            actual += c;
            hay = true;
        }
    }
    EXPECT_FALSE(enComillas);
    if (hay)
        args << actual;
    return args;
}

QStringList LineasDe(const QString& ruta) {
    QFile f(ruta);
    f.open(QIODevice::ReadOnly);
    return QString::fromUtf8(f.readAll()).split(u'\n', Qt::SkipEmptyParts);
}

class Lanzador : public ::testing::Test {
protected:
    void SetUp() override { guion = ReiniciarProceso(); }
    QString archivo() const { return escritorio.ruta(QStringLiteral("Contable.desktop")); }
    std::shared_ptr<DialogosGuion> guion;
    CarpetaTemporal escritorio;
};
} // namespace

TEST_F(Lanzador, ValoresConComillasDolarPorcentajeYBarrasLleganTalCual) {
    const QString programa = QStringLiteral("/opt/mi programa/tarquel");
    const QString base = QStringLiteral("Em\"presa $HOME %u `id` \\x");
    const QString servidor = QStringLiteral("SRV01\\CONTA,1433");
    ASSERT_EQ(CrearAccesoDirecto(escritorio.ruta(), QStringLiteral(" Contable "), programa,
                                 servidor, base, QStringLiteral("ana")),
              ResultadoAccesoDirecto::Creado);
    EXPECT_EQ(guion->mensajes(),
              QStringList{QStringLiteral("Acceso directo creado correctamente en el escritorio.")});
    EXPECT_EQ(guion->prompts[0].titulo, QStringLiteral("Acceso Directo"));
    const QStringList lineas = LineasDe(archivo());
    ASSERT_EQ(lineas.size(), 6);
    EXPECT_EQ(lineas[0], QStringLiteral("[Desktop Entry]"));
    EXPECT_TRUE(lineas.contains(QStringLiteral("Type=Application")));
    EXPECT_TRUE(lineas.contains(QStringLiteral("Name=Contable")));
    const QString exec = lineas.filter(QStringLiteral("Exec=")).value(0).mid(5);
    const QStringList args = LeerExec(exec);
    ASSERT_EQ(args.size(), 2);
    EXPECT_EQ(args[0], programa);
    EXPECT_EQ(args[1], CadenaAccesoDirecto(servidor, base, QStringLiteral("ana")));
    // The program reads the connection back from its parameter string.
    const ParametrosInicio p = ParsearParametros(args[1]);
    EXPECT_EQ(p.servidor, servidor);
    EXPECT_EQ(p.baseDatos, base);
    EXPECT_EQ(p.usuario, QStringLiteral("ana"));
    EXPECT_TRUE(p.clave.isEmpty());
    EXPECT_TRUE(QFileInfo(archivo()).isExecutable());
}

TEST_F(Lanzador, UnaVezCreadoYaExiste) {
    CrearAccesoDirecto(escritorio.ruta(), QStringLiteral("Contable"), QStringLiteral("/p"),
                       QStringLiteral("s"), QStringLiteral("b"), QStringLiteral("u"));
    const QStringList antes = LineasDe(archivo());
    EXPECT_EQ(CrearAccesoDirecto(escritorio.ruta(), QStringLiteral("Contable"),
                                 QStringLiteral("/p"), QStringLiteral("otro"), QStringLiteral("b"),
                                 QStringLiteral("u")),
              ResultadoAccesoDirecto::YaExiste);
    EXPECT_EQ(guion->mensajes().last(), QStringLiteral("El acceso directo ya existe."));
    EXPECT_EQ(LineasDe(archivo()), antes);
}

TEST_F(Lanzador, SaltosDeLineaYPuntoYComaSeRechazan) {
    const QString valores[] = {QStringLiteral("ana\nExec=rm -rf ~"), QStringLiteral("ana\r"),
                               QStringLiteral("a\x1b[2J"), QStringLiteral("ana; @Password=x")};
    for (const QString& v : valores) {
        EXPECT_EQ(CrearAccesoDirecto(escritorio.ruta(), QStringLiteral("Contable"),
                                     QStringLiteral("/p"), QStringLiteral("s"), QStringLiteral("b"),
                                     v),
                  ResultadoAccesoDirecto::Rechazado);
        EXPECT_EQ(CrearAccesoDirecto(escritorio.ruta(), QStringLiteral("Contable"),
                                     QStringLiteral("/p"), v, QStringLiteral("b"),
                                     QStringLiteral("u")),
                  ResultadoAccesoDirecto::Rechazado);
    }
    EXPECT_FALSE(QFile::exists(archivo()));
    EXPECT_EQ(guion->prompts.size(), 8);
    EXPECT_TRUE(guion->mensajes()[0].contains(QStringLiteral("saltos de línea")));
}

TEST_F(Lanzador, SinEscritorioDondeEscribirNoSeDiceQueSeCreo) {
    EXPECT_EQ(CrearAccesoDirecto(escritorio.ruta(QStringLiteral("no/existe")),
                                 QStringLiteral("Contable"), QStringLiteral("/p"),
                                 QStringLiteral("s"), QStringLiteral("b"), QStringLiteral("u")),
              ResultadoAccesoDirecto::Error);
    ASSERT_EQ(guion->mensajes().size(), 1);
    EXPECT_TRUE(guion->mensajes()[0].startsWith(QStringLiteral("Se ha producido un error: ")));
    EXPECT_EQ(guion->prompts[0].titulo, QStringLiteral("Error"));
}
