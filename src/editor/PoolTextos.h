#pragma once
// Texts kept once however many grid rows show them (account codes,
// descriptions, entry numbers): a row stores a small index instead.
#include <QHash>
#include <QString>
#include <cstdint>
#include <vector>

class PoolTextos {
public:
    std::int32_t indice(const QString& texto) {
        const auto it = indices_.constFind(texto);
        if (it != indices_.constEnd())
            return it.value();
        const auto i = static_cast<std::int32_t>(textos_.size());
        textos_.push_back(texto);
        indices_.insert(texto, i);
        return i;
    }
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
    const QString& texto(std::int32_t i) const {
        static const QString vacio;
        return i < 0 ? vacio : textos_[static_cast<std::size_t>(i)];
    }
    void limpiar() {
        indices_.clear();
        textos_.clear();
    }

private:
    QHash<QString, std::int32_t> indices_;
    std::vector<QString> textos_;
};
