#include "DialogosGuion.h"
#include "ContratoErrores.h"

int DialogosGuion::Mensaje(const QString& texto, int estilo, const QString& titulo) {
    prompts.append({QStringLiteral("mensaje"), texto, titulo, estilo});
    return responder(estilo);
}

int DialogosGuion::MensajeConLista(const QString& texto, int estilo, const QString& titulo,
                                   const ListaMensaje& lista) {
    prompts.append({QStringLiteral("mensaje"), texto, titulo, estilo});
    listasOfrecidas.append(lista);
    if (!verListas.isEmpty() && verListas.dequeue())
        listasVistas.append(lista.filas());
    return responder(estilo);
}

int DialogosGuion::responder(int estilo) {
    if (alMostrarMensaje)
        alMostrarMensaje(prompts.last());
    if (!respuestas.isEmpty())
        return respuestas.dequeue();
    return RespuestaPorDefecto(estilo);
}

QString DialogosGuion::Entrada(const QString& pregunta, const QString& titulo,
                               const QString& inicial) {
    prompts.append({QStringLiteral("entrada"), pregunta, titulo, 0});
    return entradas.isEmpty() ? inicial : entradas.dequeue();
}

std::optional<QString> DialogosGuion::ElegirArchivo(const QString& titulo, const QString& filtro) {
    prompts.append({QStringLiteral("archivo"), filtro, titulo, 0});
    if (archivos.isEmpty())
        return std::nullopt;
    return archivos.dequeue();
}

QString DialogosGuion::Buscar(const PeticionBusqueda& peticion) {
    prompts.append({QStringLiteral("buscar"), peticion.sentencia, peticion.campoDevuelto, 0});
    peticionesBusqueda.append(peticion);
    return busquedas.isEmpty() ? QString() : busquedas.dequeue();
}

QString DialogosGuion::Calendario(const QString& inicial) {
    prompts.append({QStringLiteral("calendario"), inicial, QString(), 0});
    return fechas.isEmpty() ? QString() : fechas.dequeue();
}

bool DialogosGuion::Acceso(DatosAcceso& datos) {
    prompts.append({QStringLiteral("acceso"), datos.servidor, datos.baseDatos, datos.plataforma});
    accesosMostrados.append(datos);
    if (accesos.isEmpty())
        return false;
    const std::optional<DatosAcceso> respuesta = accesos.dequeue();
    if (!respuesta)
        return false;
    datos = *respuesta;
    return true;
}

namespace {
class ReconexionGuion : public VentanaReconexion {
public:
    ReconexionGuion(DialogosGuion& d, int cancelarTras) : d_(d), restantes_(cancelarTras) {}
    void Mostrar(const QString& titulo, const QString& mensaje) override {
        d_.prompts.append({QStringLiteral("reconexion"), mensaje, titulo, 0});
    }
    void Progreso(int) override {
        if (restantes_ > 0 && --restantes_ == 0)
            cancelar_ = true;
    }
    void ReintentarHabilitado(bool) override {}
    bool Cancelar() const override { return cancelar_; }
    bool Reintentar() const override { return false; }
    void LimpiarBanderas() override { cancelar_ = false; }
    void Cerrar() override {}

private:
    DialogosGuion& d_;
    int restantes_;
    bool cancelar_ = false;
};
} // namespace

std::unique_ptr<VentanaReconexion> DialogosGuion::Reconexion() {
    const int tras = cancelarReconexionTras.isEmpty() ? 1 : cancelarReconexionTras.dequeue();
    return std::make_unique<ReconexionGuion>(*this, tras);
}

QStringList DialogosGuion::mensajes() const {
    QStringList r;
    for (const PromptRegistrado& p : prompts)
        if (p.tipo == QLatin1String("mensaje"))
            r << p.texto;
    return r;
}

QString DialogosGuion::Emergente(const QList<QPair<QString, QString>>& items, const QPoint&) {
    prompts.append({QStringLiteral("menu"), QString(), QString(), 0});
    menusMostrados.append(items);
    return emergentes.isEmpty() ? QString() : emergentes.dequeue();
}
