#pragma once
// BusquedaCodigo, the suite's lookup control: a text box with a result list
// under it and three pictures beside it (confirm, add, clear). Every change of
// the text searches at most 100 rows of the table given to
// BusquedaDisponible; choosing a row hands its code to the container through
// Codigo and the signal CodigoObtenido. For the table "FECHA" it becomes a
// date picker; a description that is not found can be added as a new row.
// The control has its own database connection, opened from ConnString.
#include "ConexionBusqueda.h"
#include <QWidget>
#include <array>
#include <cstdint>

class QComboBox;
class QFrame;
class QLabel;
class QListView;
class BotonDia;
class ImagenBusqueda;
class ModeloFilasBusqueda;
class TextoBusqueda;

class BusquedaCodigo : public QWidget {
    Q_OBJECT
public:
    explicit BusquedaCodigo(QWidget* padre = nullptr);
    ~BusquedaCodigo() override;

    // Properties. ConnString and gConnString are two names for one value.
    QString ConnString() const { return conexion_.ConnString; }
    void setConnString(const QString& cadena) { conexion_.ConnString = cadena; }
    QString gConnString() const { return ConnString(); }
    void setgConnString(const QString& cadena) { setConnString(cadena); }
    QString Tabla;
    std::int32_t SelStartInicial = 0;

    // Public fields.
    QString Buscar;
    QString TextoIngresado;
    QString Codigo;
    QString CodigoNoConfirmado;
    QString idLista;
    QString Cuenta;
    bool& DeshabilitarBCArticulos;
    bool& DeshabilitarBCTodos;
    // Carried for the container; the control neither reads nor writes them.
    QString CodigoAnt;
    QString TablaEspecial;
    QString CampoEspecial;
    QString CodigoEspecial;
    QString FechaCalendario;

    // Prepares the control for a table (the name may be rewritten); false
    // when the lookup is not available for it.
    bool BusquedaDisponible(QString& tabla);
    // Whether quick add is offered for the current table.
    bool AltaDisponible();
    std::int16_t CantidadDeDiasDelmes(int mes, int anio) const;
    QString sp_Cfg(const QString& Campo, QString& ValorAux);

    // The state the table map sets.
    QString CampoDescripcion() const { return campoDescripcion_; }
    QString CampoCodigo() const { return campoCodigo_; }
    QString FiltroExtra() const { return filtroExtra_; }
    bool Conectado() const { return conexion_.Conectado; }

    // Visual parts.
    TextoBusqueda* TxtBusqueda;
    QListView* LstBusqueda;
    ImagenBusqueda* IMGOK;
    ImagenBusqueda* imgMas;
    ImagenBusqueda* ImgX;
    QFrame* Calendar;
    QComboBox* CmbMes;
    QComboBox* CmbAño;
    std::array<QLabel*, 7> LblDesc{};
    std::array<BotonDia*, 42> OptDia{};

    // The calendar (date mode).
    void CargarCalendario();
    void ArmarAlmanaque(int Mes, int año);
    void Seleccionar(int indice);
    std::int16_t IndCaption(const QString& caption) const;
    // The list's row as the container sees it: the code of the selected
    // row, empty when none is selected.
    QString CodigoSeleccionado() const;

signals:
    void CodigoObtenido();

protected:
    void resizeEvent(QResizeEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    void crearCalendario();
    void Apariencia();
    void Disponer();
    bool modoFecha() const;
    void AbrirConexion() { conexion_.AbrirConexion(); }

    // Reactions.
    void TxtBusqueda_Change();
    void TxtBusqueda_GotFocus();
    void TxtBusqueda_Enter();
    void Escape();
    void LstBusqueda_Click();
    void IMGOK_Click();
    void ImgX_Click();
    void DiaClic(int indice, bool doble);
    void ListaMesAnio_Click();

    void Busqueda();
    void ObtieneCodigo(bool DesdeTxt);
    void AltaDirecta();
    void CargarMesAño();

    ConexionBusqueda conexion_;
    ModeloFilasBusqueda* filas_;
    QString campoDescripcion_;
    QString campoCodigo_;
    QString filtroExtra_;
    bool OmitirBusqueda = false;
    std::int16_t LargoCodigo = 4;
    bool CalendarioListo = false;
    bool disponiendo_ = false;
};
