#include "HistorialCambios.h"
#include "ContratoErrores.h"
#include "DB_Dll.h"
#include "Dialogos.h"
#include "FallosEscritura.h"
#include "ModeloAsientos.h"
#include "RegistroAcciones.h"
#include "RegistroCambios.h"
#include "Transaccion.h"
#include <QHash>

using namespace RegistroCambios;

namespace {
const QString kAviso = QStringLiteral("Aviso al operador");

// Rows of a batch changed by someone else between two statements of an undo
// or a redo: it is not half done, it is tried again by the user.
struct FilasMovidas {};

QString nombreTabla(const QString& codigo) {
    if (codigo == QLatin1String("A"))
        return QStringLiteral("Asientos");
    if (codigo == QLatin1String("V"))
        return QStringLiteral("Ventas");
    return QStringLiteral("Compras");
}

const QString kYaNoExiste = QStringLiteral("(ya no existe)");

// The rows left alone, as the list shows them: table, voucher, entry, line
// and the account the row holds now (a purchase voucher has one row per
// account, so its row is only known not to hold the account any more).
ResultadoConsulta listaApartadas(const QList<QStringList>& filas) {
    ResultadoConsulta r;
    r.columnas = {QStringLiteral("Tabla"), QStringLiteral("Comprobante"), QStringLiteral("Asiento"),
                  QStringLiteral("Línea"), QStringLiteral("Cuenta ahora")};
    for (const QStringList& f : filas) {
        const QString codigo = f.value(0);
        const bool linea = codigo == QLatin1String("A");
        QString ahora = f.value(7).trimmed();
        if (ahora.isEmpty() && codigo != QLatin1String("C"))
            ahora = kYaNoExiste;
        r.filas << QStringList{
            nombreTabla(codigo), f.value(1).trimmed() + u' ' + f.value(2) + f.value(3) + f.value(4),
            linea ? f.value(5) : QString(), linea ? f.value(6) : QString(), ahora};
    }
    return r;
}

// A row of that list in a sentence.
QString lineaApartada(const QStringList& f) {
    QString t = QStringLiteral("- ") + f.value(0) + u' ' + f.value(1);
    if (!f.value(2).isEmpty())
        t += QStringLiteral(", asiento ") + f.value(2) + QStringLiteral(", línea ") + f.value(3);
    if (f.value(4) == kYaNoExiste)
        return t + QStringLiteral(": ya no existe");
    if (f.value(4).isEmpty())
        return t + QStringLiteral(": tiene otra cuenta");
    return t + QStringLiteral(": ahora tiene la cuenta ") + f.value(4);
}

// The grid's identity (ModeloAsientos::IdentidadLinea) of a row of that list
// that is a journal line.
QString identidadApartada(const QStringList& f) {
    const QChar sep(ModeloAsientos::kSeparadorIdentidad);
    return QStringList{f.value(1), f.value(2), f.value(3), f.value(4), f.value(8),
                       f.value(9), f.value(5), f.value(6), f.value(10)}
        .join(sep)
        .toUpper();
}

// The card data a correction writes on its line.
QString tarjetaDeCorreccion(bool tarjeta) {
    const QString v = tarjeta ? QStringLiteral("'1'") : QStringLiteral("''");
    return QStringLiteral(", TJ_NroSocio = ") + v + QStringLiteral(", TJ_NroCupon = ") + v +
           QStringLiteral(", TJ_Cuotas = ") + v + QStringLiteral(", TJ_Autorizo = ") + v +
           QStringLiteral(", TJ_Observaciones = ") + v;
}

QString descripcionCuenta(const QString& codigo) {
    QString d;
    IgnorandoErrores([&] {
        d = gDB().DatosTabla(QStringLiteral("MA_CUENTAS"), codigo, QStringLiteral("Descripcion"),
                             QStringLiteral("Codigo"), 8, QString(), true, true);
    });
    return d;
}

} // namespace

HistorialCambios::~HistorialCambios() {
    if (!cambios_.empty() && gDB().gCnn && gDB().conexion().State() == 1)
        olvidar(0);
}

bool HistorialCambios::Preparar() {
    if (preparado_)
        return true;
    const QString tabla = QString::fromLatin1(kTabla);
    try {
        if (!gDB().ExisteTablaDB(tabla)) {
            try {
                Transaccion t;
                for (const QString& sql : Creacion(gDB().motor()))
                    t.Ejecutar(sql, false);
                t.Confirmar();
            } catch (const ErrorVB&) {
                // Another session may have created it in the meantime.
                if (!gDB().ExisteTablaDB(tabla))
                    throw;
            }
        }
        preparado_ = true;
    } catch (const ErrorVB& e) {
        dialogos().Mensaje(
            MensajeFallo(QStringLiteral("No se modificó nada: falta la tabla ") + tabla +
                             QStringLiteral(", que guarda lo necesario para deshacer los "
                                            "cambios, y no se pudo crear"),
                         FalloEnLaConexion(e)),
            EstilosMensaje::Exclamacion, kAviso);
        return false;
    }
    // Records left by sessions that ended without removing theirs.
    const QDateTime ahora = FechaServidor();
    try {
        Transaccion t;
        t.Ejecutar(Purgar(ahora), false);
        t.Confirmar();
    } catch (const ErrorVB&) {
        // They are only kept longer.
    }
    return true;
}

void HistorialCambios::olvidar(std::size_t desde) {
    QStringList lotes;
    for (std::size_t i = desde; i < cambios_.size(); ++i)
        lotes << cambios_[i].lote;
    if (lotes.isEmpty())
        return;
    try {
        Transaccion t;
        t.Ejecutar(Borrar(lotes), false);
        t.Confirmar();
    } catch (const ErrorVB&) {
        // Records nobody will use: the next sessions remove them after a week.
    }
}

void HistorialCambios::Agregar(CambioCuenta cambio) {
    if (hechos_ < cambios_.size()) {
        olvidar(hechos_);
        cambios_.resize(hechos_);
    }
    cambios_.push_back(std::move(cambio));
    hechos_ = cambios_.size();
}

QString HistorialCambios::QueDeshacer() const {
    return hechos_ > 0 ? cambios_[hechos_ - 1].que : QString();
}

QString HistorialCambios::QueRehacer() const {
    return hechos_ < cambios_.size() ? cambios_[hechos_].que : QString();
}

bool HistorialCambios::Deshacer(ModeloAsientos& grilla) {
    if (hechos_ == 0 || !aplicar(cambios_[hechos_ - 1], true, grilla))
        return false;
    --hechos_;
    return true;
}

bool HistorialCambios::Rehacer(ModeloAsientos& grilla) {
    if (hechos_ >= cambios_.size() || !aplicar(cambios_[hechos_], false, grilla))
        return false;
    ++hechos_;
    return true;
}

bool HistorialCambios::aplicar(const CambioCuenta& c, bool deshacer, ModeloAsientos& grilla) {
    const QString desde = deshacer ? c.despues : c.antes;
    const QString hacia = deshacer ? c.antes : c.despues;
    const QString hecho = deshacer ? QStringLiteral("Se deshizo: ") : QStringLiteral("Se rehízo: ");
    const ModificacionesEnLote m = Modificacion(deshacer ? QStringLiteral("Deshace imputación")
                                                         : QStringLiteral("Rehace imputación"),
                                                desde, hacia, c.lote);
    const MotorBD motor = gDB().motor();
    QString tarjeta;
    if (c.esCorreccion)
        tarjeta = deshacer ? TarjetaRegistrada(c.lote, motor) : tarjetaDeCorreccion(c.tarjeta);
    long cambiadas[3] = {};
    QList<QStringList> apartadas;
    QSet<QString> lineas;
    const QString queNo =
        (deshacer ? QStringLiteral("No se deshizo: ") : QStringLiteral("No se rehízo: ")) + c.que;
    try {
        Transaccion t;
        for (int i = 0; i < 3; ++i) {
            const Tabla tabla = kTablas[i];
            const QList<QStringList> cambiadasPorOtro =
                t.Leer(Cambiadas(tabla, c.lote, desde, motor));
            // A row someone changes after this read is not moved below, and
            // the count of the audit rows then tells.
            if (!cambiadasPorOtro.isEmpty())
                t.Ejecutar(Apartar(tabla, c.lote, desde, motor), false);
            apartadas += cambiadasPorOtro;
            const long auditadas = t.Ejecutar(Auditar(tabla, m, motor), false);
            cambiadas[i] = t.Ejecutar(
                Volver(tabla, c.lote, desde, hacia, i == 0 ? tarjeta : QString(), motor), false);
            if (cambiadas[i] != auditadas)
                throw FilasMovidas{};
        }
        lineas = t.Filas(Identidades(c.lote));
        t.Confirmar();
    } catch (const FilasMovidas&) {
        dialogos().Mensaje(queNo + QStringLiteral(": otro usuario estaba cambiando esas filas. "
                                                  "Nada cambió; intente de nuevo."),
                           EstilosMensaje::Exclamacion, kAviso);
        return false;
    } catch (const ErrorVB& e) {
        dialogos().Mensaje(MensajeFallo(queNo, FalloEnLaConexion(e)), EstilosMensaje::Exclamacion,
                           kAviso);
        return false;
    }
    const int enGrilla = grilla.CambiarCuentaDeLineas(
        lineas, desde, hacia, lineas.isEmpty() ? QString() : descripcionCuenta(hacia));
    // A line someone else changed shows the account it holds now.
    QHash<QString, QSet<QString>> otrasCuentas;
    for (const QStringList& f : apartadas)
        if (f.value(0) == QLatin1String("A") && !f.value(7).trimmed().isEmpty())
            otrasCuentas[f.value(7).trimmed()].insert(identidadApartada(f));
    for (auto it = otrasCuentas.cbegin(); it != otrasCuentas.cend(); ++it)
        grilla.CambiarCuentaDeLineas(it.value(), desde, it.key(), descripcionCuenta(it.key()));
    // A corrected line the grid shows tells itself; anything else is told.
    if (c.esCorreccion && apartadas.isEmpty() && enGrilla > 0)
        return true;
    QString texto = hecho + c.que +
                    QStringLiteral(".\r\nLíneas de asientos que ahora tienen la "
                                   "cuenta ") +
                    hacia + QStringLiteral(": ") + QString::number(cambiadas[0]) +
                    QStringLiteral("\r\nComprobantes de venta: ") + QString::number(cambiadas[1]) +
                    QStringLiteral("\r\nComprobantes de compra: ") + QString::number(cambiadas[2]);
    if (apartadas.isEmpty()) {
        dialogos().Mensaje(texto, EstilosMensaje::Informacion, QStringLiteral("Atención"));
        return true;
    }
    const ResultadoConsulta lista = listaApartadas(apartadas);
    texto += apartadas.size() == 1
                 ? QStringLiteral("\r\n\r\nQuedó como estaba, sin tocar, 1 fila que alguien "
                                  "cambió después (ya no tiene la cuenta ") +
                       desde + QStringLiteral("):")
                 : QStringLiteral("\r\n\r\nQuedaron como estaban, sin tocar, ") +
                       QString::number(apartadas.size()) +
                       QStringLiteral(" filas que alguien cambió después (ya no tienen la "
                                      "cuenta ") +
                       desde + QStringLiteral("):");
    constexpr int kEnElMensaje = 5;
    for (int i = 0; i < lista.filas.size() && i < kEnElMensaje; ++i)
        texto += QStringLiteral("\r\n") + lineaApartada(lista.filas[i]);
    if (lista.filas.size() > kEnElMensaje)
        texto += QStringLiteral("\r\n... y ") + QString::number(lista.filas.size() - kEnElMensaje) +
                 QStringLiteral(" más.");
    dialogos().MensajeConLista(texto, EstilosMensaje::Exclamacion, QStringLiteral("Atención"),
                               {QStringLiteral("&Ver filas..."),
                                QStringLiteral("Filas que quedaron como estaban"),
                                [lista] { return lista; }});
    return true;
}
