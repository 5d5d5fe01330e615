#include "ArchivoReemplazo.h"
#include "CarpetaTemporal.h"
#include <QDir>
#include <QFile>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>

namespace {
QByteArray leer(const QString& ruta) {
    QFile f(ruta);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(no se abre)");
}

// A limit to the size of the files the process writes, lifted when it ends.
class LimiteDeTamano {
public:
    explicit LimiteDeTamano(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &antes_);
        senal_ = std::signal(SIGXFSZ, SIG_IGN); // a failed write, not the end of the process
        rlimit r = antes_;
        r.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &r);
    }
    ~LimiteDeTamano() {
        setrlimit(RLIMIT_FSIZE, &antes_);
        std::signal(SIGXFSZ, senal_);
    }

private:
    rlimit antes_{};
    void (*senal_)(int) = nullptr;
};
} // namespace

// A write the disk took only in part (a full disk) leaves none of its bytes:
// written again once there is room (the user's Retry), the file holds each
// byte once, in order.
TEST(ArchivoReemplazo, UnaEscrituraFallidaNoDejaNadaYSePuedeReintentar) {
    CarpetaTemporal dir;
    const QString destino = dir.ruta(QStringLiteral("pcc2.xls"));
    ArchivoReemplazo f(destino);
    ASSERT_TRUE(f.Abrir());
    const QByteArray primero(600, 'a'), segundo(600, 'b');
    {
        const LimiteDeTamano limite(1000);
        ASSERT_TRUE(f.Escribir(primero.constData(), primero.size()));
        EXPECT_FALSE(f.Escribir(segundo.constData(), segundo.size()));
    }
    ASSERT_TRUE(f.Escribir(segundo.constData(), segundo.size()));
    ASSERT_TRUE(f.Confirmar());
    EXPECT_EQ(leer(destino), primero + segundo);
}

// A complete file that cannot take its place (here a folder is in the way;
// on other systems the earlier sheet open in another program) takes it on a
// later try, with its bytes whole; nothing is left beside it.
TEST(ArchivoReemplazo, SiNoPuedeTomarSuLugarLoTomaAlReintentar) {
    CarpetaTemporal dir;
    const QString destino = dir.ruta(QStringLiteral("pcc2.xls"));
    ASSERT_TRUE(QDir().mkpath(destino + QStringLiteral("/estorbo")));
    ArchivoReemplazo f(destino);
    ASSERT_TRUE(f.Abrir());
    ASSERT_TRUE(f.Escribir("completo", 8));
    EXPECT_FALSE(f.Confirmar());
    EXPECT_FALSE(f.Confirmar());
    ASSERT_TRUE(QDir(destino).removeRecursively());
    ASSERT_TRUE(f.Confirmar());
    EXPECT_EQ(leer(destino), QByteArray("completo"));
    EXPECT_EQ(QDir(dir.ruta()).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{QStringLiteral("pcc2.xls")});
}

// A sheet that never took its place leaves no file beside the destination,
// and a destination that is a link is written where the link points.
TEST(ArchivoReemplazo, SinConfirmarNoQuedaNadaYUnEnlaceSeRespeta) {
    CarpetaTemporal dir;
    const QString real = dir.escribir(QStringLiteral("real.xls"), "anterior");
    const QString enlace = dir.ruta(QStringLiteral("pcc2.xls"));
    ASSERT_TRUE(QFile::link(real, enlace));
    {
        ArchivoReemplazo f(enlace);
        ASSERT_TRUE(f.Abrir());
        ASSERT_TRUE(f.Escribir("a medias", 8));
    }
    EXPECT_EQ(leer(real), QByteArray("anterior"));
    EXPECT_EQ(QDir(dir.ruta()).entryList(QDir::Files | QDir::Hidden | QDir::System),
              QStringList({QStringLiteral("pcc2.xls"), QStringLiteral("real.xls")}));
    ArchivoReemplazo f(enlace);
    ASSERT_TRUE(f.Abrir());
    ASSERT_TRUE(f.Escribir("nueva", 5));
    ASSERT_TRUE(f.Confirmar());
    EXPECT_TRUE(QFileInfo(enlace).isSymLink());
    EXPECT_EQ(leer(enlace), QByteArray("nueva"));
}
