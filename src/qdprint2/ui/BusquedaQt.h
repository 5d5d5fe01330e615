#pragma once
// The search window: the rows of a statement in a table, in ascending order of
// their first column, filtered as the user types (letter case and accents
// aside). The arrows and page keys move the chosen row from the filter box;
// Enter or a double click takes it, Esc cancels.
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
    // The column that shows what the rows are (a description or a name): the
    // widest one.
    int columnaDescripcion() const { return columnaDescripcion_; }

    void accept() override;

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    void elegirPrimera();
    // Every column as wide as its content; the description takes what is
    // left and is never narrower than another column.
    void ajustarColumnas();

    QLineEdit* filtro_;
    QTableView* tabla_;
    QStandardItemModel* modelo_;
    QSortFilterProxyModel* proxy_;
    int columnaDevuelta_ = 0;
    int columnaDescripcion_ = 0;
    QString elegido_;
};
