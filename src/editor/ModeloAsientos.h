#pragma once
// The rows of the entry grid: one header row per voucher followed by its
// journal lines. Rows are compact records (texts shared through a pool, the
// line key built when asked), so a million lines fit in memory.
//
// Rows are numbered as on the grid: row 0 holds the titles, the data rows
// are 1 to FilasGrid() - 1. The Qt model row r is grid row r + 1.
#include "PoolTextos.h"
#include <QAbstractTableModel>
#include <QColor>
#include <QSet>
#include <array>
#include <cstdint>
#include <cstring>
#include <optional>
#include <span>
#include <vector>

namespace Colores {
constexpr std::uint32_t Azul = 0xFF0000;    // RGB(0, 0, 255)
constexpr std::uint32_t Gris = 0xE0E0E0;    // RGB(224, 224, 224): the editable mark
constexpr std::uint32_t Celeste = 0xFFFF00; // RGB(0, 255, 255)
constexpr std::uint32_t Blanco = 0xFFFFFF;
constexpr std::uint32_t Rojo = 0x0000FF; // RGB(255, 0, 0)
// RGB(160, 64, 0): text changed on screen; 4.9:1 on the editable grey.
constexpr std::uint32_t NaranjaOscuro = 0x0040A0;
QColor AQColor(std::uint32_t rgb);
} // namespace Colores

// Column numbers of the grid.
namespace Columnas {
constexpr int Linea = 0, Cuenta = 1, Descripcion = 2, Debe = 3, Haber = 4, Clave = 5, Libro = 6,
              Total = 11, CuentaPrincipal = 12, Provincia = 13;
} // namespace Columnas

// A voucher as the header row shows it.
struct DatosComprobante {
    QString tc, sucursal, numero, letra;
    QString detalle, unegocio;
};

// A journal line as the load reads it.
struct DatosLinea {
    QString cuenta, descripcion;
    QVariant importe;
    QString debeHaber;
    QString tipoVista, medioDePago;
    QString periodo, mesOperativo, secuencia, tipoReg, numeroAsiento;
    QString nombre; // tax-book name: tax data present when not empty
    QString libro, netoGravado, noGravado, importeIva, importeIvaRecargo, total;
};

class ModeloAsientos : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit ModeloAsientos(QObject* parent = nullptr);

    // Empties the grid: the titles and one empty row; 14 columns, 16 with the
    // principal-account data.
    void Inicializar(bool conCuentaPrincipal);
    int FilasGrid() const { return static_cast<int>(filas_.size()) + 1; }
    int Columnas() const { return columnas_; }

    // Adds a voucher's header row: into the last row while the grid has only
    // its first empty row, on a new row afterwards. Returns the grid row.
    int AgregarCabecera(const DatosComprobante& c);
    // Adds a line row under the last header. Returns the grid row.
    int AgregarLinea(int numeroLinea, const DatosLinea& l);
    // Sets the principal-account cells (12 and 13) of a line row.
    void FijarCuentaPrincipal(int fila, const QString& cuenta, const QString& provincia);
    // Rows added since the last call become visible to the views.
    void Publicar();
    // Room for the lines a load expects, taken at once instead of growing.
    void Reservar(long lineas);

    QString Titulo(int columna) const;
    QString Texto(int fila, int columna) const;
    // The same text as a view: into the rows' own texts where the cell holds
    // one as it is, else into apoyo. Valid until the grid or apoyo changes.
    QStringView VistaTexto(int fila, int columna, QString& apoyo) const;
    // A cell as a writer that turns each distinct value into text once reads
    // it: a text of the pool (indice, see TextoDistinto), an amount held as a
    // number (importe; zero on the other side, which shows "0"), a line
    // number (indice), an empty cell, a voucher header's cell 1 or 2 (indice:
    // the voucher, see PiezasComprobante), or any other cell, whose text
    // Texto gives.
    struct Celda {
        enum class Tipo : std::uint8_t { Vacia, Pool, Importe, Numero, Cabecera, Otra };
        Tipo tipo;
        std::int32_t indice;
        double importe;
    };
    // The cells of a row, one for each of the Columnas() columns.
    void CeldasDe(int fila, Celda* celdas) const;
    // A plain journal line: its cells are its number, account, description
    // (pool indices, -1 when empty) and the amount of each side (zero on the
    // other side, which shows "0"), and every other cell but the key's is
    // empty: no tax-book data, no principal account, the amount held as a
    // number and no cell changed on screen in the grid.
    struct LineaLlana {
        std::int32_t numero, cuenta, descripcion;
        double debe, haber;
    };
    // True, with the line, when the row is a plain journal line.
    bool LineaLlanaDe(int fila, LineaLlana& llana) const;
    // The voucher of a header row (see PiezasComprobante); -1 for other rows.
    // A header row's cells are empty but for Cuenta and Descripcion.
    std::int32_t ComprobanteDeCabecera(int fila) const {
        const Fila f = fila >= 1 && fila < FilasGrid() ? filas_[fila - 1] : kVacia;
        return f < kVacia ? -f - 2 : -1;
    }
    // A voucher's texts: type, branch, number, letter, detail, business unit.
    std::array<QStringView, 6> PiezasComprobante(std::int32_t comprobante) const {
        const Comprobante& c = comprobantes_[static_cast<std::size_t>(comprobante)];
        return {pool_.vista(c.tc),    pool_.vista(c.sucursal), pool_.vista(c.numero),
                pool_.vista(c.letra), pool_.vista(c.detalle),  pool_.vista(c.unegocio)};
    }
    // The pool's texts: indices 0 to TextosDistintos() - 1.
    int TextosDistintos() const { return pool_.cantidad(); }
    QStringView TextoDistinto(std::int32_t indice) const { return pool_.vista(indice); }
    // The background of a cell as an RGB number (0 when the grid's own).
    std::uint32_t Fondo(int fila, int columna) const;
    bool EsCabecera(int fila) const;
    // The voucher a row shows or belongs to; nullopt for the empty row.
    std::optional<DatosComprobante> ComprobanteDe(int fila) const;
    bool EsLinea(int fila) const;
    // The editable mark: the light grey background.
    bool EsEditable(int fila, int columna) const { return Fondo(fila, columna) == Colores::Gris; }

    // Changes of the editor: a new account (the line key follows it), a new
    // text in any other cell, a cell back to the text the load gave it.
    void FijarCuenta(int fila, const QString& cuenta, const QString& descripcion);
    // A text equal to the loaded one is no change; an amount cell keeps the
    // amount as a plain regional number (what the totals count).
    void FijarTexto(int fila, int columna, const QString& texto);
    void QuitarCambio(int fila, int columna);
    // The lines among identidades (IdentidadLinea) whose key names desde
    // take the account hacia, as written to the database by someone else
    // than the editor. Returns how many.
    int CambiarCuentaDeLineas(const QSet<QString>& identidades, const QString& desde,
                              const QString& hacia, const QString& descripcion);

    // A cell changed on screen and not written: an amount (never written) or
    // an account not confirmed with Enter. Shown in its own style.
    bool CambiadoEnPantalla(int fila, int columna) const;
    // Whether some debit or credit cell holds an amount changed on screen.
    bool HayImportesCambiados() const;
    // The amount of a debit or credit cell in units of 10^-decimales, as the
    // totals count it (see Importes::EnUnidades); 0 for any other cell.
    std::int64_t Importe(int fila, int columna, int decimales) const;

    // The line key without its account: the same journal line whatever
    // account it holds. Empty for a row that is not a line.
    QString ClaveSinCuenta(int fila) const;
    // The account the line key names: the one the database holds as far as
    // the grid knows (loaded or written since), whatever the cell shows.
    // Empty for a row that is not a line.
    QString CuentaClave(int fila) const;
    // The columns that name a line (type, branch, number, letter, period,
    // month, entry, sequence, record type) as read, joined by
    // kSeparadorIdentidad, in capitals. Empty for a row that is not a line.
    QString IdentidadLinea(int fila) const;
    static constexpr char16_t kSeparadorIdentidad = 0x1F;

    // Sorts rows 1 to the last by a column's text, ascending, comparing
    // texts character by character with letter case.
    void Ordenar(int columna);

    // The memory the rows take, in bytes (for the benchmark).
    std::size_t BytesUsados() const;

    // Qt model.
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    void sort(int column, Qt::SortOrder order) override;

private:
    struct Comprobante {
        std::int32_t tc, sucursal, numero, letra, detalle, unegocio;
    };
    struct Linea {
        std::int32_t comprobante;
        std::int32_t cuenta, descripcion;
        std::int32_t periodo, mes, secuencia, tipoReg, asiento;
        std::int32_t libro = -1;   // index of its tax-book data
        std::int32_t importeTexto; // the amount's pooled text when it is not a number
        std::int16_t numero;
        char debeHaber; // 'D', 'H' or 0
        bool editable;
        // The amount as a number, in two halves: the record then needs no
        // room to align a double (52 bytes instead of 56).
        std::uint32_t importeBits[2] = {0, 0};
        double importe() const {
            double d;
            std::memcpy(&d, importeBits, sizeof d);
            return d;
        }
        void fijarImporte(double d) { std::memcpy(importeBits, &d, sizeof d); }
    };
    struct Libro {
        std::int32_t textos[6];
    };
    // The pooled texts of cells 12 and 13 of a line, kept apart by line index
    // only once a load sets them: a plain load has no room for them.
    struct Principal {
        std::int32_t cuenta = -1, provincia = -1;
    };
    Principal principal(std::int32_t lineaIndice) const {
        return static_cast<std::size_t>(lineaIndice) < principales_.size()
                   ? principales_[static_cast<std::size_t>(lineaIndice)]
                   : Principal{};
    }
    // A row: a line index (>= 0), a header (-voucher - 2) or the empty row (-1).
    using Fila = std::int32_t;
    static constexpr Fila kVacia = -1;

    const Linea* linea(int fila) const;
    Linea* linea(int fila);
    QString clave(const Linea& l) const;
    QString claveSinCuenta(const Linea& l) const;
    QString textoSinCambios(int fila, int columna) const;
    void agregarFila(Fila f);
    static quint64 claveCambio(std::int32_t lineaIndice, int columna) {
        return (static_cast<quint64>(lineaIndice) << 8) | static_cast<quint64>(columna);
    }

    int columnas_ = 14;
    std::vector<Fila> filas_;
    int publicadas_ = 0;
    std::vector<Comprobante> comprobantes_;
    std::vector<Linea> lineas_;
    std::vector<Libro> libros_;
    std::vector<Principal> principales_;
    PoolTextos pool_;
    // The last text of each field of the lines added.
    PoolTextos::Ultimo uCuenta_, uDescripcion_, uPeriodo_, uMes_, uSecuencia_, uTipoReg_, uAsiento_;
    PoolTextos::Ultimo uPrincipal_, uProvincia_;
    QHash<quint64, QString> cambios_;
};
