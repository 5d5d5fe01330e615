#pragma once
// The demo chart of accounts: headings, postable accounts, cash, banks,
// cheque and card accounts, tax accounts, and one account per customer and
// supplier with its additional data.
#include "Azar.h"
#include <string>
#include <vector>

class BaseSqlite;

struct Cuenta {
    std::string codigo;
    std::string opcional;
    std::string descripcion;
    bool titulo = false;
    std::string tipoVista;
    std::string medioDePago;
    bool cajaYBanco = false;
    bool confidencial = false;
    bool baja = false;
};

// A customer or supplier: its account and the data of MA_CUENTASADIC.
struct Tercero {
    std::string codigo;
    std::string razonSocial;
    std::string cuit;
    std::string provincia; // TA_ESTADOS code, right-aligned in 4
    std::string localidad;
    std::string domicilio;
    std::string telefono;
    std::string email;
    std::string letra;        // letter of the vouchers made to or by it
    std::string puntoDeVenta; // supplier's branch on its own vouchers
    bool baja = false;
};

struct PlanDeCuentas {
    std::vector<Cuenta> cuentas;
    std::vector<Tercero> clientes;
    std::vector<Tercero> proveedores;
};

PlanDeCuentas ArmarPlanDeCuentas(Azar& azar);
void GrabarPlanDeCuentas(BaseSqlite& base, const PlanDeCuentas& plan);

// Codes of the accounts the vouchers post to.
namespace Ctas {
inline const std::string CajaCentral = "1.1.01.001";
inline const std::string CajaRosario = "1.1.01.002";
inline const std::string CajaCordoba = "1.1.01.003";
inline const std::string CajaSeguridad = "1.1.01.009"; // confidential
inline const std::string BancoNacion = "1.1.01.010";
inline const std::string BancoGalicia = "1.1.01.011";
inline const std::string BancoSantander = "1.1.01.012"; // closed
inline const std::string ValoresADepositar = "1.1.01.020";
inline const std::string ChequesDiferidos = "1.1.01.021";
inline const std::string TarjetaVisa = "1.1.01.030";
inline const std::string TarjetaMaster = "1.1.01.031";
inline const std::string TarjetaNaranja = "1.1.01.032";
inline const std::string IvaCredito = "1.1.03.001";
inline const std::string RetIvaSufridas = "1.1.03.002";
inline const std::string RetGananciasSufridas = "1.1.03.003";
inline const std::string RetIIBBSufridas = "1.1.03.004";
inline const std::string Mercaderias = "1.1.04.001";
inline const std::string ChequesEmitidos = "2.1.02.001";
inline const std::string IvaDebito = "2.1.03.001";
inline const std::string VentasMercaderias = "4.1.01.001";
inline const std::string VentasServicios = "4.1.01.002";
inline const std::string VentasExentas = "4.1.01.003";
inline const std::string Devoluciones = "4.1.01.009";
inline const std::string CostoMercaderias = "5.1.01.001";
inline const std::string ComprasMercaderias = "5.1.01.002";
} // namespace Ctas
