// The search-definitions file "consultas.qdx": its records read, and the
// entity search built from each record's table, columns and condition.
#include "ArchivoConsultas.h"
#include "ConsultaEntidad.h"
#include "DialogoConsulta.h"
#include "Dialogos.h"
#include "Entrada.h"
#include <memory>

namespace {
// A dialog side that answers every question at once, without a window.
class SinVentanas : public Dialogos {
public:
    int Mensaje(const QString&, int estilo, const QString&) override {
        return RespuestaPorDefecto(estilo);
    }
    QString Entrada(const QString&, const QString&, const QString& inicial) override {
        return inicial;
    }
    std::optional<QString> ElegirArchivo(const QString&, const QString&) override { return {}; }
    QString Buscar(const PeticionBusqueda& p) override { return p.sentencia.left(10); }
    QString Calendario(const QString&) override { return {}; }
    bool Acceso(DatosAcceso&) override { return false; }
    QString Emergente(const QList<QPair<QString, QString>>&, const QPoint&) override { return {}; }
    std::unique_ptr<VentanaReconexion> Reconexion() override { return nullptr; }
};
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t largo) {
    static const bool listo = [] {
        EstablecerDialogos(std::make_shared<SinVentanas>());
        return true;
    }();
    (void)listo;
    const QString archivo = EnArchivo("consultas.qdx", datos, largo);
    gDialogoConsulta().ArchivoConsultas = archivo;
    const QList<RegistroConsulta> registros = ArchivoConsultas::Leer(archivo);
    for (const RegistroConsulta& r : registros.mid(0, 4)) {
        const QString tabla = ArchivoConsultas::TablaLimpia(r.tabla);
        QString columnas;
        LeerColumnasConsulta(tabla, columnas);
        QString resultado;
        ArmarConsultaEntidad(tabla, r.condicion.trimmed(), resultado,
                             [&](const QString&) { return r.nombre; });
        TopeFilasConsulta(r.nombre);
    }
    return 0;
}
