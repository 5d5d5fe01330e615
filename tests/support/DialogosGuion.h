#pragma once
// The scripted side of the dialog seam: answers are queued in advance and
// every prompt is recorded, so routines that ask questions can be driven
// without a window ever blocking.
#include "Dialogos.h"
#include <QQueue>
#include <functional>

struct PromptRegistrado {
    QString tipo; // "mensaje", "entrada", "archivo", "buscar", "calendario", "acceso", "reconexion"
    QString texto;
    QString titulo;
    int estilo = 0;
};

class DialogosGuion : public Dialogos {
public:
    // Queued answers, taken in order by the dialogs of each kind.
    QQueue<int> respuestas;                     // message boxes
    QQueue<QString> entradas;                   // input boxes
    QQueue<std::optional<QString>> archivos;    // file chooser
    QQueue<QString> busquedas;                  // search dialog
    QQueue<QString> fechas;                     // calendar
    QQueue<std::optional<DatosAcceso>> accesos; // access window: nullopt = Cancelar
    // Reconnect windows: after how many progress updates the user presses
    // "Cerrar Sistema" (-1: never).
    QQueue<int> cancelarReconexionTras;
    // Messages with a list: true opens the list before the answer.
    QQueue<bool> verListas;
    QList<ListaMensaje> listasOfrecidas;   // the list of each such message
    QList<ResultadoConsulta> listasVistas; // the rows of each list opened
    QQueue<QString> emergentes;            // popup menus: the code chosen, empty for a dismissal
    QList<QList<QPair<QString, QString>>> menusMostrados;

    // Runs when a message box is shown, before its answer is taken (what
    // the operator does meanwhile: another program lets go of a file).
    std::function<void(const PromptRegistrado&)> alMostrarMensaje;

    QList<PromptRegistrado> prompts;
    QList<PeticionBusqueda> peticionesBusqueda;
    QList<DatosAcceso> accesosMostrados;

    int Mensaje(const QString& texto, int estilo, const QString& titulo) override;
    int MensajeConLista(const QString& texto, int estilo, const QString& titulo,
                        const ListaMensaje& lista) override;
    QString Entrada(const QString& pregunta, const QString& titulo,
                    const QString& inicial) override;
    std::optional<QString> ElegirArchivo(const QString& titulo, const QString& filtro) override;
    QString Buscar(const PeticionBusqueda& peticion) override;
    QString Calendario(const QString& inicial) override;
    bool Acceso(DatosAcceso& datos) override;
    QString Emergente(const QList<QPair<QString, QString>>& items, const QPoint& posicion) override;
    std::unique_ptr<VentanaReconexion> Reconexion() override;

    // Texts of the message boxes shown so far.
    QStringList mensajes() const;

private:
    // The answer to the message box just recorded, the hook run first.
    int responder(int estilo);
};
