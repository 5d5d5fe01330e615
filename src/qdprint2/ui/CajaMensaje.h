#pragma once
// The message box of the dialog seam, built and not yet shown: the style's
// buttons, icon and default button with Spanish captions. A box that offers a
// list has one more button that opens the list's rows in a read-only window
// and leaves the box open.
#include "Dialogos.h"
#include <QHash>
#include <QMessageBox>

// The title of a dialog: the program's name when none is given.
QString TituloVentana(const QString& titulo);

class CajaMensaje : public QMessageBox {
    Q_OBJECT
public:
    CajaMensaje(const QString& texto, int estilo, const QString& titulo, QWidget* parent = nullptr);
    // Adds the list's button.
    void OfrecerLista(const ListaMensaje& lista);
    QPushButton* BotonLista() const { return botonLista_; }
    // The answer number of the button that closed the box; closing it by
    // other means counts as its cancel button, or as its only one.
    int Respuesta() const;

private:
    QHash<QAbstractButton*, int> respuestaDe_;
    QList<int> botones_;
    QPushButton* botonLista_ = nullptr;
    ListaMensaje lista_;
};
