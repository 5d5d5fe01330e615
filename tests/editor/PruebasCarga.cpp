// The grid load on a small journal, checked row by row.
#include "AvanceGuion.h"
#include "BaseEditor.h"
#include "CargaAsientos.h"
#include "Contadores.h"
#include "ContratoErrores.h"
#include "ModeloAsientos.h"
#include "Sesion.h"
#include <gtest/gtest.h>

namespace {
class Carga : public ::testing::Test {
protected:
    void SetUp() override {
        guion = ReiniciarProceso();
        base = std::make_unique<BaseEditor>();
        sesion().gCantidadDecimales = QStringLiteral("2");
        CargaAsientos::intervaloMs = 0; // the sign on every row
    }
    ResultadoCarga cargar(const ParametrosConsulta& p = {}, bool cabecera = false) {
        CargaAsientos c(grilla, avance);
        return c.CargarAsientos(p, [cabecera] { return cabecera; });
    }
    QStringList fila(int f, int hasta = 5) const {
        QStringList r;
        for (int c = 0; c < hasta; ++c)
            r << grilla.Texto(f, c);
        return r;
    }
    std::shared_ptr<DialogosGuion> guion;
    std::unique_ptr<BaseEditor> base;
    ModeloAsientos grilla;
    AvanceGuion avance;
};
} // namespace

TEST_F(Carga, CabecerasLineasImportesYMarcas) {
    const ResultadoCarga r = cargar();
    ASSERT_TRUE(r.completa);
    EXPECT_EQ(r.lineas, 10);
    ASSERT_EQ(grilla.FilasGrid(), 1 + 4 + 10);
    // Vouchers in type, branch, number, letter order: AS, FC, FCC, RC.
    EXPECT_EQ(fila(1), QStringList({"", "AS 000200000001A", "Deposito Uneg:    1", "", ""}));
    EXPECT_EQ(fila(2), QStringList({"1", "1.1.03", "Valores a depositar", "50", "0"}));
    EXPECT_EQ(fila(3), QStringList({"2", "1.1.01", "Caja", "0", "50"}));
    EXPECT_EQ(fila(4), QStringList({"3", "4.1.01", "Ventas", "0", "0"}));
    EXPECT_EQ(fila(5), QStringList({"", "FC 000100000010A", "Venta contado Uneg:    1", "", ""}));
    EXPECT_EQ(fila(6), QStringList({"1", "1.1.02", "Cliente SA", "121", "0"}));
    EXPECT_EQ(fila(12), QStringList({"", "RC 000100000005X", "Cobranza Uneg:    2", "", ""}));
    EXPECT_EQ(fila(14), QStringList({"2", "1.1.02", "Cliente SA", "0", "121.5"}));
    EXPECT_EQ(grilla.Texto(14, Columnas::Clave),
              QStringLiteral(
                  " CUENTA='1.1.02' AND PERIODO='2024' AND MES_OPERATIVO='3' AND SECUENCIA='2' AND "
                  "TIPO_REG='1' AND [NUMERO ASIENTO]='101' and TC= 'RC' and sucursal= '0001' and "
                  "numero = "
                  "'00000005' and letra= 'X'"));
    // Headers are blue from cell 1 on; grey marks on ordinary lines only.
    EXPECT_EQ(grilla.Fondo(1, 0), 0u);
    EXPECT_EQ(grilla.Fondo(1, 13), Colores::Azul);
    EXPECT_FALSE(grilla.EsEditable(2, Columnas::Cuenta)); // cheque
    EXPECT_TRUE(grilla.EsEditable(3, Columnas::Cuenta));
    EXPECT_TRUE(grilla.EsEditable(3, Columnas::Haber));
    EXPECT_FALSE(grilla.EsEditable(3, Columnas::Debe));
    EXPECT_TRUE(grilla.EsEditable(4, Columnas::Cuenta)); // no debit or credit: only the account
    EXPECT_FALSE(grilla.EsEditable(4, Columnas::Debe) || grilla.EsEditable(4, Columnas::Haber));
    EXPECT_FALSE(grilla.EsEditable(6, Columnas::Cuenta));  // customer
    EXPECT_FALSE(grilla.EsEditable(10, Columnas::Cuenta)); // supplier
    // Tax-book cells of the invoice's first line, with the VAT cell cyan.
    EXPECT_EQ(grilla.Texto(6, 6), QStringLiteral("V"));
    EXPECT_EQ(grilla.Texto(6, 7), QStringLiteral("100"));
    EXPECT_EQ(grilla.Texto(6, 9), QStringLiteral("21"));
    EXPECT_EQ(grilla.Texto(6, 11), QStringLiteral("121"));
    EXPECT_EQ(grilla.Fondo(6, 9), Colores::Celeste);
    EXPECT_EQ(grilla.Texto(7, 9), QString());
    // Totals from the database: balanced.
    ASSERT_TRUE(r.conTotales);
    EXPECT_EQ(r.totales.texto, QStringLiteral("Debe : 592.5\r\nHaber : 592.5\r\nDif : 0.00"));
    EXPECT_FALSE(r.totales.hayDiferencia);
    EXPECT_EQ(guion->mensajes(), QStringList());
}

TEST_F(Carga, SinLineasQuedanLosTitulosYUnaFilaVacia) {
    ParametrosConsulta p;
    p.tc = QStringLiteral("ZZ");
    const ResultadoCarga r = cargar(p);
    EXPECT_TRUE(r.completa);
    EXPECT_EQ(grilla.FilasGrid(), 2);
    EXPECT_EQ(grilla.Texto(0, 0), QStringLiteral("Línea"));
    EXPECT_EQ(grilla.Texto(1, 1), QString());
    EXPECT_EQ(r.totales.texto, QStringLiteral("Debe : 0\r\nHaber : 0\r\nDif : 0.00"));
}

TEST_F(Carga, ContieneCuentaDejaSoloLosComprobantesQueLaTienen) {
    ParametrosConsulta p;
    p.contieneCuenta = QStringLiteral("1.1.01"); // the deposit and the receipt
    const ResultadoCarga r = cargar(p);
    ASSERT_TRUE(r.completa);
    ASSERT_EQ(grilla.FilasGrid(), 1 + 2 + 5);
    EXPECT_EQ(grilla.Texto(1, 1), QStringLiteral("AS 000200000001A"));
    EXPECT_EQ(grilla.Texto(5, 1), QStringLiteral("RC 000100000005X"));
    EXPECT_EQ(grilla.Texto(6, 0), QStringLiteral("1")); // numbering unaffected
    // The totals are those of the vouchers shown, not of the whole filter (592.5).
    EXPECT_EQ(r.totales.texto, QStringLiteral("Debe : 171.5\r\nHaber : 171.5\r\nDif : 0.00"));
    // With an account range, the voucher test still looks at all its lines.
    ParametrosConsulta q;
    q.contieneCuenta = QStringLiteral("4.1.01");
    q.cuentaDesde = QStringLiteral("1.1.02");
    q.cuentaHasta = QStringLiteral("1.1.02");
    cargar(q);
    ASSERT_EQ(grilla.FilasGrid(), 1 + 1 + 1);
    EXPECT_EQ(grilla.Texto(1, 1), QStringLiteral("FC 000100000010A"));
}

TEST_F(Carga, CuentaPrincipalYProvincia) {
    ParametrosConsulta p;
    p.tc = QStringLiteral("FC");
    p.cuentaDesde = QStringLiteral("2");
    p.cuentaHasta = QStringLiteral("9"); // the invoice's first line is left out
    const ResultadoCarga r = cargar(p, true);
    ASSERT_TRUE(r.completa);
    EXPECT_EQ(grilla.Columnas(), 16);
    EXPECT_EQ(grilla.Titulo(12), QStringLiteral("Cuenta principal"));
    EXPECT_EQ(grilla.Titulo(14), QString());
    // The principal account comes from the first line; the province from the voucher header.
    ASSERT_EQ(grilla.FilasGrid(), 4);
    EXPECT_EQ(grilla.Texto(2, 1), QStringLiteral("4.1.01"));
    EXPECT_EQ(grilla.Texto(2, 12), QStringLiteral("Cliente SA(1.1.02) Cuit:30-11111111-1"));
    EXPECT_EQ(grilla.Texto(2, 13), QStringLiteral("Buenos Aires"));
    EXPECT_EQ(grilla.Texto(3, 12), QStringLiteral("Cliente SA(1.1.02) Cuit:30-11111111-1"));
    // A purchase without its header: the supplier's additional data.
    p.tc = QStringLiteral("FCC");
    p.cuentaDesde = QStringLiteral("5");
    cargar(p, true);
    ASSERT_EQ(grilla.FilasGrid(), 3);
    EXPECT_EQ(grilla.Texto(2, 1), QStringLiteral("5.1.01"));
    EXPECT_EQ(grilla.Texto(2, 12), QStringLiteral("Proveedor SRL(2.1.01) Cuit:30-22222222-2"));
    EXPECT_EQ(grilla.Texto(2, 13), QStringLiteral("Cordoba"));
    // Without the check box the two columns stay empty.
    cargar(p, false);
    EXPECT_EQ(grilla.Columnas(), 14);
    EXPECT_EQ(grilla.Texto(2, 12), QString());
}

TEST_F(Carga, CancelarPregunta) {
    avance.cancelarEn = 3;
    guion->respuestas.enqueue(Respuestas::No);
    ResultadoCarga r = cargar();
    EXPECT_TRUE(r.completa); // No goes on from the current row
    EXPECT_EQ(grilla.FilasGrid(), 15);
    EXPECT_EQ(guion->mensajes(), QStringList{QStringLiteral("Desea cancelar el proceso?")});
    EXPECT_EQ(avance.titulos, QStringList({QStringLiteral("Cargando Asientos"), QString()}));

    avance.mostrados = 0;
    guion->respuestas.enqueue(Respuestas::Si);
    r = cargar();
    EXPECT_FALSE(r.completa);
    EXPECT_EQ(grilla.FilasGrid(), 1 + 1 + 2); // the rows read so far stay
    // The totals are those of the two lines loaded.
    ASSERT_TRUE(r.conTotales);
    EXPECT_EQ(r.totales.texto, QStringLiteral("Debe : 50\r\nHaber : 50\r\nDif : 0.00"));
}

TEST_F(Carga, UnaConsultaDeMasPorCargaNoPorComprobante) {
    contadores() = Contadores();
    cargar();
    const long simple = contadores().sentencias;
    contadores() = Contadores();
    ParametrosConsulta p;
    p.contieneCuenta = QStringLiteral("1.1.01");
    cargar(p);
    // One query more, and not the two sums: its totals come from the grid.
    EXPECT_EQ(contadores().sentencias, simple + 1 - 2);
}

TEST_F(Carga, LaCabeceraSeEncuentraSinDistinguirMayusculas) {
    // A header table whose columns carry no case-insensitive collation (a
    // database not built from the demo schema): the voucher is still found,
    // as the server's collation finds it.
    base->base().ejecutar(QStringLiteral(
        "DROP TABLE V_MV_CPTE;"
        "CREATE TABLE V_MV_CPTE (TC TEXT, IDCOMPROBANTE TEXT, SUCURSAL TEXT, NUMERO TEXT, "
        "LETRA TEXT, FECHA TEXT, CUENTA TEXT, IDPROVINCIA TEXT, DOCUMENTONUMERO TEXT);"
        "INSERT INTO V_MV_CPTE VALUES ('fc', '000100000010a', '0001', '00000010', 'a', "
        "'2024-03-05', '1.1.02', 'B', '30-11111111-1')"));
    ParametrosConsulta p;
    p.tc = QStringLiteral("FC");
    const ResultadoCarga r = cargar(p, true);
    ASSERT_TRUE(r.completa);
    ASSERT_GE(grilla.FilasGrid(), 3);
    EXPECT_EQ(grilla.Texto(2, 12), QStringLiteral("Cliente SA(1.1.02) Cuit:30-11111111-1"));
    EXPECT_EQ(grilla.Texto(2, 13), QStringLiteral("Buenos Aires"));
}

TEST_F(Carga, ContieneCuentaMiraTodosLosAsientosDelComprobante) {
    // A second entry of the receipt holds the account; its first entry does not.
    base->base().ejecutar(QStringLiteral(
        "INSERT INTO MV_ASIENTOS (FECHA, PERIODO, MES_OPERATIVO, \"NUMERO ASIENTO\", SECUENCIA, "
        "TC, SUCURSAL, NUMERO, LETRA, CUENTA, \"DEBE-HABER\", IMPORTE) VALUES "
        "('2024-03-08', 2024, 3, 105, 1, 'RC', '0001', '00000005', 'X', '1.1.04', 'D', 10),"
        "('2024-03-08', 2024, 3, 105, 2, 'RC', '0001', '00000005', 'X', '4.1.01', 'H', 10)"));
    ParametrosConsulta p;
    p.contieneCuenta = QStringLiteral("1.1.04");
    const ResultadoCarga r = cargar(p);
    ASSERT_TRUE(r.completa);
    ASSERT_EQ(grilla.FilasGrid(), 1 + 1 + 4);
    EXPECT_EQ(grilla.Texto(1, 1), QStringLiteral("RC 000100000005X"));
    EXPECT_EQ(fila(2), QStringList({"1", "1.1.01", "Caja", "121.5", "0"}));
    EXPECT_EQ(fila(5), QStringList({"4", "4.1.01", "Ventas", "0", "10"}));
}
