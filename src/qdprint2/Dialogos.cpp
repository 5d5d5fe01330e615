#include "Dialogos.h"
#include "ContratoErrores.h"
#include <QDebug>
#include <QList>

namespace {
std::shared_ptr<Dialogos>& instalado() {
    static std::shared_ptr<Dialogos> d;
    return d;
}

FabricaDialogos& fabrica() {
    static FabricaDialogos f;
    return f;
}

// The side of a program that has no windows at all (no window library linked):
// nothing can be asked, so every question gets its default button and is
// written to the error output, where whoever runs the program sees it.
class LadoSinVentanas : public Dialogos {
public:
    int Mensaje(const QString& texto, int estilo, const QString& titulo) override {
        qWarning().noquote() << titulo << ':' << texto;
        return RespuestaPorDefecto(estilo);
    }
    QString Entrada(const QString&, const QString&, const QString&) override { return {}; }
    std::optional<QString> ElegirArchivo(const QString&, const QString&) override {
        return std::nullopt;
    }
    QString Buscar(const PeticionBusqueda&) override { return {}; }
    QString Calendario(const QString&) override { return {}; }
    bool Acceso(DatosAcceso&) override { return false; }
    QString Emergente(const QList<QPair<QString, QString>>&, const QPoint&) override { return {}; }
    std::unique_ptr<VentanaReconexion> Reconexion() override {
        return std::make_unique<SinVentanaReconexion>();
    }

private:
    // Nobody can wait at a window that cannot be shown: it is closed at once.
    struct SinVentanaReconexion : VentanaReconexion {
        void Mostrar(const QString&, const QString&) override {}
        void Progreso(int) override {}
        void ReintentarHabilitado(bool) override {}
        bool Cancelar() const override { return true; }
        bool Reintentar() const override { return false; }
        void LimpiarBanderas() override {}
        void Cerrar() override {}
    };
};
} // namespace

QList<int> BotonesDeEstilo(int estilo) {
    using namespace EstilosMensaje;
    switch (estilo & MascaraBotones) {
    case AceptarCancelar:
        return {Respuestas::Aceptar, Respuestas::Cancelar};
    case AbortarReintentarIgnorar:
        return {Respuestas::Abortar, Respuestas::Reintentar, Respuestas::Ignorar};
    case SiNoCancelar:
        return {Respuestas::Si, Respuestas::No, Respuestas::Cancelar};
    case SiNo:
        return {Respuestas::Si, Respuestas::No};
    case ReintentarCancelar:
        return {Respuestas::Reintentar, Respuestas::Cancelar};
    default:
        return {Respuestas::Aceptar};
    }
}

int BotonPorDefecto(int estilo) {
    const int n = static_cast<int>(BotonesDeEstilo(estilo).size());
    const int i = (estilo & EstilosMensaje::MascaraPorDefecto) >> 8;
    return i < n ? i : 0;
}

int RespuestaPorDefecto(int estilo) {
    return BotonesDeEstilo(estilo).at(BotonPorDefecto(estilo));
}

std::shared_ptr<Dialogos> DialogosSinVentanas() {
    return std::make_shared<LadoSinVentanas>();
}

Dialogos& dialogos() {
    std::shared_ptr<Dialogos>& d = instalado();
    if (!d)
        d = fabrica() ? fabrica()() : DialogosSinVentanas();
    return *d;
}

void EstablecerDialogos(std::shared_ptr<Dialogos> d) {
    instalado() = std::move(d);
}

void EstablecerFabricaDialogos(FabricaDialogos f) {
    fabrica() = std::move(f);
}
