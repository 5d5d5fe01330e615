#include "BusquedaQt.h"
#include "TextoPlegado.h"
#include <QCollator>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

namespace {
// Each cell also keeps its text folded for the filter, computed once.
constexpr int kPlegado = Qt::UserRole + 1;

// The rows holding the typed text in any column, letter case and accents
// aside, sorted the Spanish way with letter case aside.
class FiltroBusqueda : public QSortFilterProxyModel {
public:
    explicit FiltroBusqueda(QObject* padre) : QSortFilterProxyModel(padre) {
        colador_.setCaseSensitivity(Qt::CaseInsensitive);
    }
    void FijarTexto(const QString& texto) {
        buscado_ = PlegarTexto(texto);
        invalidateFilter();
    }

protected:
    bool filterAcceptsRow(int fila, const QModelIndex& padre) const override {
        if (buscado_.isEmpty())
            return true;
        for (int c = 0; c < sourceModel()->columnCount(padre); ++c)
            if (sourceModel()->index(fila, c, padre).data(kPlegado).toString().contains(buscado_))
                return true;
        return false;
    }
    bool lessThan(const QModelIndex& a, const QModelIndex& b) const override {
        return colador_.compare(a.data().toString(), b.data().toString()) < 0;
    }

private:
    QString buscado_;
    QCollator colador_{QLocale(QLocale::Spanish, QLocale::Spain)};
};

// The column that says what a row is: the first named like a description, a
// name or a company name; else the first one.
int DescripcionDe(const QStringList& columnas) {
    for (int c = 0; c < columnas.size(); ++c)
        for (const char* parte : {"DESCRIP", "NOMBRE", "RAZON"})
            if (columnas[c].contains(QLatin1String(parte), Qt::CaseInsensitive))
                return c;
    return 0;
}
} // namespace

BusquedaQt::BusquedaQt(const PeticionBusqueda& peticion, QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Búsqueda"));
    filtro_ = new QLineEdit(this);
    filtro_->setPlaceholderText(QStringLiteral("Escriba para filtrar"));
    filtro_->installEventFilter(this);
    tabla_ = new QTableView(this);
    modelo_ = new QStandardItemModel(this);
    auto* filtro = new FiltroBusqueda(this);
    proxy_ = filtro;
    proxy_->setSourceModel(modelo_);
    tabla_->setModel(proxy_);
    tabla_->verticalHeader()->hide();
    tabla_->verticalHeader()->setMinimumSectionSize(0);
    tabla_->verticalHeader()->setDefaultSectionSize(tabla_->fontMetrics().height() + 6);
    tabla_->setSelectionBehavior(QAbstractItemView::SelectRows);
    tabla_->setSelectionMode(QAbstractItemView::SingleSelection);
    tabla_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tabla_->setWordWrap(false);
    tabla_->horizontalHeader()->setStretchLastSection(false);
    tabla_->viewport()->installEventFilter(this);

    ResultadoConsulta filas;
    if (peticion.consultar)
        filas = peticion.consultar(peticion.sentencia);
    modelo_->setHorizontalHeaderLabels(filas.columnas);
    for (const QStringList& f : filas.filas) {
        QList<QStandardItem*> items;
        for (const QString& celda : f) {
            auto* item = new QStandardItem(celda);
            item->setData(PlegarTexto(celda), kPlegado);
            items << item;
        }
        modelo_->appendRow(items);
    }
    for (int c = 0; c < filas.columnas.size(); ++c)
        if (filas.columnas[c].compare(peticion.campoDevuelto.trimmed(), Qt::CaseInsensitive) == 0)
            columnaDevuelta_ = c;
    columnaDescripcion_ = DescripcionDe(filas.columnas);
    tabla_->setSortingEnabled(true);
    tabla_->sortByColumn(0, Qt::AscendingOrder);
    elegirPrimera();

    connect(filtro_, &QLineEdit::textChanged, this, [this, filtro](const QString& t) {
        filtro->FijarTexto(t);
        elegirPrimera();
    });
    connect(filtro_, &QLineEdit::returnPressed, this, &BusquedaQt::accept);
    connect(tabla_, &QTableView::doubleClicked, this, &BusquedaQt::accept);

    auto* botones = new QDialogButtonBox(this);
    botones->addButton(QStringLiteral("Aceptar"), QDialogButtonBox::AcceptRole);
    botones->addButton(QStringLiteral("Cancelar"), QDialogButtonBox::RejectRole);
    connect(botones, &QDialogButtonBox::accepted, this, &BusquedaQt::accept);
    connect(botones, &QDialogButtonBox::rejected, this, &BusquedaQt::reject);

    auto* capa = new QVBoxLayout(this);
    capa->addWidget(new QLabel(QStringLiteral("Buscar:"), this));
    capa->addWidget(filtro_);
    capa->addWidget(tabla_);
    capa->addWidget(botones);
    resize(640, 420);
}

void BusquedaQt::elegirPrimera() {
    if (proxy_->rowCount() > 0)
        tabla_->selectRow(0);
}

void BusquedaQt::ajustarColumnas() {
    QHeaderView* cabecera = tabla_->horizontalHeader();
    const int columnas = modelo_->columnCount();
    if (columnas == 0)
        return;
    tabla_->resizeColumnsToContents();
    const int libre = tabla_->viewport()->width();
    int otras = 0;
    int mayor = 0;
    for (int c = 0; c < columnas; ++c) {
        if (c == columnaDescripcion_)
            continue;
        // A long code or contact never pushes the description out of sight.
        const int ancho = std::min(cabecera->sectionSize(c), std::max(libre / 3, 40));
        cabecera->resizeSection(c, ancho);
        otras += ancho;
        mayor = std::max(mayor, ancho);
    }
    cabecera->resizeSection(
        columnaDescripcion_,
        std::max({cabecera->sectionSize(columnaDescripcion_), libre - otras, mayor + 1}));
}

bool BusquedaQt::eventFilter(QObject* objeto, QEvent* evento) {
    if (objeto == tabla_->viewport() && evento->type() == QEvent::Resize) {
        ajustarColumnas();
    } else if (objeto == filtro_ && evento->type() == QEvent::KeyPress) {
        // The keys that move along a list move the table's row, while the
        // caret stays in the filter box.
        switch (static_cast<QKeyEvent*>(evento)->key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
            if (!tabla_->currentIndex().isValid())
                elegirPrimera();
            QCoreApplication::sendEvent(tabla_, evento);
            return true;
        default:
            break;
        }
    }
    return QDialog::eventFilter(objeto, evento);
}

void BusquedaQt::accept() {
    const QModelIndex actual = tabla_->currentIndex();
    if (!actual.isValid())
        return;
    elegido_ = proxy_->index(actual.row(), columnaDevuelta_).data().toString();
    QDialog::accept();
}
