#pragma once
// A file written beside the one it replaces, under a name of its own, and
// put in its place only once complete: a write that fails or is cancelled
// leaves the earlier file as it was. It is not synced to disk before it
// takes the place: it holds a report made again from the books at will, and
// waiting for the disk would double the time the user waits for it.
// Every step may be tried again after a failure (the user's Retry): a write
// that failed leaves nothing of its bytes behind, and once the file is
// complete only its move into place is repeated.
#include <QString>
#include <memory>

class QTemporaryFile;

class ArchivoReemplazo {
public:
    // A destination that is a symbolic link is replaced where the link
    // points, as the link's users expect.
    explicit ArchivoReemplazo(const QString& destino);
    ~ArchivoReemplazo();
    // Creates the file beside the destination; false when it cannot.
    bool Abrir();
    // False when the file did not take all the bytes; none of them stays.
    bool Escribir(const char* datos, qint64 cantidad);
    // Puts the file in the destination's place, with the earlier file's
    // permissions when there was one; false when it cannot.
    bool Confirmar();
    // Drops what was written; the destination stays as it was.
    void Descartar();
    const QString& Destino() const { return destino_; }

private:
    QString destino_;
    std::unique_ptr<QTemporaryFile> archivo_;
    bool cerrado_ = false; // complete and closed: only the move is left
};
