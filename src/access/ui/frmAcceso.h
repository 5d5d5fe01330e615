#pragma once
// The access window "Control de Acceso": the user, password, database, server
// and platform of a connection, the list of registered connections, and the
// buttons that register the typed connection and create a desktop launcher.
// Shown modally by the dialog seam's access exchange.
#include "BasesRegistradas.h"
#include "Dialogos.h"
#include <QDialog>

class ListaBases;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

class frmAcceso : public QDialog {
    Q_OBJECT
public:
    explicit frmAcceso(QWidget* parent = nullptr);

    QLabel* Label1[3];
    QLabel* Label7;
    QLabel* Label8;
    QGroupBox* framAcceso;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    QLabel* Label5;
    QLabel* Label6;
    QLineEdit* TxtUserId;
    QLineEdit* TxtUserPassword;
    QLineEdit* TxtDbName;
    QLineEdit* TxtServidor;
    QComboBox* CboPlataformaDB;
    QLineEdit* TxtPuerto;
    ListaBases* lstBases;
    QPushButton* CmdRegistrar;
    QPushButton* CmdLineaComando;
    QPushButton* bcAceptar;
    QPushButton* bcCancelar;

    // True after "Conectar", false after "Cancelar" or when closed.
    bool Aceptar = false;
    // Where "Crear Acceso Directo" puts the launcher: the desktop folder the
    // desktop reports.
    QString carpetaEscritorio;
    // The product's web address of Label8.
    static const QString kDireccionProducto;

    // The access exchange: the window filled with datos, shown modally; true
    // after "Conectar", with datos holding what was typed (the server with
    // its port in SQL Server's form when one was given).
    static bool Mostrar(DatosAcceso& datos);
    void Cargar(const DatosAcceso& datos);
    DatosAcceso Datos() const;

    // Fills lstBases from BASES.TXT and selects its first entry.
    void llenarlist();
    // Loads the registration named nombre into the window's values; false
    // (values unchanged) when it is not registered.
    bool DatosBase(const QString& nombre);
    // The selected registration into the boxes.
    void AsignarDatosBase();
    // "Registrar" when BASES.TXT does not exist yet.
    void RegistrarBases();
    // The prompt rule for one of the four text boxes.
    void MensajeInicial(QLineEdit* caja);

    void bcAceptar_Click();
    void bcCancelar_Click();
    void CmdRegistrar_Click();
    void CmdLineaComando_Click();
    void Label8_Click();

    // What a box holds: empty while it shows its prompt.
    QString Valor(const QLineEdit* caja) const;

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;
    void showEvent(QShowEvent* e) override;
    void reject() override;

private:
    void Form_Load();
    void crearControles();
    QString promptDe(const QLineEdit* caja) const;
    // False, with a message and the focus on the empty box, when the server
    // (for SQL Server) or the database has not been typed.
    bool conexionCompleta();

    BasesRegistradas bases_;
    // The values of the last registration chosen, and the port of this
    // showing (set by a choice or by "Registrar").
    RegistroBase elegida_;
    QString puerto_;
};
