#pragma once
// The Qt side of the dialog seam: real modal windows with Spanish captions.
#include "Dialogos.h"

class DialogosQt : public Dialogos {
public:
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
};

// The access window of the program, shown for the access exchange. The
// library that has the window registers it when it is linked into a program;
// a program without it cannot ask for connection data (the exchange answers
// as cancelled).
using VentanaAcceso = std::function<bool(DatosAcceso&)>;
void EstablecerVentanaAcceso(VentanaAcceso ventana);

// A file filter in the suite's form ("Description |*.EXT") in Qt's form.
QString FiltroQt(const QString& filtro);
