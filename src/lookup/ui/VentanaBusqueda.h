#pragma once
// The window of the program tarquel_busqueda: the lookup control over a
// database, with a chooser of the table it searches and the code it hands
// over, so that a user can try the control.
#include <QString>
#include <QWidget>

class BusquedaCodigo;
class QComboBox;
class QLabel;

class VentanaBusqueda : public QWidget {
    Q_OBJECT
public:
    // cadena: the connection string the control opens.
    explicit VentanaBusqueda(const QString& cadena, QWidget* padre = nullptr);

    // The tables offered (caption, name given to the control).
    static QList<QPair<QString, QString>> Tablas();
    // Prepares the control for the table at indice of the chooser.
    void ElegirTabla(int indice);

    QComboBox* CboTabla;
    BusquedaCodigo* Busqueda;
    QLabel* LblCodigo;
    QLabel* LblTabla;

signals:
    // The code the control handed over, as CodigoObtenido brought it.
    void CodigoElegido(const QString& codigo);
};
