#pragma once
// A read-only window with rows of a query in a table, and a button to close it.
#include "Dialogos.h"
#include <QDialog>

class QTableView;

class VentanaLista : public QDialog {
    Q_OBJECT
public:
    VentanaLista(const QString& titulo, const ResultadoConsulta& filas, QWidget* parent = nullptr);
    QTableView* Tabla() const { return tabla_; }

private:
    QTableView* tabla_;
};
