#include "ArchivoReemplazo.h"
#include <QFileInfo>
#include <filesystem>
#include <system_error>

ArchivoReemplazo::ArchivoReemplazo(const QString& destino)
    : destino_(destino), archivo_(destino + QStringLiteral(".XXXXXX")) {}

bool ArchivoReemplazo::Abrir() {
    return archivo_.open();
}

bool ArchivoReemplazo::Escribir(const char* datos, qint64 cantidad) {
    return archivo_.isOpen() && archivo_.write(datos, cantidad) == cantidad;
}

bool ArchivoReemplazo::Confirmar() {
    if (!archivo_.isOpen() || !archivo_.flush())
        return false;
    const QFileInfo anterior(destino_);
    const QFileDevice::Permissions permisos =
        anterior.exists()
            ? anterior.permissions()
            : QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadUser |
                  QFileDevice::WriteUser | QFileDevice::ReadGroup | QFileDevice::ReadOther;
    archivo_.setPermissions(permisos);
    const QString temporal = archivo_.fileName();
    archivo_.close();
    if (archivo_.error() != QFileDevice::NoError)
        return false;
    // Replaces the destination in one step where it exists, which copying
    // over it would not.
    std::error_code error;
    std::filesystem::rename(std::filesystem::path(temporal.toStdU16String()),
                            std::filesystem::path(destino_.toStdU16String()), error);
    if (error)
        return false;
    archivo_.setAutoRemove(false);
    return true;
}

void ArchivoReemplazo::Descartar() {
    archivo_.close();
    archivo_.remove();
}
