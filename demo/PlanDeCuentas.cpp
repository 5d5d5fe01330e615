#include "PlanDeCuentas.h"

#include "BaseSqlite.h"
#include "Textos.h"
#include <algorithm>
#include <set>

namespace {

// Accounts of the chart other than customers and suppliers. A code with fewer
// than four levels is a heading.
struct Fija {
    const char* codigo;
    const char* opcional;
    const char* descripcion;
    const char* medioDePago;
    bool cajaYBanco;
    bool confidencial;
    bool baja;
};

const Fija kFijas[] = {
    {"1", "", "ACTIVO", "", false, false, false},
    {"1.1", "", "ACTIVO CORRIENTE", "", false, false, false},
    {"1.1.01", "", "CAJA Y BANCOS", "", false, false, false},
    {"1.1.01.001", "CAJA", "Caja casa central", "", true, false, false},
    {"1.1.01.002", "", "Caja sucursal Rosario", "", true, false, false},
    {"1.1.01.003", "", "Caja sucursal Córdoba", "", true, false, false},
    {"1.1.01.009", "", "Caja de seguridad gerencia", "", true, true, false},
    {"1.1.01.010", "BNA", "Banco de la Nación Argentina cta. cte.", "", true, false, false},
    {"1.1.01.011", "GALICIA", "Banco Galicia cta. cte.", "", true, false, false},
    {"1.1.01.012", "", "Banco Santander cta. cte. (cerrada)", "", true, false, true},
    {"1.1.01.020", "VALORES", "Valores a depositar", "CH", false, false, false},
    {"1.1.01.021", "", "Cheques de terceros diferidos", "CH", false, false, false},
    {"1.1.01.030", "VISA", "Tarjeta Visa a cobrar", "TJ", false, false, false},
    {"1.1.01.031", "MASTER", "Tarjeta Mastercard a cobrar", "TJ", false, false, false},
    {"1.1.01.032", "", "Tarjeta Naranja a cobrar", "TJ", false, false, false},
    {"1.1.02", "", "CREDITOS POR VENTAS", "", false, false, false},
    {"1.1.03", "", "OTROS CREDITOS", "", false, false, false},
    {"1.1.03.001", "IVACF", "IVA crédito fiscal", "", false, false, false},
    {"1.1.03.002", "", "Retenciones de IVA sufridas", "RI", false, false, false},
    {"1.1.03.003", "", "Retenciones de Ganancias sufridas", "RG", false, false, false},
    {"1.1.03.004", "", "Retenciones de Ingresos Brutos sufridas", "RB", false, false, false},
    {"1.1.03.005", "", "Anticipos al personal", "", false, false, false},
    {"1.1.04", "", "BIENES DE CAMBIO", "", false, false, false},
    {"1.1.04.001", "MERC", "Mercaderías de reventa", "", false, false, false},
    {"1.2", "", "ACTIVO NO CORRIENTE", "", false, false, false},
    {"1.2.01", "", "BIENES DE USO", "", false, false, false},
    {"1.2.01.001", "", "Rodados", "", false, false, false},
    {"1.2.01.002", "", "Muebles y útiles", "", false, false, false},
    {"1.2.01.003", "", "Equipos de computación", "", false, false, false},
    {"1.2.01.009", "", "Amortización acumulada bienes de uso", "", false, false, false},
    {"2", "", "PASIVO", "", false, false, false},
    {"2.1", "", "PASIVO CORRIENTE", "", false, false, false},
    {"2.1.01", "", "DEUDAS COMERCIALES", "", false, false, false},
    {"2.1.02", "", "DEUDAS BANCARIAS Y FINANCIERAS", "", false, false, false},
    {"2.1.02.001", "CHDIF", "Cheques diferidos emitidos a pagar", "CH", false, false, false},
    {"2.1.02.002", "", "Préstamo Banco Nación", "", false, false, false},
    {"2.1.03", "", "DEUDAS FISCALES", "", false, false, false},
    {"2.1.03.001", "IVADF", "IVA débito fiscal", "", false, false, false},
    {"2.1.03.002", "", "Ingresos Brutos a pagar", "", false, false, false},
    {"2.1.03.003", "", "Retenciones de Ganancias a depositar", "", false, false, false},
    {"2.1.03.004", "", "Retenciones de Ingresos Brutos a depositar", "", false, false, false},
    {"2.1.04", "", "DEUDAS SOCIALES", "", false, false, false},
    {"2.1.04.001", "", "Sueldos a pagar", "", false, false, false},
    {"2.1.04.002", "", "Cargas sociales a pagar", "", false, false, false},
    {"2.1.04.003", "", "Honorarios de directorio a pagar", "", false, true, false},
    {"3", "", "PATRIMONIO NETO", "", false, false, false},
    {"3.1", "", "CAPITAL Y RESULTADOS", "", false, false, false},
    {"3.1.01", "", "CAPITAL", "", false, false, false},
    {"3.1.01.001", "", "Capital social", "", false, false, false},
    {"3.1.02", "", "RESULTADOS ACUMULADOS", "", false, false, false},
    {"3.1.02.001", "", "Resultados no asignados", "", false, false, false},
    {"4", "", "INGRESOS", "", false, false, false},
    {"4.1", "", "VENTAS", "", false, false, false},
    {"4.1.01", "", "VENTAS", "", false, false, false},
    {"4.1.01.001", "VTAS", "Ventas de mercaderías", "", false, false, false},
    {"4.1.01.002", "", "Ventas de servicios", "", false, false, false},
    {"4.1.01.003", "", "Ventas exentas", "", false, false, false},
    {"4.1.01.009", "", "Devoluciones y bonificaciones sobre ventas", "", false, false, false},
    {"4.2", "", "OTROS INGRESOS", "", false, false, false},
    {"4.2.01", "", "OTROS INGRESOS", "", false, false, false},
    {"4.2.01.001", "", "Intereses ganados", "", false, false, false},
    {"4.2.01.002", "", "Gastos recuperados", "", false, false, false},
    {"4.2.01.003", "", "Descuentos obtenidos", "", false, false, false},
    {"5", "", "EGRESOS", "", false, false, false},
    {"5.1", "", "COSTOS", "", false, false, false},
    {"5.1.01", "", "COSTO DE VENTAS", "", false, false, false},
    {"5.1.01.001", "CMV", "Costo de mercaderías vendidas", "", false, false, false},
    {"5.1.01.002", "COMPRAS", "Compras de mercaderías", "", false, false, false},
    {"5.1.01.003", "", "Fletes sobre compras", "", false, false, false},
    {"5.2", "", "GASTOS DE ADMINISTRACION", "", false, false, false},
    {"5.2.01", "", "GASTOS DE ADMINISTRACION", "", false, false, false},
    {"5.2.01.001", "SUELDOS", "Sueldos y jornales", "", false, false, false},
    {"5.2.01.002", "", "Cargas sociales", "", false, false, false},
    {"5.2.01.003", "", "Alquileres", "", false, false, false},
    {"5.2.01.004", "", "Energía eléctrica", "", false, false, false},
    {"5.2.01.005", "", "Teléfono e internet", "", false, false, false},
    {"5.2.01.006", "", "Papelería y útiles de oficina", "", false, false, false},
    {"5.2.01.007", "", "Honorarios profesionales", "", false, false, false},
    {"5.2.01.008", "", "Honorarios de directorio", "", false, true, false},
    {"5.2.01.009", "", "Amortizaciones de bienes de uso", "", false, false, false},
    {"5.2.01.099", "", "Gastos varios (no usar)", "", false, false, true},
    {"5.3", "", "GASTOS DE COMERCIALIZACION", "", false, false, false},
    {"5.3.01", "", "GASTOS DE COMERCIALIZACION", "", false, false, false},
    {"5.3.01.001", "", "Fletes y acarreos", "", false, false, false},
    {"5.3.01.002", "", "Publicidad y propaganda", "", false, false, false},
    {"5.3.01.003", "", "Comisiones de tarjetas de crédito", "", false, false, false},
    {"5.3.01.004", "", "Impuesto sobre los Ingresos Brutos", "", false, false, false},
    {"5.4", "", "GASTOS FINANCIEROS", "", false, false, false},
    {"5.4.01", "", "GASTOS FINANCIEROS", "", false, false, false},
    {"5.4.01.001", "", "Gastos bancarios", "", false, false, false},
    {"5.4.01.002", "", "Intereses pagados", "", false, false, false},
    {"5.4.01.003", "", "Impuesto a los débitos y créditos bancarios", "", false, false, false},
};

constexpr int kClientes = 60;
constexpr int kProveedores = 40;
constexpr int kClientesDeBaja = 2; // the last ones
constexpr int kProveedoresDeBaja = 1;

int Niveles(const std::string& codigo) {
    return 1 + static_cast<int>(std::count(codigo.begin(), codigo.end(), '.'));
}

// A CUIT with its check digit: prefix, eight digits, verifier.
std::string Cuit(Azar& azar, int prefijo) {
    std::string digitos = std::to_string(prefijo) + std::to_string(azar.entre(10000000, 99999999));
    static const int pesos[10] = {5, 4, 3, 2, 7, 6, 5, 4, 3, 2};
    int suma = 0;
    for (int i = 0; i < 10; ++i)
        suma += (digitos[static_cast<std::size_t>(i)] - '0') * pesos[i];
    int verificador = 11 - suma % 11;
    if (verificador == 11)
        verificador = 0;
    if (verificador == 10)
        verificador = 9;
    return digitos.substr(0, 2) + "-" + digitos.substr(2, 8) + "-" + std::to_string(verificador);
}

// Companies have CUIT prefix 30; family businesses carry an owner's 20 or 27.
int PrefijoCuit(Azar& azar, const std::string& razonSocial) {
    if (razonSocial.find("S.A.") != std::string::npos ||
        razonSocial.find("S.R.L.") != std::string::npos)
        return 30;
    return azar.chance(50) ? 20 : 27;
}

Tercero ArmarTercero(Azar& azar, const std::string& codigo, const std::string& razonSocial) {
    Tercero t;
    t.codigo = codigo;
    t.razonSocial = razonSocial;
    t.cuit = Cuit(azar, PrefijoCuit(azar, razonSocial));
    const Localidad& lugar = ElegirLocalidad(azar);
    t.provincia = lugar.provincia;
    t.localidad = lugar.nombre;
    t.domicilio = azar.elegir(Calles()) + " " + std::to_string(azar.entre(10, 4999));
    t.telefono = std::string(lugar.caracteristica) + " " + std::to_string(azar.entre(400, 499)) +
                 "-" + std::to_string(azar.entre(1000, 9999));
    return t;
}

// Distinct names made of a kind of business, a surname and a company form.
std::vector<std::string> Nombres(Azar& azar, int cantidad, const std::vector<std::string>& rubros,
                                 const std::vector<std::string>& formas) {
    std::vector<std::string> nombres;
    std::set<std::string> usados;
    while (static_cast<int>(nombres.size()) < cantidad) {
        std::string nombre = azar.elegir(rubros) + " " + azar.elegir(Apellidos());
        const std::string& forma = azar.elegir(formas);
        if (!forma.empty())
            nombre += " " + forma;
        if (usados.insert(nombre).second)
            nombres.push_back(nombre);
    }
    return nombres;
}

std::string Correo(const std::string& razonSocial, const char* dominio) {
    std::string usuario;
    for (char c : razonSocial) {
        if (c >= 'A' && c <= 'Z')
            usuario += static_cast<char>(c - 'A' + 'a');
        else if (c >= 'a' && c <= 'z')
            usuario += c;
        if (usuario.size() >= 12)
            break;
    }
    return "administracion@" + usuario + dominio;
}

std::string Tres(int n) {
    std::string s = std::to_string(n);
    return std::string(3 - s.size(), '0') + s;
}

} // namespace

PlanDeCuentas ArmarPlanDeCuentas(Azar& azar) {
    PlanDeCuentas plan;
    for (const Fija& f : kFijas) {
        Cuenta c;
        c.codigo = f.codigo;
        c.opcional = f.opcional;
        c.descripcion = f.descripcion;
        c.titulo = Niveles(c.codigo) < 4;
        c.medioDePago = f.medioDePago;
        c.cajaYBanco = f.cajaYBanco;
        c.confidencial = f.confidencial;
        c.baja = f.baja;
        plan.cuentas.push_back(c);
    }

    const auto clientes =
        Nombres(azar, kClientes, RubrosClientes(), {"S.A.", "S.R.L.", "e Hijos", "Hnos.", ""});
    for (int i = 0; i < kClientes; ++i) {
        Tercero t = ArmarTercero(azar, "1.1.02." + Tres(i + 1), clientes[i]);
        t.email = Correo(t.razonSocial, ".com.ar");
        t.letra = azar.chance(60) ? "A" : "B";
        t.baja = i >= kClientes - kClientesDeBaja;
        plan.clientes.push_back(t);
        plan.cuentas.push_back({t.codigo, "C0" + Tres(i + 1),
                                "Deudores por ventas - " + t.razonSocial, false, "CL", "", false,
                                false, t.baja});
    }

    const auto proveedores =
        Nombres(azar, kProveedores, RubrosProveedores(), {"S.A.", "S.R.L.", "S.A.I.C."});
    for (int i = 0; i < kProveedores; ++i) {
        Tercero t = ArmarTercero(azar, "2.1.01." + Tres(i + 1), proveedores[i]);
        t.email = Correo(t.razonSocial, ".com");
        t.letra = azar.chance(85) ? "A" : "C";
        t.puntoDeVenta =
            "00" + std::string(azar.chance(50) ? "0" : "1") + std::to_string(azar.entre(1, 9));
        t.baja = i >= kProveedores - kProveedoresDeBaja;
        plan.proveedores.push_back(t);
        plan.cuentas.push_back({t.codigo, "P0" + Tres(i + 1), "Proveedores - " + t.razonSocial,
                                false, "PR", "", false, false, t.baja});
    }

    std::sort(plan.cuentas.begin(), plan.cuentas.end(),
              [](const Cuenta& a, const Cuenta& b) { return a.codigo < b.codigo; });
    return plan;
}

void GrabarPlanDeCuentas(BaseSqlite& base, const PlanDeCuentas& plan) {
    Sentencia cuenta(base,
                     "INSERT INTO MA_CUENTAS (Codigo, CodigoOpcional, Descripcion, Nivel, "
                     "Titulo, TipoVista, MedioDePago, CajaYBanco, Confidencial, Dada_De_Baja) "
                     "VALUES (?,?,?,?,?,?,?,?,?,?)");
    for (const Cuenta& c : plan.cuentas)
        cuenta.texto(c.codigo)
            .textoONulo(c.opcional)
            .texto(c.descripcion)
            .entero(Niveles(c.codigo))
            .entero(c.titulo)
            .textoONulo(c.tipoVista)
            .textoONulo(c.medioDePago)
            .entero(c.cajaYBanco)
            .entero(c.confidencial)
            .entero(c.baja)
            .insertar();

    Sentencia adicional(base, "INSERT INTO MA_CUENTASADIC (Codigo, Razon_Social, Domicilio, "
                              "Localidad, Provincia, Numero_Documento, Telefono, Email) "
                              "VALUES (?,?,?,?,?,?,?,?)");
    for (const auto* lista : {&plan.clientes, &plan.proveedores})
        for (const Tercero& t : *lista)
            adicional.texto(t.codigo)
                .texto(t.razonSocial)
                .texto(t.domicilio)
                .texto(t.localidad)
                .texto(t.provincia)
                .texto(t.cuit)
                .texto(t.telefono)
                .texto(t.email)
                .insertar();
}
