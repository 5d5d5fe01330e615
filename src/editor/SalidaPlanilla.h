#pragma once
// The control sheet's bytes of a block of rows (or of its head or foot),
// gathered in one buffer that is written at once and kept for the next block.
#include <QByteArray>
#include <QLatin1StringView>
#include <QStringEncoder>
#include <QStringView>
#include <algorithm>
#include <cstring>

class ArchivoReemplazo;

class SalidaPlanilla {
public:
    SalidaPlanilla() : datos_(kInicial, Qt::Uninitialized) {}
    // Text in the code page: a character outside it becomes "?", as the
    // encoder writes it.
    void texto(QStringView t);
    // Where at least n more bytes may be written; the buffer may move. The
    // bytes written there count once hasta() is told where they end.
    char* reservar(qsizetype n) { return lugar(n); }
    char* finReservado() { return datos_.data() + datos_.size(); }
    void hasta(char* p) { usados_ = p - datos_.data(); }
    // A cell of a text still to be put in the code page.
    void celda(QStringView t) {
        ascii(QLatin1StringView("<TD>"));
        if (t.isEmpty())
            ascii(QLatin1StringView("&nbsp"));
        else
            texto(t);
    }
    void ascii(QLatin1StringView t) {
        char* p = lugar(t.size());
        std::memcpy(p, t.data(), static_cast<std::size_t>(t.size()));
        usados_ += t.size();
    }
    void vaciar() { usados_ = 0; }
    // Writes what was gathered; throws when the file did not take it all.
    void volcar(ArchivoReemplazo& f) const;

private:
    // Where n more bytes go, the buffer grown when they do not fit.
    char* lugar(qsizetype n) {
        if (usados_ + n > datos_.size())
            datos_.resize(std::max(datos_.size() * 2, usados_ + n));
        return datos_.data() + usados_;
    }
    static constexpr qsizetype kInicial = 1 << 19;
    QStringEncoder ansi_{QStringEncoder::Latin1};
    QByteArray datos_;
    qsizetype usados_ = 0;
};
