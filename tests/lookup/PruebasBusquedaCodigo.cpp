// The lookup control driven headless through its real widgets, over its own
// connection to a fixture database.
#include "BaseBusqueda.h"
#include "BusquedaCodigo.h"
#include "Contadores.h"
#include "DB_Dll.h"
#include "ImprimirQt.h"
#include "PartesBusqueda.h"
#include <QApplication>
#include <QKeyEvent>
#include <QListView>
#include <QMouseEvent>
#include <gtest/gtest.h>

namespace {

void tecla(QWidget* w, int k, const QString& texto = {}, QEvent::Type tipo = QEvent::KeyPress) {
    QKeyEvent e(tipo, k, Qt::NoModifier, texto);
    QApplication::sendEvent(w, &e);
}

void raton(QWidget* w, QEvent::Type tipo, const QPoint& p) {
    QMouseEvent e(tipo, QPointF(p), w->mapToGlobal(QPointF(p)), Qt::LeftButton,
                  tipo == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
                  Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

class Control : public ::testing::Test {
protected:
    void SetUp() override {
        guion = ReiniciarProceso();
        c = new BusquedaCodigo(&ventana);
        c->resize(400, 200);
        ventana.resize(500, 300);
        ventana.show();
        c->setConnString(base.cadena());
        QObject::connect(c, &BusquedaCodigo::CodigoObtenido, [this] { obtenidos << c->Codigo; });
    }
    bool preparar(const QString& tabla) {
        QString t = tabla;
        return c->BusquedaDisponible(t);
    }
    int filas() const { return c->LstBusqueda->model()->rowCount(); }
    QString texto(int fila) const {
        return c->LstBusqueda->model()->index(fila, 0).data().toString();
    }
    QPoint centro(int fila) const {
        return c->LstBusqueda->visualRect(c->LstBusqueda->model()->index(fila, 0)).center();
    }
    void clic(int fila) {
        QWidget* v = c->LstBusqueda->viewport();
        raton(v, QEvent::MouseButtonPress, centro(fila));
        raton(v, QEvent::MouseButtonRelease, centro(fila));
    }
    void dobleClic(int fila) {
        QWidget* v = c->LstBusqueda->viewport();
        clic(fila);
        raton(v, QEvent::MouseButtonPress, centro(fila));
        raton(v, QEvent::MouseButtonDblClick, centro(fila));
        raton(v, QEvent::MouseButtonRelease, centro(fila));
    }

    BaseBusqueda base;
    std::shared_ptr<DialogosGuion> guion;
    QWidget ventana;
    BusquedaCodigo* c = nullptr;
    QStringList obtenidos;
};

} // namespace

TEST_F(Control, AbreSuPropiaConexionYLeeLaConfiguracion) {
    EXPECT_TRUE(preparar(QStringLiteral("MA_CUENTAS")));
    EXPECT_TRUE(c->Conectado());
    EXPECT_FALSE(gDB().gCnn) << "the main data object is never used";
    // The embedded engine answers the configuration procedure.
    QString aux = QStringLiteral("x");
    EXPECT_EQ(c->sp_Cfg(QStringLiteral("DeshabilitaBusquedaCodigo"), aux), QStringLiteral(" "));
    EXPECT_EQ(aux, QString());
    EXPECT_EQ(c->sp_Cfg(QStringLiteral("DeshabilitaBusquedaCodigoArt"), aux), QStringLiteral("si"));
    EXPECT_EQ(aux, QStringLiteral("aux"));
    EXPECT_EQ(c->sp_Cfg(QStringLiteral("Mensaje_Bienvenida"), aux), QStringLiteral("Hola"));
    EXPECT_TRUE(c->DeshabilitarBCArticulos);
    EXPECT_FALSE(c->DeshabilitarBCTodos);
    // Article lookups are off; the others are not.
    c->TxtBusqueda->setText(QStringLiteral("caja"));
    QString articulos = QStringLiteral("V_MA_ARTICULOS");
    EXPECT_FALSE(c->BusquedaDisponible(articulos));
    EXPECT_EQ(c->FiltroExtra(), QStringLiteral(" and Dada_De_Baja = 0 "));
    EXPECT_TRUE(guion->prompts.isEmpty());
}

TEST_F(Control, ConTodasLasBusquedasApagadasSoloCambiaLaEtiqueta) {
    base.base().ejecutar(QStringLiteral("INSERT INTO TA_CONFIGURACION (CLAVE, GRUPO, VALOR) "
                                        "VALUES ('DESHABILITABUSQUEDACODIGO', 'DATOS', 'SI')"));
    EXPECT_TRUE(preparar(QStringLiteral("MA_CUENTAS"))); // connects, then reads the switch
    EXPECT_TRUE(c->DeshabilitarBCTodos);
    QString tabla = QStringLiteral("V_TA_UnidadNegocio");
    EXPECT_FALSE(c->BusquedaDisponible(tabla));
    EXPECT_EQ(c->TxtBusqueda->property("Tag").toString(), QStringLiteral("V_TA_UnidadNegocio"));
    EXPECT_EQ(c->Tabla, QStringLiteral("MA_CUENTAS"));
    EXPECT_TRUE(c->imgMas->isHidden());
}

TEST_F(Control, UnaCadenaSinBaseMuestraElDialogoDelControl) {
    c->setConnString(QStringLiteral("PROVIDER=SQLOLEDB;Server=") + base.base().carpeta() +
                     QStringLiteral(";UId=x;"));
    guion->respuestas.enqueue(3); // Abort
    EXPECT_TRUE(preparar(QStringLiteral("MA_CUENTAS")));
    EXPECT_FALSE(c->Conectado());
    ASSERT_EQ(guion->prompts.size(), 1);
    EXPECT_TRUE(
        guion->prompts[0].texto.startsWith(QStringLiteral("Ha ocurrido el Siguiente Error (5) ")));
    EXPECT_TRUE(guion->prompts[0].titulo.endsWith(QStringLiteral(" Aviso al operador!!! ")));
    EXPECT_EQ(guion->prompts[0].estilo, 18);
    // A folder whose name holds the word is not taken for the database key.
    EXPECT_EQ(ConexionBusqueda::BaseDeCadena(
                  QStringLiteral("Server=/srv/database/x;Database =DEMO;UId=DEMO;")),
              QStringLiteral("DEMO"));
}

TEST_F(Control, CadaCambioDelTextoBuscaConComodinesYApostrofesDuplicados) {
    ASSERT_TRUE(preparar(QStringLiteral("MA_CUENTAS")));
    contadores().registrar = true;
    c->TxtBusqueda->setText(QStringLiteral("caja cen"));
    ASSERT_EQ(contadores().registro.size(), 1);
    EXPECT_EQ(contadores().registro[0],
              QStringLiteral("select top 100 Descripcion,Codigo from MA_CUENTAS where (Descripcion "
                             "like '%caja%cen%' or Codigo like '%caja%cen%' )   and Dada_De_Baja "
                             "= 0  order by Descripcion"));
    ASSERT_EQ(filas(), 1);
    EXPECT_EQ(texto(0), QStringLiteral("Caja casa central") + QString(50, u' ') +
                            QStringLiteral("1.1.01.001"));
    EXPECT_EQ(c->Buscar, QString());
    EXPECT_EQ(c->TextoIngresado, QStringLiteral("caja cen"));
    EXPECT_EQ(c->CodigoNoConfirmado, QStringLiteral("caja cen"));
    // Withdrawn accounts are left out; rows come sorted by description.
    c->TxtBusqueda->setText(QStringLiteral("caja"));
    ASSERT_EQ(filas(), 3);
    EXPECT_TRUE(texto(0).startsWith(QStringLiteral("Caja casa central")));
    EXPECT_TRUE(texto(2).startsWith(QStringLiteral("CAJA Y BANCOS")));
    // An apostrophe in the text finds its row.
    c->TxtBusqueda->setText(QStringLiteral("o'hig"));
    ASSERT_EQ(filas(), 1);
    EXPECT_TRUE(contadores().registro.last().contains(QStringLiteral("'%o''hig%'")));
    // An empty text clears the list without a query.
    const auto enviadas = contadores().registro.size();
    c->TxtBusqueda->clear();
    EXPECT_EQ(filas(), 0);
    EXPECT_EQ(contadores().registro.size(), enviadas);
}

TEST_F(Control, UnClicYEnterDanLaDescripcionYElDobleClicElCodigo) {
    ASSERT_TRUE(preparar(QStringLiteral("MA_CUENTAS")));
    c->TxtBusqueda->setText(QStringLiteral("caja"));
    ASSERT_EQ(filas(), 3);
    contadores().registrar = true;
    clic(1);
    EXPECT_EQ(c->TxtBusqueda->text(), QStringLiteral("Caja sucursal Rosario"));
    EXPECT_EQ(filas(), 3) << "the click runs no search";
    EXPECT_TRUE(contadores().registro.isEmpty());
    tecla(c->TxtBusqueda, Qt::Key_Return);
    EXPECT_EQ(obtenidos, QStringList{QStringLiteral("Caja sucursal Rosario")});
    dobleClic(2);
    EXPECT_EQ(obtenidos.last(), QStringLiteral("1.1.01"));
    EXPECT_EQ(obtenidos.size(), 2);
    // The next keystroke searches again.
    c->TxtBusqueda->setText(QStringLiteral("banco"));
    EXPECT_EQ(filas(), 2);
}

TEST_F(Control, ElTecladoPasaALaListaYEscVaciaElCodigo) {
    ASSERT_TRUE(preparar(QStringLiteral("MA_CUENTAS")));
    c->TxtBusqueda->setText(QStringLiteral("caja"));
    tecla(c->TxtBusqueda, Qt::Key_Down);
    EXPECT_EQ(c->CodigoSeleccionado(), QStringLiteral("1.1.01.001"));
    tecla(c->LstBusqueda, Qt::Key_Down);
    tecla(c->LstBusqueda, Qt::Key_Return);
    EXPECT_EQ(obtenidos, QStringList{QStringLiteral("1.1.01.002")});
    // Backspace released in the list takes the last character off the text.
    tecla(c->LstBusqueda, Qt::Key_Backspace, {}, QEvent::KeyRelease);
    EXPECT_EQ(c->TxtBusqueda->text(), QStringLiteral("caj"));
    EXPECT_EQ(filas(), 3);
    tecla(c->TxtBusqueda, Qt::Key_Escape);
    EXPECT_EQ(obtenidos.last(), QString());
    EXPECT_EQ(c->TxtBusqueda->text(), QString());
    c->TxtBusqueda->setText(QStringLiteral("banco"));
    c->ImgX->clicked();
    EXPECT_EQ(obtenidos, (QStringList{QStringLiteral("1.1.01.002"), QString(), QString()}));
    // The confirm picture hands over the selected row's code, or the text.
    c->TxtBusqueda->setText(QStringLiteral("banco"));
    c->IMGOK->clicked();
    EXPECT_EQ(obtenidos.last(), QStringLiteral("banco"));
    tecla(c->TxtBusqueda, Qt::Key_Down);
    c->IMGOK->clicked();
    EXPECT_EQ(obtenidos.last(), QStringLiteral("1.1.01.010"));
}

TEST_F(Control, UnCodigoDeVeinteCaracteresVuelveEntero) {
    ASSERT_TRUE(preparar(QStringLiteral("FIS_TA_PAISES")));
    EXPECT_EQ(c->Tabla, QStringLiteral("TA_PAISES"));
    c->TxtBusqueda->setText(QStringLiteral("argen"));
    ASSERT_EQ(filas(), 1);
    EXPECT_TRUE(texto(0).endsWith(QString(50, u' ') + QStringLiteral("AR-CODIGO-LARGO-0020")));
    tecla(c->TxtBusqueda, Qt::Key_Down);
    tecla(c->LstBusqueda, Qt::Key_Return);
    EXPECT_EQ(obtenidos, QStringList{QStringLiteral("AR-CODIGO-LARGO-0020")});
}

TEST_F(Control, EnterSinResultadosOfreceElAltaDirecta) {
    ASSERT_TRUE(preparar(QStringLiteral("V_TA_UnidadNegocio")));
    EXPECT_FALSE(c->imgMas->isHidden());
    c->TxtBusqueda->setText(QStringLiteral("Depósito Neuquén"));
    ASSERT_EQ(filas(), 0);
    guion->respuestas.enqueue(7); // No: the text is handed over
    tecla(c->TxtBusqueda, Qt::Key_Return);
    EXPECT_EQ(guion->prompts.last().texto,
              QStringLiteral("UnidadNegocio\r\nDesea dar de alta un registro nuevo?"));
    EXPECT_EQ(guion->prompts.last().titulo, QStringLiteral("Aviso al operador"));
    EXPECT_EQ(guion->prompts.last().estilo, 4);
    EXPECT_EQ(obtenidos, QStringList{QStringLiteral("Depósito Neuquén")});
    guion->respuestas.enqueue(6); // Yes
    tecla(c->TxtBusqueda, Qt::Key_Return);
    EXPECT_EQ(obtenidos.last(), QStringLiteral("13"));
    EXPECT_EQ(c->TxtBusqueda->text(), QStringLiteral("  13"));
    EXPECT_EQ(base.base().valor(QStringLiteral(
                  "SELECT Descripcion FROM V_TA_UnidadNegocio WHERE Codigo = '  13'")),
              QStringLiteral("Depósito Neuquén"));
    // Four characters or fewer are handed over without a question.
    const auto preguntas = guion->prompts.size();
    c->TxtBusqueda->setText(QStringLiteral("Zona"));
    tecla(c->TxtBusqueda, Qt::Key_Return);
    EXPECT_EQ(guion->prompts.size(), preguntas);
    EXPECT_EQ(obtenidos.last(), QStringLiteral("Zona"));
    // Tables without quick add hide the picture.
    ASSERT_TRUE(preparar(QStringLiteral("MA_CUENTAS")));
    EXPECT_TRUE(c->imgMas->isHidden());
}
