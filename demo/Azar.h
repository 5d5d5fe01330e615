#pragma once
// The demo data's random numbers: splitmix64 with a fixed seed, and the few
// draws the generator needs, all computed with integer arithmetic of fixed
// width so that every machine draws the same sequence.
#include <cstdint>
#include <vector>

class Azar {
public:
    explicit Azar(std::uint64_t semilla) : estado_(semilla) {}

    std::uint64_t siguiente() {
        std::uint64_t z = (estado_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }

    // A whole number from desde to hasta, both included.
    std::int64_t entre(std::int64_t desde, std::int64_t hasta) {
        const auto ancho = static_cast<std::uint64_t>(hasta - desde) + 1;
        return desde + static_cast<std::int64_t>(siguiente() % ancho);
    }

    // True with a chance of porcentaje in 100.
    bool chance(int porcentaje) { return entre(1, 100) <= porcentaje; }

    template <class T> const T& elegir(const std::vector<T>& opciones) {
        return opciones[static_cast<std::size_t>(entre(0, std::int64_t(opciones.size()) - 1))];
    }

private:
    std::uint64_t estado_;
};
