#pragma once
// Blocks 0 to n - 1 made on the calling thread and on helper threads, and
// handed over in order on the calling thread: a long output (the control
// sheet) is prepared on every processor while it is written in order, and
// everything that shows or asks stays on the calling thread.
//
// hacer(bloque, hilo, destino) makes one block into destino; it runs on any
// thread and must only read what no one changes meanwhile. hilo is 0 for the
// calling thread and 1 to helpers for the others, so that each may keep
// state of its own. entregar(bloque, destino) runs on the calling thread, in
// order, and returns false to stop: no block is then made or handed over any
// more. An exception thrown while a block is made is thrown again where that
// block would have been handed over. True when every block was handed over.
#include <algorithm>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <system_error>
#include <thread>
#include <utility>
#include <vector>

template <class Destino> class BloquesEnOrden {
public:
    // As many helpers as the machine has other processors, up to three.
    static int HelpersDeLaMaquina() {
        const int procesadores = static_cast<int>(std::thread::hardware_concurrency());
        return std::clamp(procesadores - 1, 0, 3);
    }

    BloquesEnOrden(int bloques, int helpers)
        : bloques_(bloques),
          huecos_(std::vector<Hueco>(static_cast<std::size_t>(2 * (std::max(helpers, 0) + 1)))),
          helpers_(std::max(helpers, 0)) {}

    template <class Hacer, class Entregar> bool Ejecutar(Hacer&& hacer, Entregar&& entregar) {
        Helpers h(*this, hacer);
        std::unique_lock<std::mutex> l(m_);
        while (entregados_ < bloques_) {
            Hueco& listo = hueco(entregados_);
            if (listo.hecho) {
                l.unlock();
                if (listo.error)
                    std::rethrow_exception(std::exchange(listo.error, nullptr));
                const bool seguir = entregar(entregados_, listo.destino);
                l.lock();
                listo.hecho = false;
                ++entregados_;
                cambio_.notify_all();
                if (!seguir)
                    return false;
            } else if (!hacerUno(l, hacer, 0)) {
                cambio_.wait(l);
            }
        }
        return true;
    }

private:
    struct Hueco {
        Destino destino;
        bool hecho = false;
        std::exception_ptr error;
    };
    Hueco& hueco(int bloque) { return huecos_[static_cast<std::size_t>(bloque) % huecos_.size()]; }

    // Makes the next block when one is left and its place is free; false
    // when there is nothing to make now. Called and returns with l locked.
    template <class Hacer> bool hacerUno(std::unique_lock<std::mutex>& l, Hacer& hacer, int hilo) {
        const int libres = static_cast<int>(huecos_.size());
        if (parar_ || siguiente_ >= bloques_ || siguiente_ >= entregados_ + libres)
            return false;
        const int bloque = siguiente_++;
        Hueco& h = hueco(bloque);
        l.unlock();
        std::exception_ptr error;
        try {
            hacer(bloque, hilo, h.destino);
        } catch (...) {
            error = std::current_exception();
        }
        l.lock();
        h.error = error;
        h.hecho = true;
        cambio_.notify_all();
        return true;
    }

    // The helper threads, stopped and joined however Ejecutar leaves.
    class Helpers {
    public:
        // A helper the system will not start is done without: the blocks
        // are made by those that did start, the caller among them.
        template <class Hacer> Helpers(BloquesEnOrden& b, Hacer& hacer) : b_(b) {
            for (int i = 1; i <= b.helpers_ && b.bloques_ > 1; ++i) {
                try {
                    hilos_.emplace_back([&b, &hacer, i] {
                        std::unique_lock<std::mutex> l(b.m_);
                        while (!b.parar_ && b.siguiente_ < b.bloques_)
                            if (!b.hacerUno(l, hacer, i))
                                b.cambio_.wait(l);
                    });
                } catch (const std::system_error&) {
                    break;
                }
            }
        }
        ~Helpers() {
            {
                std::lock_guard<std::mutex> l(b_.m_);
                b_.parar_ = true;
            }
            b_.cambio_.notify_all();
            for (std::thread& t : hilos_)
                t.join();
        }

    private:
        BloquesEnOrden& b_;
        std::vector<std::thread> hilos_;
    };

    const int bloques_;
    std::vector<Hueco> huecos_;
    const int helpers_;
    std::mutex m_;
    std::condition_variable cambio_;
    int siguiente_ = 0;  // the next block to make
    int entregados_ = 0; // blocks handed over
    bool parar_ = false;
};
