#pragma once
// Texts kept once however many grid rows show them (account codes,
// descriptions, entry numbers): a row stores a small index instead.
//
// The characters live one after another in large blocks, each text preceded
// by its length, and an open-addressing table of indices finds a text
// again. A text costs its characters and under twenty bytes, not a string
// object, a hash node and a vector slot: many texts (voucher numbers, entry
// numbers, tax amounts) appear on one voucher only.
#include <QString>
#include <QStringView>
#include <cstdint>
#include <memory>
#include <vector>

class PoolTextos {
public:
    std::int32_t indice(QStringView texto);
    // The same, remembering the last text of a field: consecutive rows that
    // repeat it cost a comparison instead of a lookup.
    struct Ultimo {
        QString texto;
        std::int32_t indice = -1;
    };
    std::int32_t indice(const QString& texto, Ultimo& ultimo) {
        if (ultimo.indice < 0 || ultimo.texto != texto) {
            ultimo.texto = texto;
            ultimo.indice = indice(texto);
        }
        return ultimo.indice;
    }
    // The text of an index; empty for a negative one.
    QStringView vista(std::int32_t i) const;
    QString texto(std::int32_t i) const { return vista(i).toString(); }
    int cantidad() const { return static_cast<int>(textos_.size()); }
    void limpiar();
    // The memory the pool takes, in bytes.
    std::size_t bytes() const;

private:
    static constexpr std::size_t kBloque = 32768; // characters
    const char16_t* guardar(QStringView texto);
    // A slot of the table: the text's index (-1 when free) and its hash, so
    // that a probe reads the text only when the hashes agree.
    struct Ranura {
        std::int32_t indice = -1;
        std::uint32_t hash = 0;
    };
    std::size_t ranura(QStringView texto, std::uint32_t hash) const;
    void crecer();

    std::vector<std::unique_ptr<char16_t[]>> bloques_;
    std::size_t libres_ = 0; // characters left in the last block
    char16_t* siguiente_ = nullptr;
    std::size_t caracteres_ = 0; // characters of the blocks
    // Each text: where its length and characters start.
    std::vector<const char16_t*> textos_;
    std::vector<Ranura> tabla_;
};
