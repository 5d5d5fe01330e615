// Corrections typed in the grid, driven through the real window, checked in
// the database itself.
#include "BaseSqlite.h"
#include "ContratoErrores.h"
#include "FrmTarquel.h"
#include "HistorialCambios.h"
#include "ModeloAsientos.h"
#include "Sesion.h"
#include "VentanaEditor.h"
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <gtest/gtest.h>

namespace {
void tecla(QWidget* w, int k, const QString& texto = {}) {
    QKeyEvent e(QEvent::KeyPress, k, Qt::NoModifier, texto);
    QApplication::sendEvent(w, &e);
}

class Edicion : public VentanaEditor {
protected:
    void SetUp() override {
        VentanaEditor::SetUp();
        ventana->TxtFields(QStringLiteral("TC"))->setText(QStringLiteral("AS"));
        ventana->CmdEjecutar->click();
        // Rows: 1 header, 2 cheque line, 3 "1.1.01" credit 50, 4 "4.1.01" without debit or credit.
        ASSERT_EQ(ventana->Grilla().FilasGrid(), 5);
    }
    // Types text on the current cell and confirms it with Enter.
    void teclear(int fila, int columna, const QString& texto) {
        ventana->IrACelda(fila, columna);
        QWidget* grilla = ventana->MSFlexGrid1;
        tecla(grilla, Qt::Key_A, texto.left(1));
        ventana->TxtEdit->setText(texto);
        tecla(ventana->TxtEdit, Qt::Key_Return);
    }
    QString cuentaEnLaBase(int secuencia) const {
        return base->base().valor(
            QStringLiteral("SELECT CUENTA FROM MV_ASIENTOS WHERE TC='AS' AND SECUENCIA=%1")
                .arg(secuencia));
    }
    // Loads the vouchers of one type.
    void cargar(const char* tc) {
        ventana->TxtFields(QStringLiteral("TC"))->setText(QString::fromLatin1(tc));
        ventana->CmdEjecutar->click();
    }
    int lineasDeCuenta(const char* cuenta) const {
        return base->base().filas(
            QStringLiteral("SELECT * FROM MV_ASIENTOS WHERE CUENTA='%1'")
                .arg(QString::fromLatin1(cuenta).replace(u'\'', QStringLiteral("''"))));
    }
};
} // namespace

TEST_F(Edicion, UnaLetraAbreElEditorSoloSobreCeldasGrises) {
    ventana->IrACelda(3, Columnas::Cuenta);
    tecla(ventana->MSFlexGrid1, Qt::Key_X, QStringLiteral("x"));
    EXPECT_TRUE(ventana->TxtEdit->isVisible());
    EXPECT_EQ(ventana->TxtEdit->text(), QStringLiteral("x"));
    tecla(ventana->TxtEdit, Qt::Key_Escape); // abandons the cell
    ventana->CmdEjecutar->click();
    for (const auto& [fila, columna] : {std::pair{1, 1}, {2, 1}, {3, 2}, {3, 3}}) {
        ventana->IrACelda(fila, columna);
        tecla(ventana->MSFlexGrid1, Qt::Key_X, QStringLiteral("x"));
        EXPECT_FALSE(ventana->TxtEdit->isVisible()) << fila << "," << columna;
    }
    // Enter opens it with the cell's own text.
    ventana->IrACelda(3, Columnas::Cuenta);
    tecla(ventana->MSFlexGrid1, Qt::Key_Return);
    EXPECT_EQ(ventana->TxtEdit->text(), QStringLiteral("1.1.01"));
}

TEST_F(Edicion, EnterGrabaSoloEsaLineaYBajaALaSiguiente) {
    const int antes = lineasDeCuenta("5.1.01");
    teclear(3, Columnas::Cuenta, QStringLiteral("5.1.01"));
    EXPECT_EQ(cuentaEnLaBase(2), QStringLiteral("5.1.01"));
    EXPECT_EQ(lineasDeCuenta("5.1.01"), antes + 1);
    EXPECT_EQ(ventana->Grilla().Texto(3, 2), QStringLiteral("Compras"));
    EXPECT_EQ(ventana->FilaActual(), 4);
    EXPECT_EQ(ventana->ColumnaActual(), Columnas::Cuenta);
    EXPECT_TRUE(ventana->LblSuma->text().startsWith(QStringLiteral("Debe : 50")));
    // The line key follows the new account: a second correction reaches the line.
    EXPECT_TRUE(
        ventana->Grilla().Texto(3, Columnas::Clave).startsWith(QStringLiteral(" CUENTA='5.1.01'")));
    teclear(3, Columnas::Cuenta,
            QStringLiteral("caja")); // the alternative code is written as the main code
    EXPECT_EQ(cuentaEnLaBase(2), QStringLiteral("1.1.01"));
    EXPECT_EQ(ventana->Grilla().Texto(3, 1), QStringLiteral("1.1.01"));
    EXPECT_TRUE(guion->mensajes().isEmpty());
}

TEST_F(Edicion, CuentasRechazadasNoTocanLaBase) {
    const struct {
        const char* texto;
        const char* mensaje;
    } casos[] = {
        {" ", "Debe ingresar una cuenta"},
        {"9.9.99", "La cuenta ingresada es inexistente"},
        {"1", "La cuenta ingresada no imputable"},
        {"1.1.02", "La cuenta ingresada no es válida en este contexto"},
        {"2.1.01", "La cuenta ingresada no es válida en este contexto"},
        {"1.1.03", "La cuenta ingresada no es válida en este contexto"},
    };
    for (const auto& c : casos) {
        teclear(3, Columnas::Cuenta, QString::fromUtf8(c.texto));
        EXPECT_EQ(guion->mensajes().last(), QString::fromUtf8(c.mensaje)) << c.texto;
        EXPECT_EQ(cuentaEnLaBase(2), QStringLiteral("1.1.01")) << c.texto;
        EXPECT_EQ(ventana->Grilla().Texto(3, 2), QStringLiteral("Caja")) << c.texto;
        EXPECT_TRUE(ventana->TxtEdit->isVisible()) << c.texto;
        EXPECT_EQ(ventana->TxtEdit->text(), QStringLiteral("1.1.01"))
            << c.texto; // the value before the edit
        EXPECT_TRUE(ventana->ErrorValidacion);
    }
}

TEST_F(Edicion, UnImporteCambiaLosTotalesYNoSeGraba) {
    teclear(3, Columnas::Haber, QStringLiteral("40"));
    EXPECT_EQ(ventana->Grilla().Texto(3, Columnas::Haber), QStringLiteral("40"));
    EXPECT_EQ(base->base().valor(
                  QStringLiteral("SELECT IMPORTE FROM MV_ASIENTOS WHERE TC='AS' AND SECUENCIA=2")),
              QStringLiteral("50"));
    EXPECT_EQ(ventana->LblSuma->text(),
              QStringLiteral("Debe : 50\nHaber : 40\nDif : 10.00\nCon importes no grabados"));
}

TEST_F(Edicion, TarjetaYaPresentadaSeRechaza) {
    base->base().ejecutar(
        QStringLiteral("UPDATE MV_ASIENTOS SET TJ_PRESENTACION = 3 WHERE TC='AS' AND SECUENCIA=2"));
    teclear(3, Columnas::Cuenta, QStringLiteral("1.1.04"));
    EXPECT_EQ(guion->mensajes().last(),
              QStringLiteral("Esta tarjeta fue presentada con el numero 3\r\n debe quitarla de la "
                             "presentacion antes "
                             "de modificar"));
    EXPECT_EQ(cuentaEnLaBase(2), QStringLiteral("1.1.01"));
    // Not presented: written, with the card fields set.
    base->base().ejecutar(
        QStringLiteral("UPDATE MV_ASIENTOS SET TJ_PRESENTACION = 0 WHERE TC='AS' AND SECUENCIA=2"));
    ventana->CmdEjecutar->click();
    teclear(3, Columnas::Cuenta, QStringLiteral("1.1.04"));
    EXPECT_EQ(cuentaEnLaBase(2), QStringLiteral("1.1.04"));
    EXPECT_EQ(base->base().valor(QStringLiteral(
                  "SELECT TJ_NroCupon FROM MV_ASIENTOS WHERE TC='AS' AND SECUENCIA=2")),
              QStringLiteral("1"));
}

TEST_F(Edicion, LineaCambiadaPorOtroUsuarioNoSeDaPorGrabada) {
    base->base().ejecutar(
        QStringLiteral("UPDATE MV_ASIENTOS SET CUENTA = '2.1.05' WHERE TC='AS' AND SECUENCIA=2"));
    teclear(3, Columnas::Cuenta, QStringLiteral("5.1.01"));
    EXPECT_EQ(cuentaEnLaBase(2), QStringLiteral("2.1.05")); // the other user's change stays
    EXPECT_TRUE(
        guion->mensajes().last().startsWith(QStringLiteral("La línea cambió desde que se cargó")));
    EXPECT_EQ(ventana->Grilla().Texto(3, 1), QStringLiteral("2.1.05"));
    EXPECT_EQ(ventana->Grilla().Texto(3, 2), QStringLiteral("IVA debito"));
}

TEST_F(Edicion, ApostrofosEnLaCuentaNoCambianLaSentencia) {
    teclear(3, Columnas::Cuenta, QStringLiteral("x' OR '1'='1"));
    EXPECT_EQ(guion->mensajes().last(), QStringLiteral("La cuenta ingresada es inexistente"));
    EXPECT_EQ(base->base().filas(QStringLiteral("SELECT * FROM MV_ASIENTOS WHERE CUENTA='1.1.01'")),
              2);
}

TEST_F(Edicion, LaBusquedaSobreElEditorConfirmaLaCuentaElegida) {
    ventana->IrACelda(3, Columnas::Cuenta);
    tecla(ventana->MSFlexGrid1, Qt::Key_Return);
    ASSERT_TRUE(ventana->TxtEdit->isVisible());
    guion->busquedas.enqueue(QStringLiteral("4.1.01"));
    ventana->UtilVex1_click(QStringLiteral("Consultar"));
    EXPECT_EQ(cuentaEnLaBase(2), QStringLiteral("4.1.01"));
    EXPECT_TRUE(ventana->PicRegla->isVisible());
}

namespace {
// Vouchers other programs of the suite may store: a branch and a number that
// would end the literals of a pasted-together key, and an account code with
// an apostrophe.
const char* kDatosHostiles =
    "INSERT INTO MA_CUENTAS (Codigo, Descripcion, Titulo) VALUES ('6.1''01', 'Gastos O''Higgins', "
    "0), ('1.1.05', 'Banco Nacion', 0);"
    "INSERT INTO MV_ASIENTOS (FECHA, PERIODO, MES_OPERATIVO, \"NUMERO ASIENTO\", SECUENCIA, TC, "
    "SUCURSAL, NUMERO, LETRA, CUENTA, \"DEBE-HABER\", IMPORTE) VALUES "
    "('2024-05-02', 2024, 5, 200, 1, 'AJ', ''' OR', '<>''''--', 'A', '1.1.01', 'D', 10),"
    "('2024-05-02', 2024, 5, 200, 2, 'AJ', ''' OR', '<>''''--', 'A', '4.1.01', 'H', 10),"
    "('2024-05-03', 2024, 5, 201, 1, 'GA', '0001', '00000001', 'A', '6.1''01', 'D', 5),"
    "('2024-05-03', 2024, 5, 201, 2, 'GA', '0001', '00000001', 'A', '1.1.01', 'H', 5)";
} // namespace

TEST_F(Edicion, UnComprobanteHostilSoloCambiaSuLinea) {
    base->base().ejecutar(QString::fromLatin1(kDatosHostiles));
    cargar("AJ");
    ASSERT_EQ(ventana->Grilla().FilasGrid(), 4);
    EXPECT_EQ(ventana->Grilla().Texto(1, 1), QStringLiteral("AJ ' OR<>''--A"));
    EXPECT_TRUE(ventana->Grilla()
                    .Texto(2, Columnas::Clave)
                    .endsWith(QStringLiteral("sucursal= ''' OR' and numero = '<>''''--' and "
                                             "letra= 'A'")));
    const int caja = lineasDeCuenta("1.1.01");
    const int compras = lineasDeCuenta("5.1.01");
    teclear(2, Columnas::Cuenta, QStringLiteral("5.1.01"));
    EXPECT_EQ(lineasDeCuenta("5.1.01"), compras + 1);
    EXPECT_EQ(lineasDeCuenta("1.1.01"), caja - 1);
    EXPECT_EQ(base->base().valor(
                  QStringLiteral("SELECT CUENTA FROM MV_ASIENTOS WHERE TC='AJ' AND SECUENCIA=1")),
              QStringLiteral("5.1.01"));
    EXPECT_TRUE(guion->mensajes().isEmpty());
}

TEST_F(Edicion, UnaCuentaConApostrofoSeCorrigeUnaYOtraVez) {
    base->base().ejecutar(QString::fromLatin1(kDatosHostiles));
    cargar("GA");
    ASSERT_EQ(ventana->Grilla().Texto(2, Columnas::Cuenta), QStringLiteral("6.1'01"));
    const int total = base->base().filas(QStringLiteral("SELECT * FROM MV_ASIENTOS"));
    for (const char* nueva : {"5.1.01", "6.1'01", "4.1.01"}) {
        const int lineas = lineasDeCuenta(nueva);
        teclear(2, Columnas::Cuenta, QString::fromLatin1(nueva));
        EXPECT_EQ(base->base().valor(QStringLiteral(
                      "SELECT CUENTA FROM MV_ASIENTOS WHERE TC='GA' AND SECUENCIA=1")),
                  QString::fromLatin1(nueva));
        EXPECT_EQ(lineasDeCuenta(nueva), lineas + 1) << nueva;
        EXPECT_EQ(ventana->Grilla().Texto(2, Columnas::Cuenta), QString::fromLatin1(nueva));
    }
    EXPECT_EQ(base->base().filas(QStringLiteral("SELECT * FROM MV_ASIENTOS")), total);
    EXPECT_TRUE(guion->mensajes().isEmpty());
}

TEST_F(Edicion, UnaSentenciaQueAlcanzaMasDeUnaLineaSeDeshace) {
    // Two identical rows: the line key names both.
    base->base().ejecutar(
        QStringLiteral("INSERT INTO MV_ASIENTOS SELECT * FROM MV_ASIENTOS WHERE TC='AS' AND "
                       "SECUENCIA=2"));
    cargar("AS");
    teclear(3, Columnas::Cuenta, QStringLiteral("5.1.01"));
    EXPECT_EQ(base->base().filas(QStringLiteral(
                  "SELECT * FROM MV_ASIENTOS WHERE TC='AS' AND SECUENCIA=2 AND CUENTA='1.1.01'")),
              2);
    ASSERT_EQ(guion->mensajes().size(), 1);
    EXPECT_TRUE(guion->mensajes()[0].startsWith(
        QStringLiteral("La corrección de la cuenta no se grabó: alcanzaba 2 líneas")));
    EXPECT_EQ(ventana->Grilla().Texto(3, Columnas::Cuenta), QStringLiteral("1.1.01"));
    EXPECT_EQ(ventana->Grilla().Texto(3, Columnas::Descripcion), QStringLiteral("Caja"));
}

TEST_F(Edicion, UnaEscrituraQueFallaNoSeDaPorHechaYSeDiceUnaVezPorQue) {
    // The table of the change records exists: the failures reach the correction.
    ASSERT_TRUE(ventana->Historial().Preparar());
    const QString archivo = base->base().carpeta() + QStringLiteral("/CONTA.db");
    std::unique_ptr<BaseSqlite> otroPrograma;
    auto inyectar = [](long nativo, const char* texto, bool cierra) {
        FalloInyectado f;
        f.operacion = FalloInyectado::Operacion::Ejecutar;
        f.nativo = nativo;
        f.descripcion = QString::fromLatin1(texto);
        f.cierraConexion = cierra;
        gDB().conexion().InyectarFallo(f);
    };
    const struct {
        const char* nombre;
        std::function<void()> preparar;
        const char* motivo;
        const char* detalle;
        std::function<void()> deshacer;
    } casos[] = {
        {"solo lectura", [] { gDB().conexion().Execute(QStringLiteral("PRAGMA query_only=1")); },
         "la base de datos está abierta solo para lectura", "readonly database",
         [] { gDB().conexion().Execute(QStringLiteral("PRAGMA query_only=0")); }},
        {"bloqueada por otro programa",
         [&] {
             gDB().conexion().Execute(QStringLiteral("PRAGMA busy_timeout=50"));
             otroPrograma = std::make_unique<BaseSqlite>(archivo);
             otroPrograma->ejecutar("BEGIN IMMEDIATE");
         },
         "la base de datos está ocupada o bloqueada por otro programa", "database is locked",
         [&] {
             otroPrograma->ejecutar("ROLLBACK");
             otroPrograma.reset();
         }},
        {"disco lleno",
         [&] { inyectar(CodigosNativos::DiscoLleno, "database or disk is full", false); },
         "no queda espacio en el disco de la base de datos", "database or disk is full", [] {}},
        {"conexión perdida",
         [&] {
             inyectar(CodigosNativos::ErrorDeRed,
                      "[Microsoft][ODBC SQL Server Driver]Communication link failure", true);
         },
         "se perdió la conexión con la base de datos", "Communication link failure", [] {}},
    };
    for (const auto& c : casos) {
        guion->prompts.clear();
        c.preparar();
        teclear(3, Columnas::Cuenta, QStringLiteral("5.1.01"));
        c.deshacer();
        EXPECT_EQ(cuentaEnLaBase(2), QStringLiteral("1.1.01")) << c.nombre;
        EXPECT_EQ(ventana->Grilla().Texto(3, Columnas::Cuenta), QStringLiteral("1.1.01"))
            << c.nombre;
        EXPECT_EQ(ventana->Grilla().Texto(3, Columnas::Descripcion), QStringLiteral("Caja"))
            << c.nombre;
        ASSERT_EQ(guion->prompts.size(), 1) << c.nombre;
        const QString m = guion->prompts[0].texto;
        EXPECT_TRUE(m.startsWith(QStringLiteral("La corrección de la cuenta no se grabó: ") +
                                 QString::fromUtf8(c.motivo)))
            << c.nombre << ": " << m.toStdString();
        EXPECT_TRUE(m.contains(QStringLiteral("\r\n\r\nDetalle: ")) &&
                    m.contains(QString::fromLatin1(c.detalle)))
            << c.nombre << ": " << m.toStdString();
    }
    // Nothing was left half done: the same correction now goes through, the
    // lost connection opened again on the way.
    guion->prompts.clear();
    teclear(3, Columnas::Cuenta, QStringLiteral("5.1.01"));
    EXPECT_EQ(cuentaEnLaBase(2), QStringLiteral("5.1.01"));
    EXPECT_TRUE(guion->prompts.isEmpty());
    EXPECT_EQ(gDB().conexion().State(), 1);
}

TEST_F(Edicion, UnCuponPresentadoNoSeMueveANingunaCuenta) {
    base->base().ejecutar(QString::fromLatin1(kDatosHostiles));
    base->base().ejecutar(QStringLiteral(
        "UPDATE MV_ASIENTOS SET CUENTA='1.1.04', TJ_PRESENTACION=7, TJ_NroSocio='4321', "
        "TJ_NroCupon='555', TJ_Cuotas='3', TJ_Autorizo='AB12' WHERE TC='AS' AND SECUENCIA=2"));
    cargar("AS");
    ASSERT_EQ(ventana->Grilla().Texto(3, Columnas::Cuenta), QStringLiteral("1.1.04"));
    teclear(3, Columnas::Cuenta, QStringLiteral("1.1.05")); // a bank account, not a card
    EXPECT_EQ(guion->mensajes(),
              QStringList{QStringLiteral("Esta tarjeta fue presentada con el numero 7\r\n debe "
                                         "quitarla de la presentacion antes de modificar")});
    EXPECT_EQ(base->base().valor(QStringLiteral(
                  "SELECT CUENTA || '|' || TJ_NroSocio || '|' || TJ_NroCupon || '|' || TJ_Cuotas "
                  "|| '|' || TJ_Autorizo FROM MV_ASIENTOS WHERE TC='AS' AND SECUENCIA=2")),
              QStringLiteral("1.1.04|4321|555|3|AB12"));
    EXPECT_EQ(ventana->Grilla().Texto(3, Columnas::Cuenta), QStringLiteral("1.1.04"));
    EXPECT_EQ(ventana->Grilla().Texto(3, Columnas::Descripcion), QStringLiteral("Tarjeta Visa"));
}
