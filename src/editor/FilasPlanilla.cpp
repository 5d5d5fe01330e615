#include "FilasPlanilla.h"
#include "Importes.h"
#include "ModeloAsientos.h"
#include "SalidaPlanilla.h"
#include <QLocale>
#include <array>
#include <bit>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif
#include <cmath>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {
// A text in the code page, one byte a character: "?" for a character
// outside it, as the encoder writes it.
char* codificar(QStringView t, char* p) {
    const char16_t* c = t.utf16();
    for (qsizetype i = 0; i < t.size(); ++i)
        *p++ = c[i] > 0xFF ? '?' : static_cast<char>(c[i]);
    return p;
}

// A text's characters as bytes at q, one each, eight at a time where the
// processor can; true when one of them is outside the code page (its byte is
// then of no use).
bool aBytes(QStringView t, char* q) {
    const char16_t* c = t.utf16();
    const qsizetype n = t.size();
    qsizetype i = 0;
    bool ancho = false;
#if defined(__SSE2__)
    __m128i todos = _mm_setzero_si128();
    for (; i + 8 <= n; i += 8) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(c + i));
        todos = _mm_or_si128(todos, v);
        _mm_storel_epi64(reinterpret_cast<__m128i*>(q + i), _mm_packus_epi16(v, v));
    }
    const __m128i altos = _mm_srli_epi16(todos, 8);
    ancho = _mm_movemask_epi8(_mm_cmpeq_epi16(altos, _mm_setzero_si128())) != 0xFFFF;
#endif
    char16_t alto = 0;
    for (; i < n; ++i) {
        alto |= c[i] & 0xFF00;
        q[i] = static_cast<char>(c[i]);
    }
    return ancho || alto != 0;
}

// Short cells are copied 64 bytes at a time: the bytes they come from are
// followed by at least kRelleno readable ones, and the room taken for them
// counts kRelleno more.
constexpr qsizetype kRelleno = 64;

// The cells' bytes, trimmed and in the code page. A pooled text is encoded
// once and kept (a million rows repeat their accounts and descriptions);
// amounts and line numbers are written digit by digit, as the grid shows them.
class BytesDeCeldas {
public:
    explicit BytesDeCeldas(const ModeloAsientos& grilla)
        : grilla_(grilla),
          paginas_((static_cast<std::size_t>(grilla.TextosDistintos()) + kPorPagina - 1) /
                   kPorPagina) {
        const QLocale l;
        menos_ = codificado(l.negativeSign());
        punto_ = codificado(l.decimalPoint());
        // An amount's digits fit in kImporte with signs of a few letters;
        // longer ones go through Llano.
        digitos_ = menos_.largo <= kSigno && punto_.largo <= kSigno;
    }
    struct Bytes {
        const char* datos;
        std::uint32_t largo;
    };
    // A pooled text's bytes, followed by kRelleno readable ones.
    Bytes pool(std::int32_t indice) {
        auto& pagina = paginas_[static_cast<std::size_t>(indice) / kPorPagina];
        if (!pagina) {
            pagina = std::make_unique<std::array<std::uint32_t, kPorPagina>>();
            pagina->fill(kSinHacer);
        }
        std::uint32_t& inicio = (*pagina)[static_cast<std::size_t>(indice) % kPorPagina];
        if (inicio == kSinHacer)
            inicio = guardar(grilla_.TextoDistinto(indice).trimmed());
        Bytes b;
        std::memcpy(&b.largo, guardados_.data() + inicio, sizeof b.largo);
        b.datos = guardados_.data() + inicio + sizeof b.largo;
        return b;
    }
    // Room an amount's digits may take.
    static constexpr qsizetype kImporte = 48;
    // An amount as Importes::Llano writes it, into p; the end of its bytes,
    // or nullptr when it must go through Llano. Llano writes a whole amount
    // as such and any other with 15 significant digits, which give the
    // decimal k / 100 when d lies within 5e-16 |d| of it. The product
    // 100 d is computed within 1.2e-14 |d|, and k is a whole number below
    // 2^53: |100 d - k| within 3.5e-14 |d| keeps d within 4.7e-16 |d| of
    // k / 100. Every amount of whole cents (nearly all) passes.
    char* importe(double d, char* p) const {
        if (!digitos_ || !(std::fabs(d) < 1e13))
            return nullptr;
        // Any k will do that passes the test below: it is the one.
        const auto k = static_cast<std::int64_t>(d * 100 + (d < 0 ? -0.5 : 0.5));
        if (!(std::fabs(d * 100 - static_cast<double>(k)) <= 3.5e-14 * std::fabs(d)))
            return nullptr;
        // The sign, the decimal symbol and the cents are copied whole and
        // the position moved past what the amount shows: amounts come in
        // no order, and a guess at each would often be wrong.
        std::memcpy(p, menos_.datos.data(), kSigno);
        p += k < 0 ? menos_.largo : 0;
        const std::uint64_t a =
            k < 0 ? 0 - static_cast<std::uint64_t>(k) : static_cast<std::uint64_t>(k);
        p = entero(a / 100, p);
        const auto centavos = static_cast<unsigned>(a % 100);
        std::memcpy(p, punto_.datos.data(), kSigno);
        char* q = p + punto_.largo;
        q[0] = static_cast<char>('0' + centavos / 10);
        q[1] = static_cast<char>('0' + centavos % 10);
        return centavos == 0 ? p : q + (centavos % 10 != 0 ? 2 : 1);
    }
    // An amount through Llano, trimmed.
    static QString importeLlano(double d) { return Importes::Llano(QVariant(d)).trimmed(); }
    // Room a line number takes.
    static constexpr qsizetype kNumero = 12;
    static char* numero(std::int32_t n, char* p) {
        if (n < 0)
            *p++ = '-';
        return entero(static_cast<std::uint64_t>(n < 0 ? -static_cast<std::int64_t>(n) : n), p);
    }

private:
    static constexpr std::uint32_t kSinHacer = 0xFFFFFFFF;
    // A sign or symbol of the amounts in the code page, kept in kSigno bytes.
    static constexpr qsizetype kSigno = 8;
    struct Signo {
        std::array<char, kSigno> datos{};
        qsizetype largo = 0;
    };
    static Signo codificado(QStringView t) {
        Signo s;
        s.largo = std::min(t.size(), kSigno + 1);
        if (s.largo <= kSigno)
            codificar(t, s.datos.data());
        return s;
    }
    // A whole number's digits, two at a time, each written in its place
    // once the number of digits is known.
    static char* entero(std::uint64_t a, char* p) {
        static constexpr char kPares[] = "00010203040506070809101112131415161718192021222324"
                                         "25262728293031323334353637383940414243444546474849"
                                         "50515253545556575859606162636465666768697071727374"
                                         "75767778798081828384858687888990919293949596979899";
        static constexpr auto kPotencias = [] {
            std::array<std::uint64_t, 20> p{1};
            for (std::size_t i = 1; i < p.size(); ++i)
                p[i] = p[i - 1] * 10;
            return p;
        }();
        // log10 from the bits the number takes (1233 / 4096 is log10 2).
        const auto t = static_cast<std::size_t>((std::bit_width(a | 1) * 1233) >> 12);
        char* fin = p + std::max<std::size_t>(1, t + (a >= kPotencias[t] ? 1 : 0));
        char* q = fin;
        while (a >= 100) {
            q -= 2;
            std::memcpy(q, kPares + 2 * (a % 100), 2);
            a /= 100;
        }
        if (a >= 10)
            std::memcpy(q - 2, kPares + 2 * a, 2);
        else
            q[-1] = static_cast<char>('0' + a);
        return fin;
    }
    // Where the text's length and bytes start among the texts kept.
    // The texts are followed by kRelleno bytes.
    std::uint32_t guardar(QStringView t) {
        const auto inicio = static_cast<std::uint32_t>(fin_);
        const auto largo = static_cast<std::uint32_t>(t.size());
        fin_ += sizeof largo + largo;
        guardados_.resize(fin_ + kRelleno);
        std::memcpy(guardados_.data() + inicio, &largo, sizeof largo);
        codificar(t, guardados_.data() + inicio + sizeof largo);
        return inicio;
    }
    const ModeloAsientos& grilla_;
    // Where each pool text's bytes start, by pool index, in pages made when
    // first needed: the cells use few of a large grid's texts (most are
    // voucher numbers, which only header rows show).
    static constexpr std::size_t kPorPagina = 1024;
    std::vector<std::unique_ptr<std::array<std::uint32_t, kPorPagina>>> paginas_;
    std::vector<char> guardados_;
    std::size_t fin_ = 0;
    Signo menos_, punto_;
    bool digitos_ = true;
};

// Empty cells, one after another.
constexpr char kVacias[] =
    "<TD>&nbsp<TD>&nbsp<TD>&nbsp<TD>&nbsp<TD>&nbsp<TD>&nbsp<TD>&nbsp<TD>&nbsp"
    "<TD>&nbsp<TD>&nbsp<TD>&nbsp<TD>&nbsp<TD>&nbsp<TD>&nbsp<TD>&nbsp<TD>&nbsp";
constexpr qsizetype kVacia = 9;

} // namespace

// The row writer of one thread.
class FilasPlanilla::Escritor {
public:
    Escritor(const ModeloAsientos& grilla, const std::vector<int>& columnas)
        : grilla_(grilla), columnas_(columnas), bytes_(grilla),
          todas_(static_cast<std::size_t>(grilla.Columnas())),
          presupuesto_(static_cast<qsizetype>(columnas.size() + 2) * kPorCelda),
          conLlanas_(columnasDeLlanas(columnas)) {}

    // Rows desde to hasta - 1 of the grid into s. The bytes go through a
    // pointer of the row's own, the room for each cell made sure first.
    void escribir(int desde, int hasta, SalidaPlanilla& s) {
        using T = ModeloAsientos::Celda::Tipo;
        // Where writing goes on, and the end of the room there: kept in
        // registers, handed to the buffer only when it must grow.
        struct Tramo {
            char* p;
            char* fin;
        };
        auto crecer = [&s, this](char* p, qsizetype n) {
            s.hasta(p);
            char* q = s.reservar(n + presupuesto_);
            return Tramo{q, s.finReservado()};
        };
        char* p = s.reservar(presupuesto_);
        char* fin = s.finReservado();
        // Room for n bytes and a row's budget after them.
        auto lugar = [&](qsizetype n) __attribute__((always_inline)) {
            if (fin - p < n + presupuesto_) [[unlikely]] {
                const Tramo t = crecer(p, n);
                p = t.p;
                fin = t.fin;
            }
        };
        // A cell the buffer writes itself; the budget is made again after it.
        auto aparte = [&s, this](char* desde, QStringView t) {
            s.hasta(desde);
            s.celda(t);
            char* q = s.reservar(presupuesto_);
            return Tramo{q, s.finReservado()};
        };
        auto seguir = [&](const Tramo& t) __attribute__((always_inline)) {
            p = t.p;
            fin = t.fin;
        };

        // The cells' writers. Empty cells are copied a whole piece at a time,
        // the position then moved only past the cells wanted.
        auto vacias = [&](std::size_t cuantas) __attribute__((always_inline)) {
            const auto n = static_cast<qsizetype>(cuantas) * kVacia;
            constexpr qsizetype kPieza = sizeof kVacias - 1;
            for (qsizetype hecho = 0; hecho < n; hecho += kPieza)
                std::memcpy(p + hecho, kVacias, kPieza);
            p += n;
        };
        auto pool = [&](std::int32_t indice) __attribute__((always_inline)) {
            if (indice < 0) {
                vacias(1);
                return;
            }
            const BytesDeCeldas::Bytes b = bytes_.pool(indice);
            if (b.largo > kCorta)
                lugar(b.largo);
            if (b.largo == 0) {
                vacias(1);
                return;
            }
            std::memcpy(p, "<TD>", 4);
            if (b.largo <= kRelleno)
                std::memcpy(p + 4, b.datos, kRelleno);
            else
                std::memcpy(p + 4, b.datos, b.largo);
            p += 4 + b.largo;
        };
        auto importe = [&](double d) __attribute__((always_inline)) {
            std::memcpy(p, "<TD>", 4);
            if (char* f = bytes_.importe(d, p + 4))
                p = f;
            else
                seguir(aparte(p, BytesDeCeldas::importeLlano(d)));
        };
        auto numero = [&](std::int32_t n) __attribute__((always_inline)) {
            std::memcpy(p, "<TD>", 4);
            p = BytesDeCeldas::numero(n, p + 4);
        };

        // A voucher header's cell 1 or 2.
        auto cabecera = [&](std::int32_t comprobante, int columna, int fila) {
            const auto partes = piezas(comprobante, columna, fila);
            qsizetype largo = 0;
            for (const QStringView t : partes)
                largo += t.size();
            if (largo > kCorta)
                lugar(largo);
            if (char* f = cabeceraEnBytes(partes, p))
                p = f;
            else
                seguir(aparte(p, cabeceraTexto(comprobante, columna, fila)));
        };

        const std::size_t cantidad = columnas_.size();
        ModeloAsientos::LineaLlana llana;
        for (int fila = desde; fila < hasta; ++fila) {
            // The row's budget: only a cell longer than kCorta needs more.
            lugar(0);
            std::memcpy(p, "<TR> ", 5);
            p += 5;
            if (conLlanas_ && grilla_.LineaLlanaDe(fila, llana)) {
                // Most rows: the first five columns, the others empty.
                numero(llana.numero);
                pool(llana.cuenta);
                pool(llana.descripcion);
                importe(llana.debe);
                importe(llana.haber);
                vacias(cantidad - 5);
                std::memcpy(p, "\r\n", 2);
                p += 2;
                continue;
            }
            if (const std::int32_t comprobante = grilla_.ComprobanteDeCabecera(fila);
                conLlanas_ && comprobante >= 0) {
                // A voucher header: its two cells, the others empty.
                vacias(1);
                cabecera(comprobante, Columnas::Cuenta, fila);
                cabecera(comprobante, Columnas::Descripcion, fila);
                vacias(cantidad - 3);
                std::memcpy(p, "\r\n", 2);
                p += 2;
                continue;
            }
            grilla_.CeldasDe(fila, todas_.data());
            auto celda = [&](std::size_t k) -> const ModeloAsientos::Celda& {
                return todas_[static_cast<std::size_t>(columnas_[k])];
            };
            for (std::size_t k = 0; k < cantidad; ++k) {
                const ModeloAsientos::Celda& c = celda(k);
                switch (c.tipo) {
                case T::Vacia: {
                    // Empty cells come in runs: the columns a row leaves empty.
                    std::size_t hastaK = k + 1;
                    while (hastaK < cantidad && celda(hastaK).tipo == T::Vacia)
                        ++hastaK;
                    vacias(hastaK - k);
                    k = hastaK - 1;
                    break;
                }
                case T::Pool:
                    pool(c.indice);
                    break;
                case T::Importe:
                    importe(c.importe);
                    break;
                case T::Numero:
                    numero(c.indice);
                    break;
                case T::Cabecera:
                    cabecera(c.indice, columnas_[k], fila);
                    break;
                case T::Otra:
                    seguir(aparte(p, grilla_.VistaTexto(fila, columnas_[k], apoyo_).trimmed()));
                    break;
                }
            }
            std::memcpy(p, "\r\n", 2);
            p += 2;
        }
        s.hasta(p);
    }

private:
    // The pieces a voucher header's cell joins: "FC 000100000010A" in the
    // account's column, "detail Uneg: 1" in the description's.
    std::array<QStringView, 5> piezas(std::int32_t comprobante, int columna, int fila) {
        if (fila != filaPiezas_) {
            piezas_ = grilla_.PiezasComprobante(comprobante);
            filaPiezas_ = fila;
        }
        const auto& p = piezas_;
        if (columna == 1)
            return {p[0], u" ", p[1], p[2], p[3]};
        return {p[4], u" Uneg: ", p[5], {}, {}};
    }
    // A voucher header's cell, its pieces written at p straight into the
    // code page and trimmed there: the end of its bytes, or nullptr when a
    // piece holds a character outside the code page (which may be a blank
    // the text's trimming takes).
    // Room for its bytes and 5 more must be made first.
    static char* cabeceraEnBytes(const std::array<QStringView, 5>& partes, char* p) {
        char* q = p + 4;
        bool ancho = false;
        for (const QStringView t : partes) {
            ancho = aBytes(t, q) || ancho;
            q += t.size();
        }
        if (ancho)
            return nullptr;
        // The blanks QString::trimmed takes among the code page's characters.
        auto blanco = [](char c) {
            const auto u = static_cast<unsigned char>(c);
            return u == 0x20 || (u >= 0x09 && u <= 0x0D) || u == 0x85 || u == 0xA0;
        };
        char* desde = p + 4;
        while (desde < q && blanco(*desde))
            ++desde;
        while (q > desde && blanco(q[-1]))
            --q;
        if (desde == q) {
            std::memcpy(p, kVacias, kVacia);
            return p + kVacia;
        }
        if (desde != p + 4)
            std::memmove(p + 4, desde, static_cast<std::size_t>(q - desde));
        std::memcpy(p, "<TD>", 4);
        return p + 4 + (q - desde);
    }
    // A voucher header's cell as the grid joins it, as text.
    QStringView cabeceraTexto(std::int32_t comprobante, int columna, int fila) {
        junto_.clear();
        for (const QStringView t : piezas(comprobante, columna, fila))
            junto_.append(t.utf16(), static_cast<std::size_t>(t.size()));
        return QStringView(junto_).trimmed();
    }
    const ModeloAsientos& grilla_;
    const std::vector<int>& columnas_;
    BytesDeCeldas bytes_;
    std::vector<ModeloAsientos::Celda> todas_; // the row's cells
    std::u16string junto_;                     // a header's cell, its room kept from row to row
    QString apoyo_;
    // The pieces of the voucher of the header row last written.
    std::array<QStringView, 6> piezas_;
    int filaPiezas_ = -1;
    // A cell's bytes need no room of their own up to kCorta: the room for a
    // row is made once, kPorCelda for each cell and for the row's ends, which
    // holds any short cell (a run of empty cells copies a whole piece).
    static constexpr qsizetype kCorta = 256;
    static constexpr qsizetype kPorCelda = kCorta + 4 + kRelleno + sizeof kVacias;
    const qsizetype presupuesto_;
    // Plain lines and voucher headers are written as such when the columns
    // written are the first five and then only columns both leave empty.
    static bool columnasDeLlanas(const std::vector<int>& columnas) {
        if (columnas.size() < 5)
            return false;
        for (std::size_t k = 0; k < columnas.size(); ++k)
            if (k < 5 ? columnas[k] != static_cast<int>(k) : columnas[k] <= Columnas::Clave)
                return false;
        return true;
    }
    const bool conLlanas_;
    static_assert(4 + BytesDeCeldas::kImporte <= kPorCelda &&
                  4 + BytesDeCeldas::kNumero <= kPorCelda);
};

FilasPlanilla::FilasPlanilla(const ModeloAsientos& grilla, const std::vector<int>& columnas)
    : escritor_(std::make_unique<Escritor>(grilla, columnas)) {}
FilasPlanilla::FilasPlanilla(FilasPlanilla&&) noexcept = default;
FilasPlanilla::~FilasPlanilla() = default;

void FilasPlanilla::Escribir(int desde, int hasta, SalidaPlanilla& s) {
    escritor_->escribir(desde, hasta, s);
}
