#pragma once
// The parts the lookup control is made of: its text box (which reports when
// it gets the focus), the clickable pictures, the day buttons of the calendar
// (which report a double click) and the model of the result list, whose rows
// keep their code apart from the text they show.
#include "SentenciasBusqueda.h"
#include <QAbstractListModel>
#include <QLabel>
#include <QLineEdit>
#include <QList>
#include <QPushButton>
#include <functional>

class TextoBusqueda : public QLineEdit {
    Q_OBJECT
public:
    using QLineEdit::QLineEdit;
    // Runs after the box has taken the focus (and placed its caret).
    std::function<void()> alRecibirFoco;

protected:
    void focusInEvent(QFocusEvent* e) override;
};

// A small picture that acts on a click. The three kinds are drawn here.
class ImagenBusqueda : public QLabel {
    Q_OBJECT
public:
    enum class Dibujo { Confirmar, Agregar, Limpiar };
    ImagenBusqueda(Dibujo dibujo, const QString& ayuda, QWidget* padre);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* e) override;
};

class BotonDia : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;

signals:
    void dobleClic();

protected:
    void mouseDoubleClickEvent(QMouseEvent* e) override;
};

class ModeloFilasBusqueda : public QAbstractListModel {
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex& padre = {}) const override;
    QVariant data(const QModelIndex& indice, int rol) const override;

    void Fijar(QList<FilaBusqueda> filas);
    void Vaciar();
    const FilaBusqueda& Fila(int i) const { return filas_.at(i); }

private:
    QList<FilaBusqueda> filas_;
};
