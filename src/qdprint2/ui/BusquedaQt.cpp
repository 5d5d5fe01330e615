#include "BusquedaQt.h"
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

BusquedaQt::BusquedaQt(const PeticionBusqueda& peticion, QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Búsqueda"));
    filtro_ = new QLineEdit(this);
    filtro_->setPlaceholderText(QStringLiteral("Escriba para filtrar"));
    tabla_ = new QTableView(this);
    modelo_ = new QStandardItemModel(this);
    proxy_ = new QSortFilterProxyModel(this);
    proxy_->setSourceModel(modelo_);
    proxy_->setFilterKeyColumn(-1);
    proxy_->setFilterCaseSensitivity(Qt::CaseInsensitive);
    tabla_->setModel(proxy_);
    tabla_->setSelectionBehavior(QAbstractItemView::SelectRows);
    tabla_->setSelectionMode(QAbstractItemView::SingleSelection);
    tabla_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tabla_->setSortingEnabled(true);
    tabla_->horizontalHeader()->setStretchLastSection(true);

    ResultadoConsulta filas;
    if (peticion.consultar)
        filas = peticion.consultar(peticion.sentencia);
    modelo_->setHorizontalHeaderLabels(filas.columnas);
    for (const QStringList& f : filas.filas) {
        QList<QStandardItem*> items;
        for (const QString& celda : f)
            items << new QStandardItem(celda);
        modelo_->appendRow(items);
    }
    for (int c = 0; c < filas.columnas.size(); ++c)
        if (filas.columnas[c].compare(peticion.campoDevuelto.trimmed(), Qt::CaseInsensitive) == 0)
            columnaDevuelta_ = c;
    if (proxy_->rowCount() > 0)
        tabla_->selectRow(0);

    connect(filtro_, &QLineEdit::textChanged, this, [this](const QString& t) {
        proxy_->setFilterFixedString(t);
        if (proxy_->rowCount() > 0)
            tabla_->selectRow(0);
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

void BusquedaQt::accept() {
    const QModelIndex actual = tabla_->currentIndex();
    if (!actual.isValid())
        return;
    elegido_ = proxy_->index(actual.row(), columnaDevuelta_).data().toString();
    QDialog::accept();
}
