#include "PoolTextos.h"
#include <QHashFunctions>
#include <cstring>

namespace {
// A text's length is kept in the two characters before it.
std::uint32_t longitud(const char16_t* p) {
    return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 16);
}
QStringView vistaDe(const char16_t* p) {
    return QStringView(p + 2, static_cast<qsizetype>(longitud(p)));
}
} // namespace

QStringView PoolTextos::vista(std::int32_t i) const {
    if (i < 0 || static_cast<std::size_t>(i) >= textos_.size())
        return {};
    return vistaDe(textos_[static_cast<std::size_t>(i)]);
}

const char16_t* PoolTextos::guardar(QStringView texto) {
    const std::size_t n = static_cast<std::size_t>(texto.size()) + 2;
    if (n > libres_) {
        const std::size_t tam = std::max(kBloque, n);
        bloques_.push_back(std::make_unique<char16_t[]>(tam));
        siguiente_ = bloques_.back().get();
        libres_ = tam;
        caracteres_ += tam;
    }
    char16_t* p = siguiente_;
    const auto largo = static_cast<std::uint32_t>(texto.size());
    p[0] = static_cast<char16_t>(largo & 0xFFFF);
    p[1] = static_cast<char16_t>(largo >> 16);
    if (largo > 0)
        std::memcpy(p + 2, texto.utf16(), largo * sizeof(char16_t));
    siguiente_ += n;
    libres_ -= n;
    return p;
}

std::size_t PoolTextos::ranura(QStringView texto, std::uint32_t hash) const {
    const std::size_t mascara = tabla_.size() - 1;
    std::size_t s = hash & mascara;
    while (tabla_[s].indice >= 0 &&
           (tabla_[s].hash != hash ||
            vistaDe(textos_[static_cast<std::size_t>(tabla_[s].indice)]) != texto))
        s = (s + 1) & mascara;
    return s;
}

void PoolTextos::crecer() {
    std::vector<Ranura> vieja;
    vieja.swap(tabla_);
    tabla_.assign(std::max<std::size_t>(1024, vieja.size() * 2), Ranura{});
    const std::size_t mascara = tabla_.size() - 1;
    for (const Ranura& r : vieja) {
        if (r.indice < 0)
            continue;
        std::size_t s = r.hash & mascara;
        while (tabla_[s].indice >= 0)
            s = (s + 1) & mascara;
        tabla_[s] = r;
    }
}

std::int32_t PoolTextos::indice(QStringView texto) {
    // Kept under two thirds full.
    if ((textos_.size() + 1) * 3 > tabla_.size() * 2)
        crecer();
    const auto hash = static_cast<std::uint32_t>(qHash(texto));
    const std::size_t s = ranura(texto, hash);
    if (tabla_[s].indice >= 0)
        return tabla_[s].indice;
    const auto i = static_cast<std::int32_t>(textos_.size());
    textos_.push_back(guardar(texto));
    tabla_[s] = {i, hash};
    return i;
}

void PoolTextos::limpiar() {
    bloques_.clear();
    libres_ = 0;
    siguiente_ = nullptr;
    caracteres_ = 0;
    textos_.clear();
    textos_.shrink_to_fit();
    tabla_.clear();
    tabla_.shrink_to_fit();
}

std::size_t PoolTextos::bytes() const {
    return caracteres_ * sizeof(char16_t) + textos_.capacity() * sizeof(const char16_t*) +
           tabla_.capacity() * sizeof(Ranura);
}
