#include "VentanaLista.h"
#include <QAbstractTableModel>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableView>
#include <QVBoxLayout>

namespace {
// The rows as they came, without a copy per cell: a list can be long.
class ModeloLista : public QAbstractTableModel {
public:
    ModeloLista(ResultadoConsulta filas, QObject* parent)
        : QAbstractTableModel(parent), r_(std::move(filas)) {}
    int rowCount(const QModelIndex& p) const override {
        return p.isValid() ? 0 : static_cast<int>(r_.filas.size());
    }
    int columnCount(const QModelIndex& p) const override {
        return p.isValid() ? 0 : static_cast<int>(r_.columnas.size());
    }
    QVariant data(const QModelIndex& i, int rol) const override {
        if (!i.isValid())
            return {};
        const QString texto = r_.filas[i.row()].value(i.column());
        if (rol == Qt::DisplayRole)
            return texto;
        // Numbers and amounts line up on the right.
        static const QRegularExpression numero(QStringLiteral("^-?[0-9][0-9.,]*$"));
        if (rol == Qt::TextAlignmentRole && numero.match(texto).hasMatch())
            return QVariant(Qt::AlignRight | Qt::AlignVCenter);
        return {};
    }
    QVariant headerData(int seccion, Qt::Orientation o, int rol) const override {
        if (rol != Qt::DisplayRole)
            return {};
        return o == Qt::Horizontal ? QVariant(r_.columnas.value(seccion)) : QVariant(seccion + 1);
    }

private:
    ResultadoConsulta r_;
};
} // namespace

VentanaLista::VentanaLista(const QString& titulo, const ResultadoConsulta& filas, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(titulo);
    auto* cantidad = new QLabel(
        filas.filas.size() == 1 ? QStringLiteral("1 fila")
                                : QLocale().toString(static_cast<qlonglong>(filas.filas.size())) +
                                      QStringLiteral(" filas"),
        this);
    tabla_ = new QTableView(this);
    tabla_->setModel(new ModeloLista(filas, tabla_));
    tabla_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tabla_->setSelectionBehavior(QAbstractItemView::SelectRows);
    tabla_->setAlternatingRowColors(true);
    tabla_->setWordWrap(false);
    tabla_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    tabla_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    tabla_->horizontalHeader()->setStretchLastSection(true);
    // The widths from the first rows: measuring every row of a long list
    // would hold the window back.
    tabla_->horizontalHeader()->setResizeContentsPrecision(200);
    tabla_->resizeColumnsToContents();
    auto* botones = new QDialogButtonBox(this);
    botones->addButton(QStringLiteral("&Cerrar"), QDialogButtonBox::RejectRole);
    connect(botones, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* capa = new QVBoxLayout(this);
    capa->addWidget(cantidad);
    capa->addWidget(tabla_);
    capa->addWidget(botones);
    resize(720, 420);
    tabla_->setFocus();
}
