// The sort by a column title. A million rows hold few distinct texts in most
// columns, and the texts the pool keeps are already one index per text: the
// rows are ranked by index, only the distinct texts are compared, and a
// counting sort by rank keeps rows of equal text in their order.
#include "Importes.h"
#include "ModeloAsientos.h"
#include <QHash>
#include <algorithm>
#include <bit>

namespace {
// Distinct texts that the pool does not hold, each with an id after the pool's.
class TextosSueltos {
public:
    explicit TextosSueltos(std::int32_t primero) : primero_(primero) {}
    std::int32_t id(const QString& texto) {
        const auto it = ids_.constFind(texto);
        if (it != ids_.constEnd())
            return it.value();
        const std::int32_t nuevo = nuevoId(texto);
        ids_.insert(texto, nuevo);
        return nuevo;
    }
    // A text already known to be new to the caller (ranks join equal texts anyway).
    std::int32_t nuevoId(const QString& texto) {
        textos_.push_back(texto);
        return primero_ + static_cast<std::int32_t>(textos_.size()) - 1;
    }
    QStringView vista(std::int32_t id) const {
        return textos_[static_cast<std::size_t>(id - primero_)];
    }
    std::int32_t cantidad() const { return static_cast<std::int32_t>(textos_.size()); }

private:
    std::int32_t primero_;
    std::vector<QString> textos_;
    QHash<QString, std::int32_t> ids_;
};
} // namespace

void ModeloAsientos::Ordenar(int columna) {
    if (columna < 0 || columna >= columnas_)
        return;
    const std::size_t n = filas_.size();
    const std::int32_t enPool = pool_.cantidad();
    TextosSueltos sueltos(enPool);
    // Amounts and line numbers that are numbers become a text once per value.
    QHash<quint64, std::int32_t> importes;
    if (columna == Columnas::Debe || columna == Columnas::Haber)
        importes.reserve(static_cast<qsizetype>(lineas_.size() / 2));
    QHash<int, std::int32_t> numeros;
    const std::int32_t cero = sueltos.id(QStringLiteral("0"));

    std::vector<std::int32_t> ids(n);
    for (std::size_t i = 0; i < n; ++i) {
        const Fila f = filas_[i];
        const int fila = static_cast<int>(i) + 1;
        std::int32_t id = -1;
        if (f >= 0 && (cambios_.isEmpty() || !cambios_.contains(claveCambio(f, columna)))) {
            const Linea& l = lineas_[static_cast<std::size_t>(f)];
            switch (columna) {
            case Columnas::Linea: {
                auto it = numeros.constFind(l.numero);
                id = it != numeros.constEnd()
                         ? it.value()
                         : numeros.insert(l.numero, sueltos.nuevoId(QString::number(l.numero)))
                               .value();
                break;
            }
            case Columnas::Cuenta:
                id = l.cuenta;
                break;
            case Columnas::Descripcion:
                id = l.descripcion;
                break;
            case Columnas::Debe:
            case Columnas::Haber:
                if (l.debeHaber != (columna == Columnas::Debe ? 'D' : 'H')) {
                    id = cero;
                } else if (l.importeTexto >= 0) {
                    id = l.importeTexto;
                } else {
                    const quint64 bits = std::bit_cast<quint64>(l.importe());
                    auto it = importes.constFind(bits);
                    id = it != importes.constEnd()
                             ? it.value()
                             : importes
                                   .insert(bits,
                                           sueltos.nuevoId(Importes::Llano(QVariant(l.importe()))))
                                   .value();
                }
                break;
            case Columnas::CuentaPrincipal:
                id = principal(f).cuenta;
                break;
            case Columnas::Provincia:
                id = principal(f).provincia;
                break;
            default:
                if (columna >= Columnas::Libro && columna <= Columnas::Total && l.libro >= 0)
                    id = libros_[static_cast<std::size_t>(l.libro)]
                             .textos[columna - Columnas::Libro];
                break;
            }
        }
        ids[i] = id >= 0 ? id : sueltos.id(Texto(fila, columna));
    }

    // The distinct texts in the grid's order (case-sensitive, character by
    // character), equal texts sharing a rank.
    const std::int32_t total = enPool + sueltos.cantidad();
    auto vista = [&](std::int32_t id) { return id < enPool ? pool_.vista(id) : sueltos.vista(id); };
    std::vector<char> usado(static_cast<std::size_t>(total), 0);
    for (const std::int32_t id : ids)
        usado[static_cast<std::size_t>(id)] = 1;
    std::vector<std::int32_t> distintos;
    for (std::int32_t id = 0; id < total; ++id)
        if (usado[static_cast<std::size_t>(id)])
            distintos.push_back(id);
    // The first eight characters packed in two numbers decide most
    // comparisons; a string that ends sooner pads with the smallest
    // character, so the numbers' order never contradicts the texts' order.
    struct Clave {
        quint64 prefijo, prefijo2;
        std::int32_t id;
        bool operator==(const Clave& o) const {
            return prefijo == o.prefijo && prefijo2 == o.prefijo2;
        }
        bool operator<(const Clave& o) const {
            return prefijo != o.prefijo ? prefijo < o.prefijo : prefijo2 < o.prefijo2;
        }
    };
    std::vector<Clave> claves;
    claves.reserve(distintos.size());
    for (const std::int32_t id : distintos) {
        const QStringView t = vista(id);
        quint64 p[2] = {0, 0};
        for (qsizetype k = 0; k < 8; ++k)
            p[k / 4] = (p[k / 4] << 16) | (k < t.size() ? t[k].unicode() : 0u);
        claves.push_back({p[0], p[1], id});
    }
    std::sort(claves.begin(), claves.end(), [&](const Clave& a, const Clave& b) {
        if (!(a == b))
            return a < b;
        return vista(a.id).compare(vista(b.id), Qt::CaseSensitive) < 0;
    });
    std::vector<std::int32_t> rango(static_cast<std::size_t>(total), 0);
    std::int32_t r = 0;
    for (std::size_t k = 0; k < claves.size(); ++k) {
        if (k > 0 && (!(claves[k - 1] == claves[k]) ||
                      vista(claves[k - 1].id).compare(vista(claves[k].id), Qt::CaseSensitive) != 0))
            ++r;
        rango[static_cast<std::size_t>(claves[k].id)] = r;
    }

    // Counting sort by rank: stable.
    std::vector<std::size_t> inicio(static_cast<std::size_t>(r) + 2, 0);
    for (const std::int32_t id : ids)
        ++inicio[static_cast<std::size_t>(rango[static_cast<std::size_t>(id)]) + 1];
    for (std::size_t k = 1; k < inicio.size(); ++k)
        inicio[k] += inicio[k - 1];
    std::vector<Fila> nuevas(n);
    for (std::size_t i = 0; i < n; ++i)
        nuevas[inicio[static_cast<std::size_t>(rango[static_cast<std::size_t>(ids[i])])]++] =
            filas_[i];
    emit layoutAboutToBeChanged();
    filas_ = std::move(nuevas);
    emit layoutChanged();
}
