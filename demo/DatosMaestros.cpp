#include "DatosMaestros.h"

#include "BaseSqlite.h"
#include "Textos.h"
#include "UtilGeneral.h"

namespace {

struct Usuario {
    const char* nombre;
    const char* sistema;
    const char* clave;
    bool administrador;
    const char* nombreCompleto;
};

// ANA is the demo user; JPEREZ is the one for trying the access window;
// MGOMEZ has no task for this program; LSUELDOS belongs to another system and
// is refused.
const Usuario kUsuarios[] = {
    {"ANA", "cn000pr", "demo", true, "Ana Beltrán"},
    {"JPEREZ", "cn000pr", "jperez", false, "Juan Pérez"},
    {"MGOMEZ", "BREV", "maria", false, "María Gómez"},
    {"LSUELDOS", "PERSONAL", "sueldos", false, "Laura Sueldos"},
};

struct Tarea {
    const char* clave;
    const char* nombre;
    const char* proceso;
};

const Tarea kMenu[] = {
    {"CN0000", "Menu Principal", "CN000PR"},
    {"CN0510", "Modificación de Imputación de Asientos", "tarquel"},
    {"CN0520", "Visor de Asientos", "Ferrolan"},
    {"CN0530", "Plan de Cuentas", "CN000CTA"},
    {"CN0540", "Libro IVA Ventas", "CN000IVA"},
};

// MGOMEZ has no entry for this program.
const char* const kTareas[][2] = {
    {"ANA", "CN0000"},    {"ANA", "CN0510"},    {"ANA", "CN0520"},
    {"ANA", "CN0530"},    {"ANA", "CN0540"},    {"JPEREZ", "CN0510"},
    {"JPEREZ", "CN0520"}, {"MGOMEZ", "CN0520"}, {"MGOMEZ", "CN0540"},
};

// Keys are stored upper-cased, as the settings writer stores them.
const char* const kConfiguracion[][3] = {
    {"CFONDO", "DATOS", "16774118"},
    {"CLETRA", "DATOS", "0"},
    {"CANTIDADDECIMALES", "DATOS", "2"},
    {"SS_CONFIDENCIALIDAD", "DATOS", "NO"},
    {"UTILIZARFECHADIA", "DATOS", "NO"},
    {"FECHAOPERDESDE", "DATOS", "01/01/2024"},
    {"FECHAOPERHASTA", "DATOS", "31/12/2024"},
    {"USACONSULTALIKE", "DATOS", "NO"},
    {"TOPCONSART", "DATOS", "1000"},
    {"THEME", "DATOS", "1"},
    {"DESHABILITABUSQUEDACODIGO", "DATOS", "NO"},
    {"DESHABILITABUSQUEDACODIGOART", "DATOS", "NO"},
    {"RAZONSOCIAL", "EMPRESA", "Distribuidora del Plata S.A."},
    {"CUIT", "EMPRESA", "30-71045566-2"},
};

// Sales and purchase motives with the account each one posts its sales or
// purchases to; the other accounts of the input rows are the same for all.
struct Motivo {
    const char* codigo;
    const char* descripcion;
    const char* cuenta;
};
const Motivo kMotivosVenta[] = {
    {"   1", "Venta de mercaderías", "4.1.01.001"},
    {"   2", "Venta de servicios", "4.1.01.002"},
    {"   3", "Venta exenta", "4.1.01.003"},
};
const Motivo kMotivosCompra[] = {
    {"   1", "Compra de mercaderías", "5.1.01.002"},
    {"   2", "Fletes y acarreos", "5.1.01.003"},
    {"   3", "Gastos generales", "5.2.01.002"},
};

// The accounts of an input row after the motive and the fiscal condition, in
// the order of the input tables' columns.
std::vector<std::string> CuentasComunes() {
    return {"4.1.01.001", "4.1.01.002", "4.1.01.003", // spare parts, services, others
            "4.1.01.001", "2.1.03.002", "2.1.03.004", "2.1.03.001", "2.1.03.003", "4.2.01.003",
            "5.1.01.002", "5.1.01.003", "1.1.03.004", "1.1.03.002", "1.1.03.003", "4.2.01.003",
            "4.2.01.003", "2.1.03.003", "2.1.03.004", "2.1.03.001", "1.1.03.005", "4.2.01.003",
            "1.1.03.003", "1.1.03.004", "1.1.03.002", "1.1.03.005"};
}

void GrabarMotivos(BaseSqlite& base) {
    constexpr int kColumnaVenta = 3;  // V_DFI_CTAVTA
    constexpr int kColumnaCompra = 9; // C_CFI_CTACPRA
    Sentencia venta(base, "INSERT INTO V_TA_MotivoVta (IdMotivoVta, Descripcion) VALUES (?,?)");
    Sentencia compra(base, "INSERT INTO V_TA_MotivoCpra (IdMotivoCpra, Descripcion) VALUES (?,?)");
    Sentencia filaVenta(base, "INSERT INTO V_TA_Input_Ventas VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?,?,"
                              "?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)");
    Sentencia filaCompra(base, "INSERT INTO V_TA_Input_Compras VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?,?,"
                               "?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)");
    auto grabar = [](Sentencia& fila, const char* motivo, const std::vector<std::string>& cuentas) {
        for (int condicion = 1; condicion <= 8; ++condicion) {
            fila.texto(motivo).texto("   " + std::to_string(condicion));
            for (const std::string& c : cuentas)
                fila.textoONulo(c);
            fila.insertar();
        }
    };
    for (const Motivo& m : kMotivosVenta) {
        venta.texto(m.codigo).texto(m.descripcion).insertar();
        std::vector<std::string> cuentas = CuentasComunes();
        cuentas[kColumnaVenta] = m.cuenta;
        // VAT (registered and not registered), cost of goods sold, internal taxes.
        cuentas.insert(cuentas.end(), {"2.1.03.001", "2.1.03.001", "5.1.01.001", "2.1.03.002"});
        grabar(filaVenta, m.codigo, cuentas);
    }
    for (const Motivo& m : kMotivosCompra) {
        compra.texto(m.codigo).texto(m.descripcion).insertar();
        std::vector<std::string> cuentas = CuentasComunes();
        cuentas[kColumnaCompra] = m.cuenta;
        // VAT credit (registered, not registered, internal taxes, two more rates).
        cuentas.insert(cuentas.end(),
                       {"1.1.03.001", "1.1.03.001", "5.1.01.003", "1.1.03.001", "1.1.03.001"});
        grabar(filaCompra, m.codigo, cuentas);
    }
}

} // namespace

void GrabarTablasDeCodigos(BaseSqlite& base) {
    Sentencia provincia(base, "INSERT INTO TA_ESTADOS (Codigo, Descripcion) VALUES (?,?)");
    for (const Provincia& p : Provincias())
        provincia.texto(p.codigo).texto(p.nombre).insertar();

    base.ejecutar("INSERT INTO V_TA_UnidadNegocio (Codigo, Descripcion) VALUES "
                  "('   1', 'Casa central'), ('   2', 'Sucursal Rosario'), "
                  "('   3', 'Sucursal Córdoba'), ('   4', 'Venta por internet');"
                  "INSERT INTO V_TA_Cajas (IdCajas, Descripcion, Confidencial) VALUES "
                  "('   1', 'Caja central', 0), ('   2', 'Caja Rosario', 0), "
                  "('   3', 'Caja Córdoba', 0), ('   9', 'Tesorería gerencia', 1);"
                  "INSERT INTO TA_COMPROBANTES (Codigo, Descripcion, Libro, Signo) VALUES "
                  "('FC', 'Factura de venta', 'V', 1), "
                  "('NC', 'Nota de crédito de venta', 'V', -1), "
                  "('ND', 'Nota de débito de venta', 'V', 1), "
                  "('RC', 'Recibo de cobranza', NULL, 1), "
                  "('FCC', 'Factura de compra', 'C', 1), "
                  "('NCC', 'Nota de crédito de compra', 'C', -1), "
                  "('NDC', 'Nota de débito de compra', 'C', 1), "
                  "('OP', 'Orden de pago', NULL, 1), "
                  "('AS', 'Asiento manual', NULL, 1);");
    GrabarMotivos(base);
}

void GrabarUsuariosYTareas(BaseSqlite& base) {
    Sentencia usuario(base, "INSERT INTO TA_USUARIOS (Nombre, SISTEMA, PassWord, Administrador, "
                            "NombreCompleto) VALUES (?,?,?,?,?)");
    for (const Usuario& u : kUsuarios)
        usuario.texto(u.nombre)
            .texto(u.sistema)
            .texto(UtilGeneral::Encriptar(QString::fromUtf8(u.clave)).toStdString())
            .entero(u.administrador)
            .texto(u.nombreCompleto)
            .insertar();

    Sentencia menu(base, "INSERT INTO TA_MENU (Clave, Nombre, Proceso, Orden) VALUES (?,?,?,?)");
    int orden = 0;
    for (const Tarea& t : kMenu)
        menu.texto(t.clave).texto(t.nombre).texto(t.proceso).entero(orden += 10).insertar();

    Sentencia tarea(base, "INSERT INTO TA_TAREAS (USUARIO, TAREA) VALUES (?,?)");
    for (const auto& t : kTareas)
        tarea.texto(t[0]).texto(t[1]).insertar();
}

void GrabarConfiguracion(BaseSqlite& base) {
    Sentencia fila(base, "INSERT INTO TA_CONFIGURACION (CLAVE, GRUPO, VALOR) VALUES (?,?,?)");
    for (const auto& c : kConfiguracion)
        fila.texto(c[0]).texto(c[1]).texto(c[2]).insertar();
}

void GrabarConfiguracionEstadisticas(BaseSqlite& base) {
    base.ejecutar("INSERT INTO TA_CONFIGURACION (CLAVE, GRUPO, VALOR) "
                  "VALUES ('TIMEOUT', 'BaseDeDatos', '45')");
}

const std::vector<std::string>& UsuariosQueImputan() {
    static const std::vector<std::string> lista = {"ANA", "JPEREZ", "MGOMEZ"};
    return lista;
}
