#pragma once
// The search window: the rows of a statement in a table, filtered as the user
// types; Enter or a double click chooses the current row.
#include "Dialogos.h"
#include <QDialog>

class QLineEdit;
class QTableView;
class QStandardItemModel;
class QSortFilterProxyModel;

class BusquedaQt : public QDialog {
    Q_OBJECT
public:
    explicit BusquedaQt(const PeticionBusqueda& peticion, QWidget* parent = nullptr);
    QString valorElegido() const { return elegido_; }
    QLineEdit* filtro() const { return filtro_; }
    QTableView* tabla() const { return tabla_; }

    void accept() override;

private:
    QLineEdit* filtro_;
    QTableView* tabla_;
    QStandardItemModel* modelo_;
    QSortFilterProxyModel* proxy_;
    int columnaDevuelta_ = 0;
    QString elegido_;
};
