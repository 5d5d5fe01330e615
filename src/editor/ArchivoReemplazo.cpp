#include "ArchivoReemplazo.h"
#include <QFileInfo>
#include <QTemporaryFile>
#include <filesystem>
#include <system_error>

namespace {
QString destinoReal(const QString& destino) {
    const QFileInfo info(destino);
    return info.isSymLink() ? info.symLinkTarget() : destino;
}

// Written without Qt's buffer: what a failed write took is known, and can be
// dropped.
class Temporal : public QTemporaryFile {
public:
    using QTemporaryFile::QTemporaryFile;
    bool abrir() { return open(QIODevice::ReadWrite | QIODevice::Unbuffered); }
};
} // namespace

ArchivoReemplazo::ArchivoReemplazo(const QString& destino)
    : destino_(destinoReal(destino)),
      archivo_(std::make_unique<Temporal>(destino_ + QStringLiteral(".XXXXXX"))) {}

ArchivoReemplazo::~ArchivoReemplazo() = default;

bool ArchivoReemplazo::Abrir() {
    return static_cast<Temporal&>(*archivo_).abrir();
}

bool ArchivoReemplazo::Escribir(const char* datos, qint64 cantidad) {
    if (!archivo_->isOpen())
        return false;
    const qint64 desde = archivo_->pos();
    if (archivo_->write(datos, cantidad) == cantidad)
        return true;
    // The part taken is dropped, so that the same bytes written again (the
    // user's Retry) follow what was there before.
    archivo_->unsetError();
    archivo_->resize(desde);
    archivo_->seek(desde);
    archivo_->unsetError();
    return false;
}

bool ArchivoReemplazo::Confirmar() {
    if (!cerrado_) {
        if (!archivo_->isOpen())
            return false;
        const QFileInfo anterior(destino_);
        archivo_->setPermissions(anterior.exists()
                                     ? anterior.permissions()
                                     : QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                           QFileDevice::ReadUser | QFileDevice::WriteUser |
                                           QFileDevice::ReadGroup | QFileDevice::ReadOther);
        archivo_->close();
        if (archivo_->error() != QFileDevice::NoError)
            return false;
        cerrado_ = true;
    }
    // Replaces the destination in one step where it exists, which copying
    // over it would not.
    std::error_code error;
    std::filesystem::rename(std::filesystem::path(archivo_->fileName().toStdU16String()),
                            std::filesystem::path(destino_.toStdU16String()), error);
    if (error)
        return false;
    archivo_->setAutoRemove(false);
    return true;
}

void ArchivoReemplazo::Descartar() {
    archivo_->close();
    archivo_->remove();
}
