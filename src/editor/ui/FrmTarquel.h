#pragma once
// The program's working window, "Modificación de Imputación de Asientos": the
// query parameters, the entry grid, the totals and the button bar.
#include <QDialog>
#include <QList>
#include <memory>

class BarraEstado;
class CajaProgreso;
class HistorialCambios;
class ModeloAsientos;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;
class UtilVex;

class FrmTarquel : public QDialog {
    Q_OBJECT
public:
    explicit FrmTarquel(QWidget* parent = nullptr);
    ~FrmTarquel() override;

    UtilVex* UtilVex1;
    QGroupBox* Frame1;
    QGroupBox* FrmReemplazo;
    QPushButton* CmdReemplazar;
    QCheckBox* ChkDatosCabecera;
    QPushButton* CmdEjecutar;
    CajaProgreso* Picture1;
    QWidget* PicRegla;
    QTableView* MSFlexGrid1;
    QLabel* LblSuma;
    QLineEdit* TxtEdit;
    BarraEstado* sbStatusBar;

    // The parameter field of a data-field name (letter case ignored).
    QLineEdit* TxtFields(const QString& campo) const;
    ModeloAsientos& Grilla() const { return *modelo_; }
    // The session's account changes, to undo and redo.
    HistorialCambios& Historial() const { return *historial_; }
    QWidget* CampoActual = nullptr;
    bool ErrorValidacion = false;
    bool Cargando() const { return cargando_; }

    void InicializaGrids();
    void CmdEjecutar_Click();
    void CmdConsultar();
    void CmdReemplazar_Click();
    // The popup of the grid at a row: "Ver Asiento" starts the entry viewer
    // on its voucher; "Deshacer: ..." and "Rehacer: ..." when there is a
    // change to undo or redo.
    void MenuGrilla(int fila, const QPoint& posicion);
    // Ctrl+Z, and Ctrl+Y or Ctrl+Shift+Z: the last correction or replacement
    // of the session undone, or the last one undone done again.
    void Deshacer();
    void Rehacer();
    void ValidarCampo(QLineEdit* campo);
    void UtilVex1_click(const QString& texto);
    // The in-grid editor: opened over the current cell by a typed character
    // (32 for the cell's own text), confirmed with Enter.
    void MsflexGridEdt(QChar caracter);
    void EditKeyCode(int codigo);
    // The current cell as grid row and column (row 0 is the titles).
    int FilaActual() const;
    int ColumnaActual() const;
    void IrACelda(int fila, int columna);
    // Shows the totals of the selection in LblSuma.
    void MostrarTotales(const struct TotalesDH& t);

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;
    void keyPressEvent(QKeyEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void reject() override;

private:
    void Form_Load();
    void crearCampos();
    struct ParametrosConsulta parametros() const;
    bool rechazarDuranteCarga();
    // A date field holding something that is not a date (left without
    // Enter) stops the query and the replacement: told, and focused.
    bool rechazarFechaInvalida();
    void campoConFoco(QLineEdit* campo);
    void campoSinFoco(QLineEdit* campo);
    void teclaEnCampo(QLineEdit* campo, int codigo);
    void confirmarEditor();
    // The account search: the search dialog over MA_CUENTAS, or the
    // configurable entity search when "UsaConsultaLike" is "SI".
    QString buscarCuenta(const QString& actual);
    // The editor's text goes into the current cell and the editor hides.
    void cerrarEditor();
    // The ruler under the current row, kept inside the grid's cells.
    void colocarRegla();
    // The smallest size that shows every control.
    void fijarTamanoMinimo();
    int altoBarraEstado() const;

    ModeloAsientos* modelo_;
    std::unique_ptr<HistorialCambios> historial_;
    QSize tamanoRechazado_;
    QList<QLineEdit*> campos_;
    bool cargando_ = false;
    bool escribiendoPlanilla_ = false; // the busy work is the control sheet, not a load
};
