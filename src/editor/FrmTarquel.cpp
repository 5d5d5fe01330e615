#include "FrmTarquel.h"
#include "Geometria.h"

FrmTarquel::FrmTarquel(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Modificación de Imputación de Asientos"));
    setWindowFlags(windowFlags() | Qt::WindowMinMaxButtonsHint);
    resize(APixeles(15240), APixeles(9900));
}
