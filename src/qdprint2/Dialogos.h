#pragma once
// The one seam through which every dialog of the program is shown: message
// boxes, input boxes, the file chooser, the search dialog, the calendar, the
// access window exchange and the reconnect window. The Qt side shows real
// windows; tests install a scripted side whose answers are queued in advance.
#include <QList>
#include <QPair>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

// Message-box styles (buttons + icon + default button), as the callers pass them.
namespace EstilosMensaje {
constexpr int SoloAceptar = 0;
constexpr int AceptarCancelar = 1;
constexpr int AbortarReintentarIgnorar = 2;
constexpr int SiNoCancelar = 3;
constexpr int SiNo = 4;
constexpr int ReintentarCancelar = 5;
constexpr int Critico = 16;
constexpr int Pregunta = 32;
constexpr int Exclamacion = 48;
constexpr int Informacion = 64;
constexpr int SegundoPorDefecto = 256;
constexpr int TerceroPorDefecto = 512;
constexpr int MascaraBotones = 7;
constexpr int MascaraIcono = 112;
constexpr int MascaraPorDefecto = 768;
} // namespace EstilosMensaje

// The answers of a style's buttons, left to right.
QList<int> BotonesDeEstilo(int estilo);
// The index of the default button: 256 asks for the second, 512 for the third.
int BotonPorDefecto(int estilo);
// The answer of the default button, what Enter gives.
int RespuestaPorDefecto(int estilo);

// Rows a search shows: column titles and the text of every cell.
struct ResultadoConsulta {
    QStringList columnas;
    QList<QStringList> filas;
};

// A list a message offers behind a button: the button's caption, the title
// of the list's window and the rows, read each time the button is pressed.
struct ListaMensaje {
    QString boton;
    QString titulo;
    std::function<ResultadoConsulta()> filas;
};

// What the search dialog needs: the statement whose rows it shows, the column
// whose value it returns, and a way to run the statement.
struct PeticionBusqueda {
    QString sentencia;
    QString campoDevuelto;
    std::function<ResultadoConsulta(const QString&)> consultar;
};

// The values exchanged with the access window.
struct DatosAcceso {
    QString baseDatos;
    QString servidor;
    QString usuario;
    QString clave;
    int plataforma = 0; // 0 SQL Server, 1 Oracle
};

// The modeless window shown while the program tries to reconnect.
class VentanaReconexion {
public:
    virtual ~VentanaReconexion() = default;
    virtual void Mostrar(const QString& titulo, const QString& mensaje) = 0;
    virtual void Progreso(int porcentaje) = 0;
    virtual void ReintentarHabilitado(bool habilitado) = 0;
    virtual bool Cancelar() const = 0;
    virtual bool Reintentar() const = 0;
    virtual void LimpiarBanderas() = 0;
    virtual void Cerrar() = 0;
};

class Dialogos {
public:
    virtual ~Dialogos() = default;

    // A message box; returns the answer number (1 OK, 2 Cancel, 3 Abort,
    // 4 Retry, 5 Ignore, 6 Yes, 7 No).
    virtual int Mensaje(const QString& texto, int estilo, const QString& titulo) = 0;
    // A message box that also offers a list of rows: its button opens them
    // in a read-only window, as often as wanted, without answering. A side
    // that cannot show the list asks the question alone.
    virtual int MensajeConLista(const QString& texto, int estilo, const QString& titulo,
                                const ListaMensaje&) {
        return Mensaje(texto, estilo, titulo);
    }
    // An input box; empty text when cancelled.
    virtual QString Entrada(const QString& pregunta, const QString& titulo,
                            const QString& inicial) = 0;
    // The file chooser for opening; nullopt when cancelled.
    virtual std::optional<QString> ElegirArchivo(const QString& titulo, const QString& filtro) = 0;
    // The search dialog; the chosen value, empty when cancelled.
    virtual QString Buscar(const PeticionBusqueda& peticion) = 0;
    // The calendar; the chosen date as dd/mm/yyyy, empty when cancelled.
    virtual QString Calendario(const QString& inicial) = 0;
    // The access window: filled with datos, shown modally; true when the user
    // pressed "Conectar" (datos then holds what was typed).
    virtual bool Acceso(DatosAcceso& datos) = 0;
    // A popup menu at a screen position: items as (caption, code), an empty
    // caption being a separator. The chosen item's code; empty when dismissed.
    virtual QString Emergente(const QList<QPair<QString, QString>>& items,
                              const QPoint& posicion) = 0;
    // A new reconnect window (not yet shown).
    virtual std::unique_ptr<VentanaReconexion> Reconexion() = 0;
};

// The side in use. A side installed by the program or a test is used as it
// is; otherwise the window library's side, registered when that library is
// linked into the program.
Dialogos& dialogos();
void EstablecerDialogos(std::shared_ptr<Dialogos> d);
using FabricaDialogos = std::function<std::shared_ptr<Dialogos>()>;
void EstablecerFabricaDialogos(FabricaDialogos f);
// The side of a run nobody watches (no window library, a benchmark): every
// question gets its default button and is written to the error output.
std::shared_ptr<Dialogos> DialogosSinVentanas();
