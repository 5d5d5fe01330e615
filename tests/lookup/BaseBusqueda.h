#pragma once
// A database with the suite's schema and a few rows of every table the
// lookup tests search: accounts (one with an apostrophe, one withdrawn),
// business units, countries with a code of 20 characters, sales motives with
// their template input row.
#include "BaseDePrueba.h"
#include "GeneradorDemo.h"
#include <gtest/gtest.h>

inline const char* kDatosBusqueda =
    "INSERT INTO MA_CUENTAS (Codigo, CodigoOpcional, Descripcion, Titulo, CajaYBanco, "
    "Dada_De_Baja) VALUES "
    "('1.1.01', NULL, 'CAJA Y BANCOS', 1, 0, 0),"
    "('1.1.01.001', 'CAJA', 'Caja casa central', 0, 1, 0),"
    "('1.1.01.002', NULL, 'Caja sucursal Rosario', 0, 1, 0),"
    "('1.1.01.010', 'BNA', 'Banco Nacion cta. cte.', 0, 1, 0),"
    "('2.1.01.001', NULL, 'Proveedor O''Higgins SA', 0, 0, 0),"
    "('5.2.01.099', NULL, 'Caja vieja', 0, 0, 1);"
    "INSERT INTO V_TA_UnidadNegocio (Codigo, Descripcion) VALUES "
    "('   1', 'Casa central'), ('   2', 'Sucursal Rosario'), ('  12', 'Sucursal Mendoza'), "
    "('1000', 'Codigo de ancho completo');"
    "CREATE TABLE TA_PAISES (Codigo VARCHAR(20), Descripcion VARCHAR(50));"
    "INSERT INTO TA_PAISES VALUES ('AR-CODIGO-LARGO-0020', 'Argentina'), ('   2', 'Uruguay');"
    "INSERT INTO V_TA_MotivoVta VALUES ('   1', 'Venta de mercaderias');"
    "INSERT INTO V_TA_Input_Ventas (IdMotivoVta, CondIva, V_DFI_CTAVTA, DFI_IVARI) VALUES "
    "('   1', '   1', '4.1.01.001', '2.1.03.001'), ('   9', '   2', '4.1.01.009', NULL);"
    "INSERT INTO TA_CONFIGURACION (CLAVE, GRUPO, VALOR, ValorAux) VALUES "
    "('MENSAJE_BIENVENIDA', 'DATOS', '', 'Hola'), ('DESHABILITABUSQUEDACODIGOART', 'DATOS', "
    "'si', 'aux');";

class BaseBusqueda {
public:
    explicit BaseBusqueda(const QString& extra = {}) : base_(QStringLiteral("BUSQ")) {
        QString error;
        EXPECT_TRUE(EjecutarEsquema(base_.carpeta() + QStringLiteral("/BUSQ.db"),
                                    EsquemaPrincipal() + QString::fromUtf8(kDatosBusqueda) + extra,
                                    &error))
            << error.toStdString();
    }
    const BaseDePrueba& base() const { return base_; }
    QString cadena() const { return base_.cadena(); }

private:
    BaseDePrueba base_;
};
