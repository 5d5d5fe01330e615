#include "ModeloAsientos.h"
#include "CambiosEnPantalla.h"
#include "Importes.h"
#include "TextoSql.h"
#include "UtilGeneral.h"
#include <QBrush>
#include <QFont>
#include <algorithm>

QColor Colores::AQColor(std::uint32_t rgb) {
    return QColor(rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF);
}

namespace {
const char* const kTitulos[] = {"Línea",       "Cuenta", "Descripción",      "DEBE",     "HABER",
                                "CLAVE",       "Libro",  "Neto Grav.",       "No Grav.", "Imp.IVA",
                                "Imp.IVA Rec", "Total",  "Cuenta principal", "Provincia"};
}

ModeloAsientos::ModeloAsientos(QObject* parent) : QAbstractTableModel(parent) {
    Inicializar(false);
}

void ModeloAsientos::Inicializar(bool conCuentaPrincipal) {
    beginResetModel();
    columnas_ = conCuentaPrincipal ? 16 : 14;
    filas_.assign(1, kVacia);
    publicadas_ = 1;
    comprobantes_.clear();
    lineas_.clear();
    libros_.clear();
    principales_.clear();
    pool_.limpiar();
    uCuenta_ = uDescripcion_ = uPeriodo_ = uMes_ = uSecuencia_ = uTipoReg_ = uAsiento_ = {};
    uPrincipal_ = uProvincia_ = {};
    cambios_.clear();
    endResetModel();
}

QString ModeloAsientos::Titulo(int columna) const {
    if (columna < 12)
        return QString::fromUtf8(kTitulos[columna]);
    if (columna < 14 && columnas_ == 16)
        return QString::fromUtf8(kTitulos[columna]);
    return {};
}

void ModeloAsientos::agregarFila(Fila f) {
    filas_.push_back(f);
}

int ModeloAsientos::AgregarCabecera(const DatosComprobante& c) {
    comprobantes_.push_back({pool_.indice(c.tc), pool_.indice(c.sucursal), pool_.indice(c.numero),
                             pool_.indice(c.letra), pool_.indice(c.detalle.left(40)),
                             pool_.indice(c.unegocio)});
    const Fila f = -static_cast<Fila>(comprobantes_.size()) - 1;
    if (FilasGrid() > 2) {
        agregarFila(f);
    } else {
        filas_.back() = f;
        if (publicadas_ == static_cast<int>(filas_.size()))
            emit dataChanged(index(rowCount() - 1, 0), index(rowCount() - 1, columnas_ - 1));
    }
    return FilasGrid() - 1;
}

int ModeloAsientos::AgregarLinea(int numeroLinea, const DatosLinea& d) {
    Linea l{};
    l.comprobante = static_cast<std::int32_t>(comprobantes_.size()) - 1;
    l.cuenta = pool_.indice(d.cuenta, uCuenta_);
    l.descripcion = pool_.indice(d.descripcion, uDescripcion_);
    l.periodo = pool_.indice(d.periodo, uPeriodo_);
    l.mes = pool_.indice(d.mesOperativo, uMes_);
    l.secuencia = pool_.indice(d.secuencia, uSecuencia_);
    l.tipoReg = pool_.indice(d.tipoReg, uTipoReg_);
    l.asiento = pool_.indice(d.numeroAsiento, uAsiento_);
    l.numero = static_cast<std::int16_t>(numeroLinea);
    const QString dh = d.debeHaber.trimmed().toUpper();
    l.debeHaber = dh == QLatin1String("D") ? 'D' : dh == QLatin1String("H") ? 'H' : 0;
    bool esNumero = false;
    l.fijarImporte(d.importe.toDouble(&esNumero));
    const int tipo = d.importe.typeId();
    // A driver may give decimals as text with a point: kept as the number
    // too, so the grid shows it in the regional notation.
    esNumero = esNumero && (tipo == QMetaType::Double || tipo == QMetaType::Int ||
                            tipo == QMetaType::LongLong || tipo == QMetaType::Float ||
                            tipo == QMetaType::QString);
    l.importeTexto = esNumero ? -1 : pool_.indice(UtilGeneral::ValorTexto(d.importe));
    // Customer, supplier and cheque lines cannot be edited.
    l.editable = d.tipoVista.compare(QStringLiteral("CL"), Qt::CaseInsensitive) != 0 &&
                 d.tipoVista.compare(QStringLiteral("PR"), Qt::CaseInsensitive) != 0 &&
                 d.medioDePago.compare(QStringLiteral("CH"), Qt::CaseInsensitive) != 0;
    if (!d.nombre.isEmpty()) {
        l.libro = static_cast<std::int32_t>(libros_.size());
        libros_.push_back({{pool_.indice(d.libro), pool_.indice(d.netoGravado),
                            pool_.indice(d.noGravado), pool_.indice(d.importeIva),
                            pool_.indice(d.importeIvaRecargo), pool_.indice(d.total)}});
    }
    lineas_.push_back(l);
    agregarFila(static_cast<Fila>(lineas_.size()) - 1);
    return FilasGrid() - 1;
}

void ModeloAsientos::FijarCuentaPrincipal(int fila, const QString& cuenta,
                                          const QString& provincia) {
    if (linea(fila) == nullptr)
        return;
    const auto i = static_cast<std::size_t>(filas_[fila - 1]);
    if (i >= principales_.size()) {
        principales_.reserve(std::max(lineas_.capacity(), i + 1));
        principales_.resize(std::max(lineas_.size(), i + 1));
    }
    principales_[i] = {pool_.indice(cuenta, uPrincipal_), pool_.indice(provincia, uProvincia_)};
}

void ModeloAsientos::Publicar() {
    const int total = static_cast<int>(filas_.size());
    if (total <= publicadas_)
        return;
    beginInsertRows({}, publicadas_, total - 1);
    publicadas_ = total;
    endInsertRows();
}

void ModeloAsientos::Reservar(long lineas) {
    const auto n = static_cast<std::size_t>(std::max(0L, lineas));
    lineas_.reserve(n);
    comprobantes_.reserve(n / 3 + 1);
    filas_.reserve(n + n / 3 + 2); // and the voucher headers
}

bool ModeloAsientos::EsCabecera(int fila) const {
    return fila >= 1 && fila < FilasGrid() && filas_[fila - 1] < kVacia;
}

std::optional<DatosComprobante> ModeloAsientos::ComprobanteDe(int fila) const {
    if (fila < 1 || fila >= FilasGrid() || filas_[fila - 1] == kVacia)
        return std::nullopt;
    const Fila f = filas_[fila - 1];
    const std::int32_t i = f < kVacia ? -f - 2 : lineas_[static_cast<std::size_t>(f)].comprobante;
    const Comprobante& c = comprobantes_[static_cast<std::size_t>(i)];
    return DatosComprobante{pool_.texto(c.tc),    pool_.texto(c.sucursal), pool_.texto(c.numero),
                            pool_.texto(c.letra), pool_.texto(c.detalle),  pool_.texto(c.unegocio)};
}

bool ModeloAsientos::EsLinea(int fila) const {
    return linea(fila) != nullptr;
}

const ModeloAsientos::Linea* ModeloAsientos::linea(int fila) const {
    if (fila < 1 || fila >= FilasGrid() || filas_[fila - 1] < 0)
        return nullptr;
    return &lineas_[static_cast<std::size_t>(filas_[fila - 1])];
}

ModeloAsientos::Linea* ModeloAsientos::linea(int fila) {
    return const_cast<Linea*>(static_cast<const ModeloAsientos*>(this)->linea(fila));
}

// The line key: every stored value between apostrophes has its own
// apostrophes doubled, so no value (a voucher number "<>''--", an account
// "O'Brien") can change the condition or reach other lines.
QString ModeloAsientos::clave(const Linea& l) const {
    return QStringLiteral(" CUENTA='") + TextoSql::Comillas(pool_.texto(l.cuenta)) +
           QStringLiteral("' AND") + claveSinCuenta(l);
}

QString ModeloAsientos::claveSinCuenta(const Linea& l) const {
    const Comprobante& c = comprobantes_[static_cast<std::size_t>(l.comprobante)];
    auto t = [&](std::int32_t i) { return TextoSql::Comillas(pool_.texto(i)); };
    return QStringLiteral(" PERIODO='") + t(l.periodo) + QStringLiteral("' AND MES_OPERATIVO='") +
           t(l.mes) + QStringLiteral("' AND SECUENCIA='") + t(l.secuencia) +
           QStringLiteral("' AND TIPO_REG='") + t(l.tipoReg) +
           QStringLiteral("' AND [NUMERO ASIENTO]='") + t(l.asiento) +
           QStringLiteral("' and TC= '") + t(c.tc) + QStringLiteral("' and sucursal= '") +
           t(c.sucursal) + QStringLiteral("' and numero = '") + t(c.numero) +
           QStringLiteral("' and letra= '") + t(c.letra) + QStringLiteral("'");
}

QString ModeloAsientos::ClaveSinCuenta(int fila) const {
    const Linea* l = linea(fila);
    return l != nullptr ? claveSinCuenta(*l) : QString();
}

QString ModeloAsientos::CuentaClave(int fila) const {
    const Linea* l = linea(fila);
    return l != nullptr ? pool_.texto(l->cuenta) : QString();
}

QString ModeloAsientos::IdentidadLinea(int fila) const {
    const Linea* l = linea(fila);
    if (l == nullptr)
        return {};
    const Comprobante& c = comprobantes_[static_cast<std::size_t>(l->comprobante)];
    const QChar sep(kSeparadorIdentidad);
    return (pool_.texto(c.tc) + sep + pool_.texto(c.sucursal) + sep + pool_.texto(c.numero) + sep +
            pool_.texto(c.letra) + sep + pool_.texto(l->periodo) + sep + pool_.texto(l->mes) + sep +
            pool_.texto(l->asiento) + sep + pool_.texto(l->secuencia) + sep +
            pool_.texto(l->tipoReg))
        .toUpper();
}

QString ModeloAsientos::textoSinCambios(int fila, int columna) const {
    if (fila < 1 || fila >= FilasGrid())
        return {};
    const Fila f = filas_[fila - 1];
    if (f == kVacia)
        return {};
    if (f < kVacia) {
        const Comprobante& c = comprobantes_[static_cast<std::size_t>(-f - 2)];
        if (columna == 1)
            return pool_.texto(c.tc) + u' ' + pool_.texto(c.sucursal) + pool_.texto(c.numero) +
                   pool_.texto(c.letra);
        if (columna == 2)
            return pool_.texto(c.detalle) + QStringLiteral(" Uneg: ") + pool_.texto(c.unegocio);
        return {};
    }
    const Linea& l = lineas_[static_cast<std::size_t>(f)];
    auto importe = [&] {
        return l.importeTexto >= 0 ? pool_.texto(l.importeTexto)
                                   : Importes::Llano(QVariant(l.importe()));
    };
    switch (columna) {
    case Columnas::Linea:
        return QString::number(l.numero);
    case Columnas::Cuenta:
        return pool_.texto(l.cuenta);
    case Columnas::Descripcion:
        return pool_.texto(l.descripcion);
    case Columnas::Debe:
        return l.debeHaber == 'D' ? importe() : QStringLiteral("0");
    case Columnas::Haber:
        return l.debeHaber == 'H' ? importe() : QStringLiteral("0");
    case Columnas::Clave:
        return clave(l);
    case Columnas::CuentaPrincipal:
        return pool_.texto(principal(f).cuenta);
    case Columnas::Provincia:
        return pool_.texto(principal(f).provincia);
    default:
        if (columna >= Columnas::Libro && columna <= Columnas::Total && l.libro >= 0)
            return pool_.texto(
                libros_[static_cast<std::size_t>(l.libro)].textos[columna - Columnas::Libro]);
        return {};
    }
}

QString ModeloAsientos::Texto(int fila, int columna) const {
    if (fila == 0)
        return Titulo(columna);
    if (!cambios_.isEmpty() && fila >= 1 && fila < FilasGrid() && filas_[fila - 1] >= 0) {
        const auto it = cambios_.constFind(claveCambio(filas_[fila - 1], columna));
        if (it != cambios_.constEnd())
            return it.value();
    }
    return textoSinCambios(fila, columna);
}

QStringView ModeloAsientos::VistaTexto(int fila, int columna, QString& apoyo) const {
    if (fila >= 1 && fila < FilasGrid() && filas_[fila - 1] >= 0 &&
        (cambios_.isEmpty() || !cambios_.contains(claveCambio(filas_[fila - 1], columna)))) {
        const Linea& l = lineas_[static_cast<std::size_t>(filas_[fila - 1])];
        switch (columna) {
        case Columnas::Cuenta:
            return pool_.vista(l.cuenta);
        case Columnas::Descripcion:
            return pool_.vista(l.descripcion);
        case Columnas::CuentaPrincipal:
            return pool_.vista(principal(filas_[fila - 1]).cuenta);
        case Columnas::Provincia:
            return pool_.vista(principal(filas_[fila - 1]).provincia);
        default:
            if (columna >= Columnas::Libro && columna <= Columnas::Total && l.libro >= 0)
                return pool_.vista(
                    libros_[static_cast<std::size_t>(l.libro)].textos[columna - Columnas::Libro]);
            break;
        }
    }
    apoyo = Texto(fila, columna);
    return apoyo;
}

void ModeloAsientos::CeldasDe(int fila, Celda* celdas) const {
    using T = Celda::Tipo;
    // Every column in turn, without asking column by column what it holds:
    // this is the inner loop of the control sheet.
    const Fila f = fila >= 1 && fila < FilasGrid() ? filas_[fila - 1] : kVacia;
    std::fill_n(celdas, columnas_, Celda{T::Vacia, -1, 0});
    if (f < 0) {
        if (f < kVacia && columnas_ > Columnas::Descripcion)
            celdas[Columnas::Cuenta] = celdas[Columnas::Descripcion] = {T::Cabecera, -f - 2, 0};
        return;
    }
    const Linea& l = lineas_[static_cast<std::size_t>(f)];
    auto pool = [](std::int32_t i) { return Celda{i >= 0 ? T::Pool : T::Vacia, i, 0}; };
    celdas[Columnas::Linea] = {T::Numero, l.numero, 0};
    celdas[Columnas::Cuenta] = pool(l.cuenta);
    celdas[Columnas::Descripcion] = pool(l.descripcion);
    // The other side shows "0": an amount of zero, so that either side is the
    // same kind of cell and its writer need not guess.
    const double importe = l.importe();
    const bool debe = l.debeHaber == 'D', haber = l.debeHaber == 'H';
    celdas[Columnas::Debe] = {T::Importe, -1, debe ? importe : 0.0};
    celdas[Columnas::Haber] = {T::Importe, -1, haber ? importe : 0.0};
    if (l.importeTexto >= 0 && (debe || haber))
        celdas[debe ? Columnas::Debe : Columnas::Haber] = pool(l.importeTexto);
    celdas[Columnas::Clave] = {T::Otra, -1, 0};
    if (l.libro >= 0) {
        const auto& textos = libros_[static_cast<std::size_t>(l.libro)].textos;
        for (int c = Columnas::Libro; c <= Columnas::Total; ++c)
            celdas[c] = pool(textos[c - Columnas::Libro]);
    }
    if (!principales_.empty()) {
        const Principal p = principal(f);
        celdas[Columnas::CuentaPrincipal] = pool(p.cuenta);
        celdas[Columnas::Provincia] = pool(p.provincia);
    }
    if (!cambios_.isEmpty())
        for (int c = 0; c < columnas_; ++c)
            if (cambios_.contains(claveCambio(f, c)))
                celdas[c] = {T::Otra, -1, 0};
}

bool ModeloAsientos::LineaLlanaDe(int fila, LineaLlana& llana) const {
    const Fila f = fila >= 1 && fila < FilasGrid() ? filas_[fila - 1] : kVacia;
    if (f < 0 || !cambios_.isEmpty())
        return false;
    const Linea& l = lineas_[static_cast<std::size_t>(f)];
    if (l.libro >= 0 || l.importeTexto >= 0)
        return false;
    if (!principales_.empty()) {
        const Principal p = principal(f);
        if (p.cuenta >= 0 || p.provincia >= 0)
            return false;
    }
    const double importe = l.importe();
    llana = {l.numero, l.cuenta, l.descripcion, l.debeHaber == 'D' ? importe : 0.0,
             l.debeHaber == 'H' ? importe : 0.0};
    return true;
}

std::uint32_t ModeloAsientos::Fondo(int fila, int columna) const {
    if (EsCabecera(fila))
        return columna >= 1 ? Colores::Azul : 0;
    const Linea* l = linea(fila);
    if (l == nullptr)
        return 0;
    if (l->editable &&
        (columna == Columnas::Cuenta || (columna == Columnas::Debe && l->debeHaber == 'D') ||
         (columna == Columnas::Haber && l->debeHaber == 'H')))
        return Colores::Gris;
    if (columna == 9 && l->libro >= 0)
        return Colores::Celeste;
    return 0;
}

void ModeloAsientos::FijarCuenta(int fila, const QString& cuenta, const QString& descripcion) {
    Linea* l = linea(fila);
    if (l == nullptr)
        return;
    l->cuenta = pool_.indice(cuenta);
    l->descripcion = pool_.indice(descripcion);
    const std::int32_t i = filas_[fila - 1];
    cambios_.remove(claveCambio(i, Columnas::Cuenta));
    cambios_.remove(claveCambio(i, Columnas::Descripcion));
    emit dataChanged(index(fila - 1, 0), index(fila - 1, columnas_ - 1));
}

int ModeloAsientos::CambiarCuentaDeLineas(const QSet<QString>& identidades, const QString& desde,
                                          const QString& hacia, const QString& descripcion) {
    int n = 0;
    for (int fila = 1; !identidades.isEmpty() && fila < FilasGrid(); ++fila) {
        const Linea* l = linea(fila);
        // The account first: building the identity of every line is slower.
        if (l == nullptr || pool_.vista(l->cuenta).compare(desde, Qt::CaseInsensitive) != 0 ||
            !identidades.contains(IdentidadLinea(fila)))
            continue;
        FijarCuenta(fila, hacia, descripcion);
        // The payment medium the editor noted for a typed account goes too.
        QuitarCambio(fila, Columnas::CuentaPrincipal);
        ++n;
    }
    return n;
}

void ModeloAsientos::QuitarCambio(int fila, int columna) {
    if (!EsLinea(fila) || !cambios_.remove(claveCambio(filas_[fila - 1], columna)))
        return;
    emit dataChanged(index(fila - 1, columna), index(fila - 1, columna));
}

void ModeloAsientos::FijarTexto(int fila, int columna, const QString& texto) {
    if (!EsLinea(fila) || columna < 0 || columna >= columnas_)
        return;
    const QString t = columna == Columnas::Debe || columna == Columnas::Haber
                          ? Importes::Llano(QVariant(UtilGeneral::ValorNumero(texto)))
                          : texto;
    const quint64 clave = claveCambio(filas_[fila - 1], columna);
    if (t == textoSinCambios(fila, columna))
        cambios_.remove(clave);
    else
        cambios_.insert(clave, t);
    emit dataChanged(index(fila - 1, columna), index(fila - 1, columna));
}

bool ModeloAsientos::CambiadoEnPantalla(int fila, int columna) const {
    if (cambios_.isEmpty() || !EsLinea(fila) ||
        (columna != Columnas::Cuenta && columna != Columnas::Debe && columna != Columnas::Haber))
        return false;
    return cambios_.contains(claveCambio(filas_[fila - 1], columna));
}

bool ModeloAsientos::HayImportesCambiados() const {
    for (auto it = cambios_.keyBegin(); it != cambios_.keyEnd(); ++it) {
        const auto columna = static_cast<int>(*it & 0xFF);
        if (columna == Columnas::Debe || columna == Columnas::Haber)
            return true;
    }
    return false;
}

std::int64_t ModeloAsientos::Importe(int fila, int columna, int decimales) const {
    const Linea* l = linea(fila);
    if (l == nullptr || (columna != Columnas::Debe && columna != Columnas::Haber))
        return 0;
    if (!cambios_.isEmpty()) {
        const auto it = cambios_.constFind(claveCambio(filas_[fila - 1], columna));
        if (it != cambios_.constEnd())
            return Importes::EnUnidades(it.value(), decimales);
    }
    if (l->debeHaber != (columna == Columnas::Debe ? 'D' : 'H'))
        return 0;
    return l->importeTexto >= 0 ? Importes::EnUnidades(pool_.texto(l->importeTexto), decimales)
                                : Importes::EnUnidades(l->importe(), decimales);
}

std::size_t ModeloAsientos::BytesUsados() const {
    return filas_.capacity() * sizeof(Fila) + comprobantes_.capacity() * sizeof(Comprobante) +
           lineas_.capacity() * sizeof(Linea) + libros_.capacity() * sizeof(Libro) +
           principales_.capacity() * sizeof(Principal) + pool_.bytes();
}

int ModeloAsientos::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : publicadas_;
}

int ModeloAsientos::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : columnas_;
}

QVariant ModeloAsientos::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    const int fila = index.row() + 1;
    const int col = index.column();
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return Texto(fila, col);
    case Qt::BackgroundRole: {
        const std::uint32_t f = Fondo(fila, col);
        if (f != 0)
            return QBrush(Colores::AQColor(f));
        if (col == 0)
            return QBrush(QColor(240, 240, 240)); // the fixed column
        return {};
    }
    case Qt::ForegroundRole:
        if (EsCabecera(fila) && (col == 1 || col == 2))
            return QBrush(Qt::white);
        if (CambiadoEnPantalla(fila, col))
            return QBrush(Colores::AQColor(Colores::NaranjaOscuro));
        return {};
    case Qt::FontRole:
        if (EsCabecera(fila) && (col == 1 || col == 2)) {
            QFont f;
            f.setBold(true);
            return f;
        }
        if (CambiadoEnPantalla(fila, col)) {
            QFont f;
            f.setItalic(true);
            return f;
        }
        return {};
    case Qt::ToolTipRole:
        if (CambiadoEnPantalla(fila, col))
            return CambiosEnPantalla::AvisoCelda(col, textoSinCambios(fila, col));
        return {};
    case Qt::TextAlignmentRole:
        if (col == Columnas::Debe || col == Columnas::Haber || (col >= 7 && col <= 11))
            return QVariant(Qt::AlignRight | Qt::AlignVCenter);
        return {};
    default:
        return {};
    }
}

QVariant ModeloAsientos::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
        return Titulo(section);
    if (orientation == Qt::Vertical && role == Qt::DisplayRole)
        return section + 1;
    return {};
}

void ModeloAsientos::sort(int column, Qt::SortOrder) {
    Ordenar(column);
}
