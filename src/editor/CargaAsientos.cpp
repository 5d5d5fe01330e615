#include "CargaAsientos.h"
#include "ContratoErrores.h"
#include "CuentaPrincipal.h"
#include "DB_Dll.h"
#include "Dialogos.h"
#include "Importes.h"
#include "ModeloAsientos.h"
#include "TextoSql.h"
#include "TextoTecleado.h"
#include "UtilGeneral.h"
#include <QElapsedTimer>
#include <QSet>

int CargaAsientos::intervaloMs = kIntervaloMs;

namespace {
const QChar kSep(0x1F);

// Positions of the fields the load reads, found once per query.
struct Campos {
    int tc, sucursal, numero, letra, asiento, mes, periodo, secuencia, tipoReg, cuenta, descripcion,
        dh, importe, tipoVista, medioDePago, detalle, unegocio, nombre, libro, neto, noGravado, iva,
        ivaRecargo, total;
    explicit Campos(const Recordset& rs)
        : tc(rs.Indice(QStringLiteral("TC"))), sucursal(rs.Indice(QStringLiteral("Sucursal"))),
          numero(rs.Indice(QStringLiteral("Numero"))), letra(rs.Indice(QStringLiteral("Letra"))),
          asiento(rs.Indice(QStringLiteral("numero asiento"))),
          mes(rs.Indice(QStringLiteral("Mes_Operativo"))),
          periodo(rs.Indice(QStringLiteral("Periodo"))),
          secuencia(rs.Indice(QStringLiteral("Secuencia"))),
          tipoReg(rs.Indice(QStringLiteral("Tipo_Reg"))),
          cuenta(rs.Indice(QStringLiteral("Cuenta"))),
          descripcion(rs.Indice(QStringLiteral("Descripcion"))),
          dh(rs.Indice(QStringLiteral("Debe-Haber"))),
          importe(rs.Indice(QStringLiteral("Importe"))),
          tipoVista(rs.Indice(QStringLiteral("TipoVista"))),
          medioDePago(rs.Indice(QStringLiteral("MedioDePago"))),
          detalle(rs.Indice(QStringLiteral("Detalle"))),
          unegocio(rs.Indice(QStringLiteral("UNegocio"))),
          nombre(rs.Indice(QStringLiteral("nombre"))), libro(rs.Indice(QStringLiteral("LIBRO"))),
          neto(rs.Indice(QStringLiteral("NetoGravado"))),
          noGravado(rs.Indice(QStringLiteral("NoGravado"))),
          iva(rs.Indice(QStringLiteral("ImporteIVA"))),
          ivaRecargo(rs.Indice(QStringLiteral("ImporteIVA_Recargo"))),
          total(rs.Indice(QStringLiteral("Total"))) {}
};

// The vouchers (type, branch, number, letter) any of whose lines holds the
// account, in whichever of their entries: one query for the whole load
// instead of one per voucher.
QSet<QString> comprobantesConCuenta(const QString& cuenta) {
    QSet<QString> r;
    Recordset rs;
    QString sql =
        QStringLiteral("select distinct tc, sucursal, numero, letra from mv_asientos where cuenta "
                       "= '") +
        TextoSql::Comillas(cuenta) + QStringLiteral("'");
    gDB().AbrirRecordset(sql, rs, nullptr, Cursores::SoloAdelante, Bloqueos::SoloLectura, -1, true);
    if (rs.State() == 1)
        for (; !rs.Eof(); rs.MoveNext())
            r.insert(QStringList{rs.Texto(0), rs.Texto(1), rs.Texto(2), rs.Texto(3)}
                         .join(kSep)
                         .toUpper());
    gDB().CierraRecordset(&rs);
    return r;
}

long cantidadDeFilas(Recordset& rs, const QString& filtro) {
    const long n = rs.RecordCount();
    if (n >= 0)
        return n;
    Recordset c;
    QString sql = ConteoAsientos(filtro);
    gDB().AbrirRecordset(sql, c, nullptr, Cursores::SoloAdelante, Bloqueos::SoloLectura, -1, true);
    const long r = c.State() == 1 && !c.Eof() ? static_cast<long>(c.Valor(0).toLongLong()) : 0;
    gDB().CierraRecordset(&c);
    return r;
}
} // namespace

ResultadoCarga CargaAsientos::CargarAsientos(const ParametrosConsulta& parametros,
                                             const std::function<bool()>& datosCabecera,
                                             CuentaPrincipal::Lectura lectura) {
    ResultadoCarga r = cargar(parametros, datosCabecera, lectura);
    if (!r.conTotales) {
        // A load cancelled or left on an error shows part of the selection:
        // the totals are those of the lines it shows.
        r.totales = CalculaDiferenciaDH(grilla_);
        r.conTotales = true;
    }
    return r;
}

ResultadoCarga CargaAsientos::cargar(const ParametrosConsulta& parametros,
                                     const std::function<bool()>& datosCabecera,
                                     CuentaPrincipal::Lectura lectura) {
    ResultadoCarga resultado;
    ContratoErrores contrato([](const ErrorVB& e) {
        return UtilGeneral::DialogoError(e, 18, QStringLiteral("CargarAsientos"));
    });
    Recordset rs;
    QString filtro;
    const QString contiene = SinCaracteresDeControl(parametros.contieneCuenta).trimmed();
    if (!contrato.paso([&] { grilla_.Inicializar(datosCabecera()); }))
        return resultado;
    if (!contrato.paso([&] {
            filtro = ArmarFiltro(parametros, gDB().motor());
            QString sql = ConsultaAsientos(filtro);
            gDB().AbrirRecordset(sql, rs, nullptr, Cursores::SoloAdelante, Bloqueos::SoloLectura,
                                 -1, true);
        }))
        return resultado;

    const bool hayFilas = rs.State() == 1 && !rs.Eof();
    if (hayFilas) {
        const Campos c(rs);
        long total = 1;
        QSet<QString> conCuenta;
        if (!contrato.paso([&] {
                total = std::max(1L, cantidadDeFilas(rs, filtro));
                if (!contiene.isEmpty())
                    conCuenta = comprobantesConCuenta(contiene);
                else
                    grilla_.Reservar(total);
                avance_.Iniciar(QStringLiteral("Cargando Asientos"));
            }))
            return resultado;

        // The load's size bounds the voucher tables read whole.
        CuentaPrincipal principal(lectura, total);
        QString tcAnterior;
        QString numeroAnterior;
        bool saltar = false;
        int numeroLinea = 0;
        int contador = 0;
        long posicion = 0;
        QElapsedTimer reloj;
        reloj.start();
        qint64 ultimaVez = -intervaloMs;
        while (!rs.Eof()) {
            const QString tc = rs.Texto(c.tc);
            const QString sucursal = rs.Texto(c.sucursal);
            const QString numero = rs.Texto(c.numero);
            const QString letra = rs.Texto(c.letra);
            const QString numeroCompleto = sucursal + numero + letra;
            bool cancelar = false;
            const bool seguir = contrato.paso([&] {
                if (tc.compare(tcAnterior, Qt::CaseInsensitive) != 0 ||
                    numeroCompleto.compare(numeroAnterior, Qt::CaseInsensitive) != 0) {
                    saltar = false;
                    if (!contiene.isEmpty())
                        saltar = !conCuenta.contains(
                            QStringList{tc, sucursal, numero, letra}.join(kSep).toUpper());
                    if (!saltar) {
                        grilla_.AgregarCabecera({tc, sucursal, numero, letra, rs.Texto(c.detalle),
                                                 rs.Texto(c.unegocio)});
                        numeroLinea = 0;
                    }
                }
                tcAnterior = tc;
                numeroAnterior = numeroCompleto;
            }) && contrato.paso([&] {
                contador = contador >= 51 ? 1 : contador + 1;
                const qint64 ahora = reloj.elapsed();
                if (ahora - ultimaVez < intervaloMs)
                    return;
                ultimaVez = ahora;
                grilla_.Publicar();
                if (avance_.Mostrar(QStringLiteral("Cargando Asientos"),
                                    QStringLiteral("Espere por Favor"), QString(contador, u'|'))) {
                    avance_.Cerrar();
                    if (dialogos().Mensaje(QStringLiteral("Desea cancelar el proceso?"),
                                           EstilosMensaje::SiNo,
                                           QStringLiteral("Atencion")) == Respuestas::Si) {
                        cancelar = true;
                        return;
                    }
                    avance_.Iniciar(QString());
                }
                avance_.Porcentaje(static_cast<int>(posicion * 100 / total));
            }) && !cancelar && contrato.paso([&] {
                if (saltar)
                    return;
                DatosLinea l;
                l.cuenta = rs.Texto(c.cuenta);
                l.descripcion = rs.Texto(c.descripcion);
                l.importe = rs.Valor(c.importe);
                l.debeHaber = rs.Texto(c.dh);
                l.tipoVista = rs.Texto(c.tipoVista);
                l.medioDePago = rs.Texto(c.medioDePago);
                l.periodo = rs.Texto(c.periodo);
                l.mesOperativo = rs.Texto(c.mes);
                l.secuencia = rs.Texto(c.secuencia);
                l.tipoReg = rs.Texto(c.tipoReg);
                l.numeroAsiento = rs.Texto(c.asiento);
                l.nombre = rs.Texto(c.nombre);
                if (!l.nombre.isEmpty()) {
                    l.libro = rs.Texto(c.libro);
                    l.netoGravado = Importes::Llano(rs.Valor(c.neto));
                    l.noGravado = Importes::Llano(rs.Valor(c.noGravado));
                    l.importeIva = Importes::Llano(rs.Valor(c.iva));
                    l.importeIvaRecargo = Importes::Llano(rs.Valor(c.ivaRecargo));
                    l.total = Importes::Llano(rs.Valor(c.total));
                }
                const int fila = grilla_.AgregarLinea(++numeroLinea, l);
                ++resultado.lineas;
                if (datosCabecera()) {
                    const auto& [cuenta, provincia] =
                        principal.Para({tc, sucursal, numero, letra, l.mesOperativo,
                                        l.numeroAsiento, l.secuencia, l.cuenta});
                    grilla_.FijarCuentaPrincipal(fila, cuenta, provincia);
                }
            });
            // A row that cannot be left ends the load even when the error is ignored.
            bool avanzo = false;
            const bool siguio = seguir && !cancelar && contrato.paso([&] {
                rs.MoveNext();
                ++posicion;
                avanzo = true;
            });
            if (cancelar || !siguio || !avanzo) {
                grilla_.Publicar();
                if (!cancelar)
                    avance_.Cerrar();
                return resultado;
            }
        }
        grilla_.Publicar();
        avance_.Cerrar();
    }
    contrato.paso([&] { gDB().CierraRecordset(&rs); });
    if (!contrato.paso([&] {
            // With "Contiene Cuenta" the grid shows only some vouchers of the
            // filter: the totals are those of the grid, not of the filter.
            resultado.totales =
                contiene.isEmpty() ? CalculaDiferenciaDH(filtro) : CalculaDiferenciaDH(grilla_);
            resultado.conTotales = true;
        }))
        return resultado;
    grilla_.Publicar();
    avance_.LimpiarPorcentaje();
    resultado.completa = true;
    return resultado;
}
