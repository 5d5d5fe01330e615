// The preview in the confirmation of a replacement and the audit rows the
// replacement writes, through the window, checked in the database.
#include "BaseEditor.h"
#include "BaseSqlite.h"
#include "FrmTarquel.h"
#include "HistorialCambios.h"
#include "ModeloAsientos.h"
#include "Sesion.h"
#include "Totales.h"
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {
// More March lines, headers and a purchase of the cash account 1.1.01 (its
// alternative code is CAJA), in business units 1 and 2, and one in April.
const char* kMasCaja =
    "INSERT INTO MV_ASIENTOS (FECHA, PERIODO, MES_OPERATIVO, \"NUMERO ASIENTO\", SECUENCIA, TC, "
    "SUCURSAL, NUMERO, LETRA, CUENTA, \"DEBE-HABER\", IMPORTE, DETALLE, UNEGOCIO) VALUES "
    "('2024-03-08', 2024, 3, 104, 1, 'RC', '0001', '00000006', 'X', '1.1.01', 'D', 80, 'Cobro', "
    "'   1'),"
    "('2024-03-08', 2024, 3, 104, 2, 'RC', '0001', '00000006', 'X', '1.1.02', 'H', 80, 'Cobro', "
    "'   1'),"
    "('2024-04-10', 2024, 4, 105, 1, 'RC', '0001', '00000007', 'X', '1.1.01', 'D', 10, 'Cobro', "
    "'   1');"
    "INSERT INTO V_MV_CPTE (TC, IDCOMPROBANTE, SUCURSAL, NUMERO, LETRA, FECHA, CUENTA, UNEGOCIO) "
    "VALUES ('RC', '000100000006X', '0001', '00000006', 'X', '2024-03-08', '1.1.01', '   1'),"
    "('RC', '000100000005X', '0001', '00000005', 'X', '2024-03-06', '1.1.01', '   2');"
    "INSERT INTO C_MV_CPTE (TC, IDCOMPROBANTE, SUCURSAL, NUMERO, LETRA, FECHA, CUENTA, UNEGOCIO) "
    "VALUES ('OP', '000100000009X', '0001', '00000009', 'X', '2024-03-09', '1.1.01', '   1')";

class VistaPreviaReemplazo : public ::testing::Test {
protected:
    void SetUp() override {
        guion = ReiniciarProceso();
        base = std::make_unique<BaseEditor>();
        base->base().ejecutar(QString::fromUtf8(kMasCaja));
        sesion().gUsuarioLogeado = QStringLiteral("ANA");
        sesion().gCantidadDecimales = QStringLiteral("2");
        ventana = std::make_unique<FrmTarquel>();
    }
    void campo(const char* nombre, const char* texto) {
        ventana->TxtFields(QString::fromLatin1(nombre))->setText(QString::fromUtf8(texto));
    }
    // March, business unit 1, the cash account typed by its alternative code.
    void reemplazarCaja(int respuesta, bool verLista) {
        campo("FechaDesde", "01/03/2024");
        campo("FechaHasta", "31/03/2024");
        campo("UNEGOCIO", "1");
        campo("CTAORIGEN", "caja");
        campo("CTADESTINO", "5.1.01");
        guion->respuestas.enqueue(respuesta);
        guion->verListas.enqueue(verLista);
        ventana->CmdReemplazar->click();
    }
    QString valor(const QString& sql) const { return base->base().valor(sql); }
    static QString importe(const char* v) { return FmtMoneda(QString::fromLatin1(v), -1, true, 0); }

    std::shared_ptr<DialogosGuion> guion;
    std::unique_ptr<BaseEditor> base;
    std::unique_ptr<FrmTarquel> ventana;
};
} // namespace

TEST_F(VistaPreviaReemplazo, LoQueAnunciaEsLoQueElReemplazoCambia) {
    const QString antes = valor(QStringLiteral("SELECT group_concat(CUENTA) FROM MV_ASIENTOS"));
    reemplazarCaja(Respuestas::No, true);
    // Nothing is written before the answer, whatever the preview read.
    EXPECT_EQ(valor(QStringLiteral("SELECT group_concat(CUENTA) FROM MV_ASIENTOS")), antes);
    ASSERT_EQ(guion->prompts.size(), 1);
    const QString anuncio =
        QStringLiteral("Este proceso reemplaza la cuenta caja por la cuenta 5.1.01\r\n-Esta seguro "
                       "de continuar?\r\n\r\nSe cambiarán:\r\n- Líneas de asientos: 2 (de 2 "
                       "comprobantes)\r\n- Comprobantes de venta: 1\r\n- Comprobantes de compra: "
                       "1\r\nImportes que pasan de la cuenta 1.1.01 a la 5.1.01:\r\n- Debe: ") +
        importe("80") + QStringLiteral("\r\n- Haber: ") + importe("50");
    EXPECT_EQ(guion->prompts[0].texto, anuncio);
    EXPECT_EQ(guion->prompts[0].estilo, 4 + 256);
    // Its list: the two lines, voucher by voucher, before the user decides.
    ASSERT_EQ(guion->listasVistas.size(), 1);
    const ResultadoConsulta& lista = guion->listasVistas[0];
    EXPECT_EQ(lista.columnas,
              (QStringList{"Comprobante", "Fecha", "Asiento", "Línea", "Debe", "Haber"}));
    ASSERT_EQ(lista.filas.size(), 2);
    EXPECT_EQ(lista.filas[0],
              (QStringList{"AS 000200000001A", "07/03/2024", "102", "2", "", importe("50")}));
    EXPECT_EQ(lista.filas[1],
              (QStringList{"RC 000100000006X", "08/03/2024", "104", "1", importe("80"), ""}));
    EXPECT_EQ(guion->listasOfrecidas[0].boton, QStringLiteral("&Ver líneas..."));

    // Yes: the same figures change, in the three tables.
    guion->prompts.clear();
    reemplazarCaja(Respuestas::Si, false);
    ASSERT_EQ(guion->prompts.size(), 2);
    EXPECT_EQ(guion->prompts[0].texto, anuncio);
    EXPECT_TRUE(guion->prompts[1].texto.endsWith(
        QStringLiteral("Líneas de asientos cambiadas: 2\r\nComprobantes de venta cambiados: "
                       "1\r\nComprobantes de compra cambiados: 1")));
    const QString lote = valor(QStringLiteral("SELECT DISTINCT Lote FROM AUX_CAMBIOSCUENTA"));
    ASSERT_FALSE(lote.isEmpty());
    auto cambiado = [&](const char* lado) {
        return valor(QStringLiteral("SELECT SUM(IMPORTE) FROM MV_ASIENTOS M WHERE CUENTA = "
                                    "'5.1.01' AND \"DEBE-HABER\" = '%1' AND EXISTS (SELECT 1 FROM "
                                    "AUX_CAMBIOSCUENTA R WHERE R.Tabla = 'A' AND R.TC = M.TC AND "
                                    "R.NUMERO = M.NUMERO AND R.SECUENCIA = M.SECUENCIA)")
                         .arg(QLatin1String(lado)));
    };
    EXPECT_EQ(cambiado("D").toDouble(), 80);
    EXPECT_EQ(cambiado("H").toDouble(), 50);
    // The receipt of unit 2 and the April line keep the cash account.
    EXPECT_EQ(base->base().filas(QStringLiteral("SELECT * FROM MV_ASIENTOS WHERE CUENTA = "
                                                "'1.1.01'")),
              2);
    EXPECT_EQ(valor(QStringLiteral("SELECT CUENTA FROM V_MV_CPTE WHERE NUMERO = '00000005'")),
              QStringLiteral("1.1.01"));

    // One audit row per line and per header changed, all of one batch.
    EXPECT_EQ(valor(QStringLiteral("SELECT COUNT(*) || '/' || COUNT(DISTINCT ProcesoLote) || '/' "
                                   "|| MIN(ProcesoLote) FROM V_MV_CPTEACCIONES")),
              QStringLiteral("4/1/") + lote);
    EXPECT_EQ(valor(QStringLiteral(
                  "SELECT group_concat(TC || '|' || IdComprobante || '|' || IdComplemento || '|' "
                  "|| Tipo_accion || '|' || Usuario || '|' || SYSTEMUSER || '|' || Cuenta, ';') "
                  "FROM (SELECT * FROM V_MV_CPTEACCIONES ORDER BY TC, IdComprobante)")),
              QStringLiteral("  AS|000200000001A|0|M|ANA|Imputación: 1.1.01 -> 5.1.01|5.1.01;"
                             "  OP|000100000009X|0|M|ANA|Imputación: 1.1.01 -> 5.1.01|5.1.01;"
                             "  RC|000100000006X|0|M|ANA|Imputación: 1.1.01 -> 5.1.01|5.1.01;"
                             "  RC|000100000006X|0|M|ANA|Imputación: 1.1.01 -> 5.1.01|5.1.01"));
}

TEST_F(VistaPreviaReemplazo, SinAlgoQueCambiarNoHayListaYSinFechasNoHayVistaPrevia) {
    campo("FechaDesde", "01/01/2023");
    campo("FechaHasta", "31/01/2023");
    campo("CTAORIGEN", "1.1.01");
    campo("CTADESTINO", "5.1.01");
    guion->respuestas.enqueue(Respuestas::No);
    ventana->CmdReemplazar->click();
    ASSERT_EQ(guion->prompts.size(), 1);
    EXPECT_TRUE(guion->prompts[0].texto.endsWith(
        QStringLiteral("\r\n\r\nNinguna línea ni comprobante tiene la cuenta 1.1.01 con estos "
                       "parámetros: el reemplazo no cambiará nada.")));
    EXPECT_TRUE(guion->listasOfrecidas.isEmpty());
    // Without the dates the question goes alone; the check after it tells.
    campo("FechaDesde", "");
    guion->respuestas.enqueue(Respuestas::Si);
    ventana->CmdReemplazar->click();
    EXPECT_EQ(guion->prompts[1].texto,
              QStringLiteral("Este proceso reemplaza la cuenta 1.1.01 por la cuenta "
                             "5.1.01\r\n-Esta seguro de continuar?"));
    EXPECT_EQ(guion->prompts[2].texto, QStringLiteral("DEBE INFORMAR LA FECHA DESDE"));
}

TEST_F(VistaPreviaReemplazo, SinSusFilasDeAuditoriaElReemplazoNoSeHace) {
    BaseSqlite otro(base->base().carpeta() + QStringLiteral("/CONTA.db"));
    ASSERT_TRUE(otro.ejecutar("CREATE TRIGGER AUDITORIA_LLENA BEFORE INSERT ON V_MV_CPTEACCIONES "
                              "BEGIN SELECT RAISE(ABORT, 'auditoria sin lugar'); END"));
    const QString antes = valor(QStringLiteral("SELECT group_concat(CUENTA) FROM MV_ASIENTOS"));
    reemplazarCaja(Respuestas::Si, false);
    EXPECT_EQ(valor(QStringLiteral("SELECT group_concat(CUENTA) FROM MV_ASIENTOS")), antes);
    EXPECT_EQ(valor(QStringLiteral("SELECT COUNT(*) FROM V_MV_CPTE WHERE CUENTA = '1.1.01'")),
              QStringLiteral("2"));
    EXPECT_EQ(valor(QStringLiteral("SELECT COUNT(*) FROM AUX_CAMBIOSCUENTA")), QStringLiteral("0"));
    ASSERT_EQ(guion->prompts.size(), 2);
    EXPECT_TRUE(guion->prompts[1].texto.startsWith(
        QStringLiteral("El reemplazo no se hizo y ninguna tabla cambió. No se pudo registrar en "
                       "la auditoría el cambio de MV_ASIENTOS: ")))
        << guion->prompts[1].texto.toStdString();
    EXPECT_TRUE(guion->prompts[1].texto.contains(QStringLiteral("auditoria sin lugar")));
    // Nothing to undo either.
    EXPECT_TRUE(ventana->Historial().QueDeshacer().isEmpty());
}
