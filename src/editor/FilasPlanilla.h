#pragma once
// The control sheet's rows as bytes, as one thread writes them: each thread
// keeps its own encoded texts and room for a row, and only reads the grid.
#include <memory>
#include <vector>

class ModeloAsientos;
class SalidaPlanilla;

class FilasPlanilla {
public:
    // The columns written, by number; the grid must outlive the writer and
    // not change while it writes.
    FilasPlanilla(const ModeloAsientos& grilla, const std::vector<int>& columnas);
    FilasPlanilla(FilasPlanilla&&) noexcept;
    ~FilasPlanilla();
    // Rows desde to hasta - 1 of the grid, added to s.
    void Escribir(int desde, int hasta, SalidaPlanilla& s);

private:
    class Escritor;
    std::unique_ptr<Escritor> escritor_;
};
