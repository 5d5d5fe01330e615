#include "BloquesEnOrden.h"
#include <atomic>
#include <gtest/gtest.h>
#include <stdexcept>
#include <string>
#include <vector>

namespace {
// A block whose making takes longer for some blocks than for others, so that
// helpers finish out of order.
std::string hacerBloque(int bloque) {
    std::string s;
    const int vueltas = (bloque * 7919) % 13 * 200;
    for (int i = 0; i <= vueltas; ++i)
        s = std::to_string(bloque) + ':' + std::to_string(i % 3);
    return std::to_string(bloque);
}
} // namespace

// Whatever the number of helpers, every block is handed over once, in order,
// with what was made for it, and each thread number stays in its range.
TEST(BloquesEnOrden, CadaBloqueSeEntregaUnaVezYEnOrden) {
    for (const int helpers : {0, 1, 3}) {
        std::vector<int> entregados;
        std::atomic<bool> hiloFuera{false};
        const bool completo = BloquesEnOrden<std::string>(500, helpers)
                                  .Ejecutar(
                                      [&](int bloque, int hilo, std::string& d) {
                                          if (hilo < 0 || hilo > helpers)
                                              hiloFuera = true;
                                          d = hacerBloque(bloque);
                                      },
                                      [&](int bloque, const std::string& d) {
                                          EXPECT_EQ(d, std::to_string(bloque));
                                          entregados.push_back(bloque);
                                          return true;
                                      });
        EXPECT_TRUE(completo);
        ASSERT_EQ(entregados.size(), 500u) << helpers << " helpers";
        for (int i = 0; i < 500; ++i)
            EXPECT_EQ(entregados[static_cast<std::size_t>(i)], i);
        EXPECT_FALSE(hiloFuera);
    }
    EXPECT_TRUE(
        BloquesEnOrden<std::string>(0, 2).Ejecutar([](int, int, std::string&) { ADD_FAILURE(); },
                                                   [](int, const std::string&) {
                                                       ADD_FAILURE();
                                                       return false;
                                                   }));
}

// Stopping (a cancelled sheet, a write the user gave up on) hands nothing
// over after the stop and makes only the few blocks already under way.
TEST(BloquesEnOrden, AlPararNoSeEntregaNiSeHaceMas) {
    std::atomic<int> hechos{0};
    int ultimo = -1;
    const bool completo = BloquesEnOrden<std::string>(10000, 3).Ejecutar(
        [&](int bloque, int, std::string& d) {
            ++hechos;
            d = hacerBloque(bloque);
        },
        [&](int bloque, const std::string&) {
            ultimo = bloque;
            return bloque < 5;
        });
    EXPECT_FALSE(completo);
    EXPECT_EQ(ultimo, 5);
    EXPECT_LE(hechos.load(), 6 + 8); // the blocks handed over and at most the places waiting
}

// A failure while a block is made reaches the caller where that block would
// have been handed over: the blocks before it are written, none after it.
TEST(BloquesEnOrden, UnFalloAlHacerUnBloqueLlegaEnSuTurno) {
    std::vector<int> entregados;
    BloquesEnOrden<std::string> b(300, 3);
    EXPECT_THROW(b.Ejecutar(
                     [&](int bloque, int, std::string& d) {
                         if (bloque == 57)
                             throw std::runtime_error("sin memoria");
                         d = hacerBloque(bloque);
                     },
                     [&](int bloque, const std::string&) {
                         entregados.push_back(bloque);
                         return true;
                     }),
                 std::runtime_error);
    ASSERT_EQ(entregados.size(), 57u);
    EXPECT_EQ(entregados.back(), 56);
}
