#pragma once
// A small journal with every kind of line the grid treats differently, in a
// database with the suite's schema: an invoice to a customer with tax-book
// data, a receipt, an entry with a cheque line and a line without debit or
// credit, and a purchase.
#include "BaseDePrueba.h"
#include "DB_Dll.h"
#include "GeneradorDemo.h"

inline const char* kDatosEditor =
    "INSERT INTO MA_CUENTAS (Codigo, CodigoOpcional, Descripcion, Titulo, TipoVista, MedioDePago) "
    "VALUES "
    "('1', NULL, 'ACTIVO', 1, NULL, NULL),"
    "('1.1.01', 'CAJA', 'Caja', 0, NULL, NULL),"
    "('1.1.02', NULL, 'Cliente SA', 0, 'CL', NULL),"
    "('1.1.03', NULL, 'Valores a depositar', 0, NULL, 'CH'),"
    "('1.1.04', NULL, 'Tarjeta Visa', 0, NULL, 'TJ'),"
    "('2.1.01', NULL, 'Proveedor SRL', 0, 'PR', NULL),"
    "('2.1.05', NULL, 'IVA debito', 0, NULL, NULL),"
    "('4.1.01', NULL, 'Ventas', 0, NULL, NULL),"
    "('5.1.01', NULL, 'Compras', 0, NULL, NULL);"
    "INSERT INTO TA_ESTADOS VALUES ('B', 'Buenos Aires'), ('C', 'Cordoba');"
    "INSERT INTO MA_CUENTASADIC (Codigo, Provincia, Numero_Documento) VALUES ('2.1.01', 'C', "
    "'30-22222222-2');"
    "INSERT INTO V_MV_CPTE (TC, IDCOMPROBANTE, SUCURSAL, NUMERO, LETRA, FECHA, CUENTA, "
    "IDPROVINCIA, DOCUMENTONUMERO)"
    " VALUES ('FC', '000100000010A', '0001', '00000010', 'A', '2024-03-05', '1.1.02', 'B', "
    "'30-11111111-1');"
    "INSERT INTO V_TA_Cajas (IdCajas, Descripcion) VALUES ('   1', 'Caja central');"
    "INSERT INTO MV_ASIENTOS (FECHA, PERIODO, MES_OPERATIVO, \"NUMERO ASIENTO\", SECUENCIA, TC, "
    "SUCURSAL, NUMERO, LETRA,"
    " CUENTA, \"DEBE-HABER\", IMPORTE, DETALLE, UNEGOCIO, USUARIO_LOGEADO, CABNOMBRE, LIVA_TIPO, "
    "LIVA_ImpNetoGrav,"
    " LIVA_ImpIVA, LIVA_TOTAL) VALUES "
    "('2024-03-05', 2024, 3, 100, 1, 'FC', '0001', '00000010', 'A', '1.1.02', 'D', 121, 'Venta "
    "contado', '   1', 'ANA',"
    " 'Cliente SA', 'V', 100, 21, 121),"
    "('2024-03-05', 2024, 3, 100, 2, 'FC', '0001', '00000010', 'A', '4.1.01', 'H', 100, 'Venta "
    "contado', '   1', 'ANA',"
    " NULL, NULL, 0, 0, 0),"
    "('2024-03-05', 2024, 3, 100, 3, 'FC', '0001', '00000010', 'A', '2.1.05', 'H', 21, 'Venta "
    "contado', '   1', 'ANA',"
    " NULL, NULL, 0, 0, 0),"
    "('2024-03-06', 2024, 3, 101, 1, 'RC', '0001', '00000005', 'X', '1.1.01', 'D', 121.5, "
    "'Cobranza', '   2', 'JPEREZ',"
    " NULL, NULL, 0, 0, 0),"
    "('2024-03-06', 2024, 3, 101, 2, 'RC', '0001', '00000005', 'X', '1.1.02', 'H', 121.5, "
    "'Cobranza', '   2', 'JPEREZ',"
    " NULL, NULL, 0, 0, 0),"
    "('2024-03-07', 2024, 3, 102, 1, 'AS', '0002', '00000001', 'A', '1.1.03', 'D', 50, 'Deposito', "
    "'   1', 'ANA',"
    " NULL, NULL, 0, 0, 0),"
    "('2024-03-07', 2024, 3, 102, 2, 'AS', '0002', '00000001', 'A', '1.1.01', 'H', 50, 'Deposito', "
    "'   1', 'ANA',"
    " NULL, NULL, 0, 0, 0),"
    "('2024-03-07', 2024, 3, 102, 3, 'AS', '0002', '00000001', 'A', '4.1.01', NULL, 0, 'Deposito', "
    "'   1', 'ANA',"
    " NULL, NULL, 0, 0, 0),"
    "('2024-04-02', 2024, 4, 103, 1, 'FCC', '0003', '00000077', 'B', '2.1.01', 'H', 300, 'Compra', "
    "'   1', 'ANA',"
    " NULL, NULL, 0, 0, 0),"
    "('2024-04-02', 2024, 4, 103, 2, 'FCC', '0003', '00000077', 'B', '5.1.01', 'D', 300, 'Compra', "
    "'   1', 'ANA',"
    " NULL, NULL, 0, 0, 0);"
    "INSERT INTO TA_CONFIGURACION (CLAVE, GRUPO, VALOR) VALUES ('CANTIDADDECIMALES', 'DATOS', "
    "'2');";

// Creates the journal and connects the main data-access object to it.
class BaseEditor {
public:
    BaseEditor() : base_(QStringLiteral("CONTA")) {
        QString error;
        EjecutarEsquema(base_.carpeta() + QStringLiteral("/CONTA.db"),
                        EsquemaPrincipal() + QString::fromUtf8(kDatosEditor), &error);
        base_.conectar(gDB());
        gDB().gEsAdmin = true;
    }
    const BaseDePrueba& base() const { return base_; }

private:
    BaseDePrueba base_;
};
