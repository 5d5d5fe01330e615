// The principal-account cells read in sets against the statements of each
// voucher: the same cells, with far fewer statements.
#include "BaseEditor.h"
#include "CargaAsientos.h"
#include "Contadores.h"
#include "ModeloAsientos.h"
#include "Sesion.h"
#include <gtest/gtest.h>

namespace {
// Next to the editor's journal: a purchase with its header, a second entry
// of the invoice whose first line names another account, an entry without
// a first line, two first lines in one entry, a sales header keyed in small
// letters, a header keyed with a trailing blank, a header table that holds
// one voucher twice, and an account whose additional data has no province.
const char* kMasComprobantes =
    "INSERT INTO MA_CUENTAS (Codigo, Descripcion, Titulo) VALUES "
    "('2.1.02', 'Proveedor Dos', 0), ('1.1.09', 'Cliente Nueve', 0);"
    "INSERT INTO TA_ESTADOS VALUES ('M', 'Mendoza');"
    "INSERT INTO MA_CUENTASADIC (Codigo, Provincia, Numero_Documento) VALUES "
    "('1.1.09', NULL, '20-9');"
    "INSERT INTO C_MV_CPTE (TC, IDCOMPROBANTE, SUCURSAL, NUMERO, LETRA, FECHA, CUENTA, "
    "IDPROVINCIA, DOCUMENTONUMERO) VALUES "
    "('NCC', '000400000008C', '0004', '00000008', 'C', '2024-05-01', '2.1.02', 'M', '30-3'),"
    "('NCC', '000400000008C', '0004', '00000008', 'C', '2024-05-01', '2.1.01', 'B', '30-4');"
    "INSERT INTO V_MV_CPTE (TC, IDCOMPROBANTE, SUCURSAL, NUMERO, LETRA, FECHA, CUENTA, "
    "IDPROVINCIA, DOCUMENTONUMERO) VALUES "
    "('nd', '000500000001b', '0005', '00000001', 'b', '2024-06-01', '1.1.09', 'C', '20-5'),"
    "('NC', '000500000002B ', '0005', '00000002', 'B', '2024-06-01', '1.1.09', 'B', '20-6');"
    "INSERT INTO MV_ASIENTOS (FECHA, PERIODO, MES_OPERATIVO, \"NUMERO ASIENTO\", SECUENCIA, TC, "
    "SUCURSAL, NUMERO, LETRA, CUENTA, \"DEBE-HABER\", IMPORTE) VALUES "
    "('2024-05-01', 2024, 5, 200, 1, 'NCC', '0004', '00000008', 'C', '2.1.02', 'D', 10),"
    "('2024-05-01', 2024, 5, 200, 2, 'NCC', '0004', '00000008', 'C', '5.1.01', 'H', 10),"
    "('2024-03-09', 2024, 3, 201, 1, 'FC', '0001', '00000010', 'A', '1.1.09', 'D', 5),"
    "('2024-03-09', 2024, 3, 201, 2, 'FC', '0001', '00000010', 'A', '4.1.01', 'H', 5),"
    "('2024-05-02', 2024, 5, 202, 2, 'AS', '0002', '00000009', 'A', '1.1.01', 'D', 7),"
    "('2024-05-02', 2024, 5, 202, 3, 'AS', '0002', '00000009', 'A', '4.1.01', 'H', 7),"
    "('2024-05-03', 2024, 5, 203, 1, 'ND', '0005', '00000001', 'B', '1.1.09', 'D', 8),"
    "('2024-05-03', 2025, 5, 203, 1, 'ND', '0005', '00000001', 'B', '1.1.02', 'D', 8),"
    "('2024-05-03', 2024, 5, 203, 2, 'ND', '0005', '00000001', 'B', '4.1.01', 'H', 16),"
    "('2024-05-04', 2024, 5, 204, 1, 'NC', '0005', '00000002', 'B', '1.1.09', 'H', 3),"
    "('2024-05-04', 2024, 5, 204, 2, 'NC', '0005', '00000002', 'B', '4.1.01', 'D', 3);";

class CuentaPrincipalEnConjuntos : public ::testing::Test {
protected:
    void SetUp() override {
        guion = ReiniciarProceso();
        base = std::make_unique<BaseEditor>();
        base->base().ejecutar(QString::fromUtf8(kMasComprobantes));
        sesion().gCantidadDecimales = QStringLiteral("2");
    }
    // Every cell of every row after a load with the principal-account data,
    // and the statements the load sent.
    std::pair<QStringList, long> cargar(const ParametrosConsulta& p,
                                        CuentaPrincipal::Lectura lectura) {
        ModeloAsientos grilla;
        AvanceMudo avance;
        CargaAsientos carga(grilla, avance);
        contadores() = Contadores();
        const ResultadoCarga r = carga.CargarAsientos(
            p, [] { return true; }, lectura);
        EXPECT_TRUE(r.completa);
        QStringList celdas;
        for (int f = 1; f < grilla.FilasGrid(); ++f) {
            QStringList fila;
            for (int c = 0; c < grilla.Columnas(); ++c)
                fila << grilla.Texto(f, c);
            celdas << fila.join(u'|');
        }
        return {celdas, contadores().sentencias};
    }
    std::shared_ptr<DialogosGuion> guion;
    std::unique_ptr<BaseEditor> base;
};
} // namespace

TEST_F(CuentaPrincipalEnConjuntos, LasMismasCeldasQuePorComprobante) {
    ParametrosConsulta todo;
    ParametrosConsulta sinPrimeras; // first lines of customers and suppliers left out
    sinPrimeras.cuentaDesde = QStringLiteral("4");
    sinPrimeras.cuentaHasta = QStringLiteral("9");
    ParametrosConsulta compras;
    compras.tc = QStringLiteral("NCC");
    for (const ParametrosConsulta& p : {todo, sinPrimeras, compras}) {
        SCOPED_TRACE(p.cuentaDesde.toStdString() + " " + p.tc.toStdString());
        const auto [porComprobante, sentenciasPorComprobante] =
            cargar(p, CuentaPrincipal::Lectura::PorComprobante);
        const auto [enConjuntos, sentenciasEnConjuntos] =
            cargar(p, CuentaPrincipal::Lectura::EnConjuntos);
        EXPECT_EQ(enConjuntos, porComprobante);
        EXPECT_LE(sentenciasEnConjuntos, sentenciasPorComprobante);
    }
    // A header table without a key that holds the invoice twice, once in
    // small letters: the statement's first row decides, not the hash.
    base->base().ejecutar(QStringLiteral(
        "CREATE TABLE V_COPIA AS SELECT * FROM V_MV_CPTE; DROP TABLE V_MV_CPTE;"
        "CREATE TABLE V_MV_CPTE AS SELECT * FROM V_COPIA;"
        "INSERT INTO V_MV_CPTE (TC, IDCOMPROBANTE, SUCURSAL, NUMERO, LETRA, FECHA, CUENTA, "
        "IDPROVINCIA, DOCUMENTONUMERO) VALUES ('fc', '000100000010a', '0001', '00000010', 'a', "
        "'2024-03-05', '1.1.02', 'M', '30-7')"));
    {
        const auto [porComprobante, sentencias] =
            cargar(todo, CuentaPrincipal::Lectura::PorComprobante);
        EXPECT_EQ(cargar(todo, CuentaPrincipal::Lectura::EnConjuntos).first, porComprobante);
    }
    // The cases the comparison goes through, as the statements answer them.
    const QStringList celdas = cargar(todo, CuentaPrincipal::Lectura::EnConjuntos).first;
    auto principalDe = [&](const QString& comienzo) {
        for (const QString& f : celdas)
            if (f.startsWith(comienzo))
                return f.section(u'|', 12, 13);
        return QStringLiteral("(no está)");
    };
    // A purchase header found by type, supplier and number.
    EXPECT_EQ(principalDe(QStringLiteral("2|5.1.01|Compras|0|10|")),
              QStringLiteral("Proveedor Dos(2.1.02) Cuit:30-3|Mendoza"));
    // A sales header keyed in small letters.
    EXPECT_EQ(principalDe(QStringLiteral("3|4.1.01|Ventas|0|16|")).section(u'|', 1),
              QStringLiteral("Cordoba"));
    // No header row (a trailing blank on the server's key): the account's
    // additional data, without province.
    EXPECT_EQ(principalDe(QStringLiteral("2|4.1.01|Ventas|3|0|")),
              QStringLiteral("Cliente Nueve(1.1.09) Cuit:20-9|"));
    // An entry without its first line keeps the previous line's account.
    EXPECT_EQ(principalDe(QStringLiteral("1|1.1.01|Caja|7|0|")),
              QStringLiteral("Valores a depositar(1.1.03) Cuit:|"));
}

TEST_F(CuentaPrincipalEnConjuntos, UnaSentenciaPorTablaNoPorComprobante) {
    // Many sales vouchers with their headers: the sets answer every one.
    QString sql = QStringLiteral(
        "INSERT INTO MV_ASIENTOS (FECHA, PERIODO, MES_OPERATIVO, \"NUMERO ASIENTO\", SECUENCIA, "
        "TC, SUCURSAL, NUMERO, LETRA, CUENTA, \"DEBE-HABER\", IMPORTE) VALUES ");
    QString cabeceras = QStringLiteral(
        "INSERT INTO V_MV_CPTE (TC, IDCOMPROBANTE, SUCURSAL, NUMERO, LETRA, FECHA, CUENTA, "
        "IDPROVINCIA, DOCUMENTONUMERO) VALUES ");
    for (int i = 0; i < 200; ++i) {
        const QString numero = QStringLiteral("%1").arg(1000 + i, 8, 10, QChar(u'0'));
        sql += QStringLiteral("%1('2024-07-01', 2024, 7, %2, 1, 'FC', '0009', '%3', 'A', '1.1.02', "
                              "'D', 1),('2024-07-01', 2024, 7, %2, 2, 'FC', '0009', '%3', 'A', "
                              "'4.1.01', 'H', 1)")
                   .arg(i ? QStringLiteral(",") : QString())
                   .arg(500 + i)
                   .arg(numero);
        cabeceras += QStringLiteral("%1('FC', '0009%2A', '0009', '%2', 'A', '2024-07-01', "
                                    "'1.1.02', 'B', '30-%3')")
                         .arg(i ? QStringLiteral(",") : QString())
                         .arg(numero)
                         .arg(i);
    }
    base->base().ejecutar(sql + u';' + cabeceras);
    ParametrosConsulta p;
    p.sucursal = QStringLiteral("0009");
    const auto [porComprobante, sentenciasPorComprobante] =
        cargar(p, CuentaPrincipal::Lectura::PorComprobante);
    const auto [enConjuntos, sentenciasEnConjuntos] =
        cargar(p, CuentaPrincipal::Lectura::EnConjuntos);
    EXPECT_EQ(enConjuntos, porComprobante);
    EXPECT_GE(sentenciasPorComprobante, 200);
    EXPECT_LE(sentenciasEnConjuntos, 20);
}
