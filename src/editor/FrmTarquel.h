#pragma once
// The program's working window, "Modificación de Imputación de Asientos".
#include <QDialog>

class FrmTarquel : public QDialog {
    Q_OBJECT
public:
    explicit FrmTarquel(QWidget* parent = nullptr);
};
