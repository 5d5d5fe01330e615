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
