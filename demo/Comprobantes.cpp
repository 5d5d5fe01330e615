#include "Comprobantes.h"

#include "BaseSqlite.h"
#include "DatosMaestros.h"
#include "PlanDeCuentas.h"
#include <QDate>
#include <map>
#include <optional>

namespace {

constexpr int kEjercicio = 2024;
constexpr int kMaximoLineas = 8;

struct Tarjeta {
    std::string socio, cupon, cuotas, autorizo;
    std::optional<std::int64_t> presentacion;
};

struct Linea {
    std::string cuenta;
    char debeHaber;
    std::int64_t centavos;
    std::string detalle; // empty: the voucher's
    std::optional<Tarjeta> tarjeta;
};

// The voucher's tax book data, carried by line 1 of its first entry.
struct Libro {
    const char* tipo;
    std::int64_t neto = 0, noGravado = 0, exento = 0, iva = 0, total = 0;
};

struct Comprobante {
    std::string tc, sucursal, numero, letra, unegocio, usuario, detalle;
    int tipoReg = 1;
    const Tercero* tercero = nullptr;
    const char* cabecera = nullptr; // header table, if any
    std::int64_t total = 0;
    std::optional<Libro> libro;
    std::vector<std::vector<Linea>> asientos;
};

struct Dia {
    std::string fecha;
    int mes;
};

std::string Ceros(std::int64_t n, int ancho) {
    std::string s = std::to_string(n);
    return std::string(static_cast<std::size_t>(ancho) - s.size(), '0') + s;
}

std::vector<Dia> DiasHabiles() {
    std::vector<Dia> dias;
    for (QDate d(kEjercicio, 1, 1); d.year() == kEjercicio; d = d.addDays(1))
        if (d.dayOfWeek() != Qt::Sunday)
            dias.push_back({d.toString(QStringLiteral("yyyy-MM-dd")).toStdString(), d.month()});
    return dias;
}

class Generador {
public:
    Generador(const PlanDeCuentas& plan, Azar& azar) : azar_(azar) {
        for (const Tercero& t : plan.clientes)
            if (!t.baja)
                clientes_.push_back(&t);
        for (const Tercero& t : plan.proveedores)
            if (!t.baja)
                proveedores_.push_back(&t);
    }

    // A voucher of a type drawn at random with exactly n lines (2 to 8).
    Comprobante armar(int n, const Dia& dia) {
        dia_ = &dia;
        const int tipo = static_cast<int>(azar_.entre(1, 100));
        if (tipo <= 30)
            return venta("FC", n);
        if (tipo <= 35)
            return venta("NC", n);
        if (tipo <= 37)
            return venta("ND", n);
        if (tipo <= 55)
            return cobranza(n);
        if (tipo <= 72)
            return compra("FCC", n);
        if (tipo <= 75)
            return compra("NCC", n);
        if (tipo <= 87)
            return pago(n);
        return manual(n);
    }

    // The usual line count of the next voucher.
    int lineasSugeridas() {
        static const std::vector<int> cantidades = {2, 3, 3, 4, 4, 5, 6, 8};
        return azar_.elegir(cantidades);
    }

private:
    Azar& azar_;
    std::vector<const Tercero*> clientes_, proveedores_;
    std::map<std::string, std::int64_t> numeradores_;
    const Dia* dia_ = nullptr;

    std::int64_t monto() {
        return azar_.chance(70) ? azar_.entre(50'000, 2'500'000)
                                : azar_.entre(2'500'000, 150'000'000);
    }

    // total split into k positive parts.
    std::vector<std::int64_t> repartir(std::int64_t total, int k) {
        std::vector<std::int64_t> pesos;
        std::int64_t suma = 0;
        for (int i = 0; i < k; ++i)
            suma += pesos.emplace_back(azar_.entre(1, 100));
        std::vector<std::int64_t> partes;
        std::int64_t resto = total;
        for (int i = 0; i < k - 1; ++i)
            resto -= partes.emplace_back(total * pesos[static_cast<std::size_t>(i)] / suma);
        partes.push_back(resto);
        return partes;
    }

    // Own branch and its business unit.
    std::pair<std::string, std::string> sucursalPropia() {
        const int r = static_cast<int>(azar_.entre(1, 100));
        const int s = r <= 50 ? 1 : r <= 70 ? 2 : r <= 90 ? 3 : 4;
        return {Ceros(s, 4), "   " + std::to_string(s)};
    }

    Comprobante nuevo(const std::string& tc, const std::string& sucursal, const std::string& letra,
                      const std::string& unegocio) {
        Comprobante c;
        c.tc = tc;
        c.sucursal = sucursal;
        c.letra = letra;
        c.unegocio = unegocio;
        auto [it, nuevoNumerador] = numeradores_.try_emplace(tc + sucursal + letra, 0);
        if (nuevoNumerador)
            it->second = azar_.entre(1, 2500);
        c.numero = Ceros(++it->second, 8);
        c.usuario = azar_.elegir(UsuariosQueImputan());
        return c;
    }

    std::string referencia(const Comprobante& c) const {
        return c.letra + " " + c.sucursal + "-" + c.numero;
    }

    const std::string& cajaDe(const std::string& sucursal) const {
        return sucursal == "0002"   ? Ctas::CajaRosario
               : sucursal == "0003" ? Ctas::CajaCordoba
                                    : Ctas::CajaCentral;
    }

    static void agregar(std::vector<Linea>& lineas, const std::string& cuenta, char dh,
                        std::int64_t centavos) {
        lineas.push_back({cuenta, dh, centavos, {}, {}});
    }

    // FC, ND and NC: the customer on line 1, revenue and VAT as counterpart;
    // some invoices carry a second entry with the cost of the goods sold.
    Comprobante venta(const char* tc, int n) {
        const Tercero& cliente = *azar_.elegir(clientes_);
        auto [sucursal, unegocio] = sucursalPropia();
        Comprobante c = nuevo(tc, sucursal, cliente.letra, unegocio);
        const bool credito = std::string(tc) == "NC";
        const char lado = credito ? 'H' : 'D';
        const char contra = credito ? 'D' : 'H';
        const bool conCosto = std::string(tc) == "FC" && n >= 5 && azar_.chance(40);
        const int m = conCosto ? n - 2 : n;
        c.tercero = &cliente;
        c.cabecera = "V_MV_CPTE";
        c.detalle = (credito                   ? "N. crédito "
                     : std::string(tc) == "ND" ? "N. débito "
                                               : "Factura ") +
                    referencia(c) + " " + cliente.razonSocial;

        static const std::vector<std::string> otrosIngresos = {"4.2.01.001", "4.2.01.002"};
        Libro libro{"V"};
        std::vector<Linea> lineas;
        const std::int64_t neto = monto();
        if (m == 2) {
            libro.exento = neto;
            agregar(lineas, cliente.codigo, lado, neto);
            agregar(lineas, credito ? Ctas::Devoluciones : Ctas::VentasExentas, contra, neto);
        } else {
            libro.neto = neto;
            libro.iva = (neto * 21 + 50) / 100;
            agregar(lineas, cliente.codigo, lado, neto + libro.iva);
            for (std::int64_t parte : repartir(neto, m - 2)) {
                const std::string& cuenta =
                    credito ? (azar_.chance(60) ? Ctas::Devoluciones : Ctas::VentasMercaderias)
                    : std::string(tc) == "ND"
                        ? azar_.elegir(otrosIngresos)
                        : (azar_.chance(70) ? Ctas::VentasMercaderias : Ctas::VentasServicios);
                agregar(lineas, cuenta, contra, parte);
            }
            agregar(lineas, Ctas::IvaDebito, contra, libro.iva);
        }
        libro.total = libro.neto + libro.exento + libro.iva;
        c.total = libro.total;
        c.libro = libro;
        c.asientos.push_back(std::move(lineas));
        if (conCosto) {
            const std::int64_t costo = neto * azar_.entre(55, 75) / 100;
            std::vector<Linea> costoVenta;
            agregar(costoVenta, Ctas::CostoMercaderias, 'D', costo);
            agregar(costoVenta, Ctas::Mercaderias, 'H', costo);
            c.asientos.push_back(std::move(costoVenta));
        }
        return c;
    }

    // FCC and NCC: the supplier on line 1, purchases or expenses and VAT
    // credit as counterpart. Letter C invoices carry no VAT.
    Comprobante compra(const char* tc, int n) {
        static const std::vector<std::string> gastos = {Ctas::ComprasMercaderias,
                                                        Ctas::ComprasMercaderias,
                                                        Ctas::ComprasMercaderias,
                                                        "5.1.01.003",
                                                        "5.2.01.003",
                                                        "5.2.01.004",
                                                        "5.2.01.005",
                                                        "5.2.01.006",
                                                        "5.2.01.007",
                                                        "5.3.01.001",
                                                        "5.3.01.002",
                                                        "1.2.01.002",
                                                        "1.2.01.003"};
        const Tercero& proveedor = *azar_.elegir(proveedores_);
        Comprobante c = nuevo(tc, proveedor.puntoDeVenta, proveedor.letra, sucursalPropia().second);
        const bool credito = std::string(tc) == "NCC";
        const char lado = credito ? 'D' : 'H';
        const char contra = credito ? 'H' : 'D';
        const bool conIva = n > 2 && proveedor.letra != "C";
        c.tercero = &proveedor;
        c.cabecera = "C_MV_CPTE";
        c.detalle = (credito ? "N. crédito prov. " : "Fact. prov. ") + referencia(c) + " " +
                    proveedor.razonSocial;

        Libro libro{"C"};
        std::vector<Linea> lineas;
        const std::int64_t neto = monto();
        if (conIva) {
            libro.neto = neto;
            libro.iva = (neto * 21 + 50) / 100;
        } else {
            libro.noGravado = neto;
        }
        libro.total = neto + libro.iva;
        agregar(lineas, proveedor.codigo, lado, libro.total);
        for (std::int64_t parte : repartir(neto, conIva ? n - 2 : n - 1))
            agregar(lineas, azar_.elegir(gastos), contra, parte);
        if (conIva)
            agregar(lineas, Ctas::IvaCredito, contra, libro.iva);
        c.total = libro.total;
        c.libro = libro;
        c.asientos.push_back(std::move(lineas));
        return c;
    }

    // RC: the customer on line 1 (credit), cash, banks, cheques, cards and
    // withholdings received as debits.
    Comprobante cobranza(int n) {
        const Tercero& cliente = *azar_.elegir(clientes_);
        auto [sucursal, unegocio] = sucursalPropia();
        Comprobante c = nuevo("RC", sucursal, "X", unegocio);
        const std::vector<std::string> medios = {
            cajaDe(sucursal),        Ctas::BancoNacion,          Ctas::BancoGalicia,
            Ctas::ValoresADepositar, Ctas::ValoresADepositar,    Ctas::ChequesDiferidos,
            Ctas::TarjetaVisa,       Ctas::TarjetaMaster,        Ctas::TarjetaNaranja,
            Ctas::RetIvaSufridas,    Ctas::RetGananciasSufridas, Ctas::RetIIBBSufridas};
        c.tercero = &cliente;
        c.cabecera = "V_MV_CPTE";
        c.detalle = "Cobranza " + referencia(c) + " " + cliente.razonSocial;
        c.total = monto();
        std::vector<Linea> lineas;
        agregar(lineas, cliente.codigo, 'H', c.total);
        for (std::int64_t parte : repartir(c.total, n - 1)) {
            const std::string& cuenta = azar_.elegir(medios);
            agregar(lineas, cuenta, 'D', parte);
            completarValor(lineas.back());
        }
        c.asientos.push_back(std::move(lineas));
        return c;
    }

    // OP: the supplier on line 1 (debit), banks, own cheques, cash and
    // withholdings made as credits.
    Comprobante pago(int n) {
        static const std::vector<std::string> medios = {
            Ctas::BancoNacion, Ctas::BancoGalicia, Ctas::ChequesEmitidos, Ctas::ChequesEmitidos,
            Ctas::CajaCentral, "2.1.03.003",       "2.1.03.004"};
        const Tercero& proveedor = *azar_.elegir(proveedores_);
        auto [sucursal, unegocio] = sucursalPropia();
        Comprobante c = nuevo("OP", sucursal, "X", unegocio);
        c.tercero = &proveedor;
        c.cabecera = "C_MV_CPTE";
        c.detalle = "Pago " + referencia(c) + " " + proveedor.razonSocial;
        c.total = monto();
        std::vector<Linea> lineas;
        agregar(lineas, proveedor.codigo, 'D', c.total);
        for (std::int64_t parte : repartir(c.total, n - 1)) {
            agregar(lineas, azar_.elegir(medios), 'H', parte);
            completarValor(lineas.back());
        }
        c.asientos.push_back(std::move(lineas));
        return c;
    }

    // AS: expenses against liabilities, banks and depreciation, some of them
    // on confidential accounts.
    Comprobante manual(int n) {
        static const std::vector<std::string> debitos = {
            "5.2.01.001", "5.2.01.002", "5.2.01.003", "5.2.01.004", "5.2.01.005",
            "5.2.01.009", "5.3.01.003", "5.3.01.004", "5.4.01.001", "5.4.01.002",
            "5.4.01.003", "5.2.01.008", "1.1.03.005"};
        static const std::vector<std::string> creditos = {
            "2.1.04.001", "2.1.04.002", "2.1.03.002", Ctas::BancoNacion,  Ctas::BancoGalicia,
            "1.2.01.009", "2.1.02.002", "2.1.04.003", Ctas::CajaSeguridad};
        static const std::vector<std::string> motivos = {
            "Devengamiento de sueldos del mes", "Amortizaciones del mes",
            "Gastos bancarios del mes",         "Provisión de Ingresos Brutos",
            "Honorarios de directorio",         "Ajuste de caja",
            "Reclasificación de gastos"};
        auto [sucursal, unegocio] = sucursalPropia();
        Comprobante c = nuevo("AS", sucursal, "X", unegocio);
        c.tipoReg = 2;
        c.detalle = azar_.elegir(motivos);
        c.total = monto();
        const int debe = static_cast<int>(azar_.entre(1, n - 1));
        std::vector<Linea> lineas;
        for (std::int64_t parte : repartir(c.total, debe))
            agregar(lineas, azar_.elegir(debitos), 'D', parte);
        for (std::int64_t parte : repartir(c.total, n - debe))
            agregar(lineas, azar_.elegir(creditos), 'H', parte);
        c.asientos.push_back(std::move(lineas));
        return c;
    }

    // Cheque and card lines carry their own detail; card lines their coupon,
    // presented to the card company for most months already closed.
    void completarValor(Linea& linea) {
        static const std::vector<std::string> bancos = {"Banco Nación", "Banco Galicia",
                                                        "Banco Macro", "Banco Credicoop"};
        const std::string& cuenta = linea.cuenta;
        if (cuenta == Ctas::ValoresADepositar || cuenta == Ctas::ChequesDiferidos ||
            cuenta == Ctas::ChequesEmitidos) {
            const QDate vence = QDate::fromString(QString::fromStdString(dia_->fecha), Qt::ISODate)
                                    .addDays(azar_.entre(0, 60));
            linea.detalle = "Ch. " + Ceros(azar_.entre(1, 99'999'999), 8) + " " +
                            azar_.elegir(bancos) + " vto. " +
                            vence.toString(QStringLiteral("dd/MM/yyyy")).toStdString();
            return;
        }
        const int marca = cuenta == Ctas::TarjetaVisa      ? 1
                          : cuenta == Ctas::TarjetaMaster  ? 2
                          : cuenta == Ctas::TarjetaNaranja ? 3
                                                           : 0;
        if (marca == 0)
            return;
        Tarjeta t;
        static const char* const prefijos[] = {"", "4509", "5406", "5895"};
        t.socio = std::string(prefijos[marca]) + "********" + Ceros(azar_.entre(0, 9999), 4);
        t.cupon = Ceros(azar_.entre(1, 99'999), 5);
        static const std::vector<std::string> cuotas = {"1", "1", "1", "3", "6", "12"};
        t.cuotas = azar_.elegir(cuotas);
        t.autorizo = Ceros(azar_.entre(0, 999'999), 6);
        if (dia_->mes <= 10 && azar_.chance(75))
            t.presentacion = dia_->mes * 10 + marca;
        else if (azar_.chance(50))
            t.presentacion = 0;
        linea.detalle = "Cupón " + t.cupon + " en " + t.cuotas + " cuota(s)";
        linea.tarjeta = t;
    }
};

class Escritor {
public:
    explicit Escritor(BaseSqlite& base)
        : linea_(base,
                 "INSERT INTO MV_ASIENTOS (FECHA, PERIODO, MES_OPERATIVO, \"NUMERO ASIENTO\", "
                 "SECUENCIA, TIPO_REG, TC, SUCURSAL, NUMERO, LETRA, CUENTA, \"DEBE-HABER\", "
                 "IMPORTE, DETALLE, UNEGOCIO, USUARIO_LOGEADO, CABNOMBRE, LIVA_TIPO, "
                 "LIVA_ImpNetoGrav, LIVA_ImpNetoNGrav, LIVA_Exento, LIVA_ImpIVA, LIVA_TOTAL, "
                 "TJ_PRESENTACION, TJ_NroSocio, TJ_NroCupon, TJ_Cuotas, TJ_Autorizo, "
                 "TJ_Observaciones) VALUES "
                 "(?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)"),
          ventas_(base, insertarCabecera("V_MV_CPTE").c_str()),
          compras_(base, insertarCabecera("C_MV_CPTE").c_str()) {}

    // Writes the voucher's lines and header; returns the number of lines.
    int grabar(const Comprobante& c, const Dia& dia) {
        int lineas = 0;
        bool primera = true;
        for (const auto& asiento : c.asientos) {
            ++numeroAsiento_;
            int secuencia = 0;
            for (const Linea& l : asiento) {
                grabarLinea(c, dia, l, ++secuencia, primera ? &c.libro : nullptr);
                primera = false;
                ++lineas;
            }
        }
        if (c.cabecera)
            grabarCabecera(std::string(c.cabecera) == "V_MV_CPTE" ? ventas_ : compras_, c, dia);
        return lineas;
    }

private:
    Sentencia linea_, ventas_, compras_;
    std::int64_t numeroAsiento_ = 0;

    static std::string insertarCabecera(const char* tabla) {
        return std::string("INSERT INTO ") + tabla +
               " (TC, IDCOMPROBANTE, SUCURSAL, NUMERO, LETRA, FECHA, CUENTA, RAZON_SOCIAL, "
               "IDPROVINCIA, DOCUMENTONUMERO, UNEGOCIO, IMPORTE, USUARIO) "
               "VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?)";
    }

    static double Pesos(std::int64_t centavos) { return static_cast<double>(centavos) / 100.0; }

    void grabarLinea(const Comprobante& c, const Dia& dia, const Linea& l, int secuencia,
                     const std::optional<Libro>* libro) {
        linea_.texto(dia.fecha)
            .entero(kEjercicio)
            .entero(dia.mes)
            .entero(numeroAsiento_)
            .entero(secuencia)
            .entero(c.tipoReg)
            .texto(c.tc)
            .texto(c.sucursal)
            .texto(c.numero)
            .texto(c.letra)
            .texto(l.cuenta)
            .texto(std::string(1, l.debeHaber))
            .real(Pesos(l.centavos))
            .texto(l.detalle.empty() ? c.detalle : l.detalle)
            .texto(c.unegocio)
            .texto(c.usuario);
        if (libro && libro->has_value()) {
            const Libro& b = **libro;
            linea_.texto(c.tercero->razonSocial)
                .texto(b.tipo)
                .real(Pesos(b.neto))
                .real(Pesos(b.noGravado))
                .real(Pesos(b.exento))
                .real(Pesos(b.iva))
                .real(Pesos(b.total));
        } else {
            linea_.nulo().nulo().real(0).real(0).real(0).real(0).real(0);
        }
        if (l.tarjeta) {
            const Tarjeta& t = *l.tarjeta;
            if (t.presentacion)
                linea_.entero(*t.presentacion);
            else
                linea_.nulo();
            linea_.texto(t.socio).texto(t.cupon).texto(t.cuotas).texto(t.autorizo).texto("");
        } else {
            linea_.nulo().nulo().nulo().nulo().nulo().nulo();
        }
        linea_.insertar();
    }

    void grabarCabecera(Sentencia& s, const Comprobante& c, const Dia& dia) {
        s.texto(c.tc)
            .texto(c.sucursal + c.numero + c.letra)
            .texto(c.sucursal)
            .texto(c.numero)
            .texto(c.letra)
            .texto(dia.fecha)
            .texto(c.tercero->codigo)
            .texto(c.tercero->razonSocial)
            .texto(c.tercero->provincia)
            .texto(c.tercero->cuit)
            .texto(c.unegocio)
            .real(Pesos(c.total))
            .texto(c.usuario)
            .insertar();
    }
};

// The line count of the next voucher: the suggested one, fitted so that the
// lines still to write never end as a single line.
int AjustarLineas(int sugeridas, int faltan) {
    if (faltan <= kMaximoLineas && sugeridas >= faltan)
        return faltan;
    if (faltan - sugeridas == 1)
        return sugeridas < kMaximoLineas ? sugeridas + 1 : sugeridas - 1;
    return sugeridas;
}

} // namespace

void GrabarComprobantes(BaseSqlite& base, const PlanDeCuentas& plan, Azar& azar, int lineas) {
    const std::vector<Dia> dias = DiasHabiles();
    Generador generador(plan, azar);
    Escritor escritor(base);
    int hechas = 0;
    while (hechas < lineas && base.correcta()) {
        const int n = AjustarLineas(generador.lineasSugeridas(), lineas - hechas);
        const auto indice =
            static_cast<std::size_t>(std::int64_t(hechas) * std::int64_t(dias.size()) / lineas);
        const Dia& dia = dias[indice];
        hechas += escritor.grabar(generador.armar(n, dia), dia);
    }
}
