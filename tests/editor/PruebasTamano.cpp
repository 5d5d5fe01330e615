// The main window at any size: its minimum shows every control, the ruler
// stays under a real row inside the grid, clipped texts show whole in a
// tooltip, and the grid's spare columns take no room.
#include "BarraEstado.h"
#include "CajaProgreso.h"
#include "DB_Dll.h"
#include "FrmTarquel.h"
#include "ModeloAsientos.h"
#include "Sesion.h"
#include "TextosRecortados.h"
#include "UtilVex.h"
#include "VentanaEditor.h"
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QTest>
#include <QToolTip>
#include <gtest/gtest.h>

namespace {
class Tamano : public VentanaEditor {
protected:
    void SetUp() override {
        VentanaEditor::SetUp();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(ventana.get()));
    }
    QRect enVentana(const QWidget* w) const {
        return QRect(w->mapTo(ventana.get(), QPoint(0, 0)), w->size());
    }
    QRect vista() const { return enVentana(ventana->MSFlexGrid1->viewport()); }
    // The tooltip a pause of the mouse over a point of w brings up ("" for none).
    static QString ayudaEn(QWidget* w, const QPoint& p) {
        QToolTip::hideText();
        EXPECT_TRUE(QTest::qWaitFor([] { return !QToolTip::isVisible(); }));
        QHelpEvent pedido(QEvent::ToolTip, p, w->mapToGlobal(p));
        QApplication::sendEvent(w, &pedido);
        return QToolTip::isVisible() ? QToolTip::text() : QString();
    }
};
} // namespace

TEST_F(Tamano, ElTamanoMinimoMuestraTodosLosControles) {
    ventana->TxtFields(QStringLiteral("TC"))->setText(QStringLiteral("FC"));
    ventana->CmdEjecutar->click();
    ventana->resize(100, 100);
    EXPECT_EQ(ventana->size(), ventana->minimumSize());
    ventana->resize(420, 260);
    EXPECT_EQ(ventana->width(), ventana->minimumWidth());
    QList<QWidget*> controles = {ventana->UtilVex1,         ventana->Frame1,
                                 ventana->FrmReemplazo,     ventana->CmdReemplazar,
                                 ventana->ChkDatosCabecera, ventana->CmdEjecutar,
                                 ventana->LblSuma,          ventana->MSFlexGrid1,
                                 ventana->sbStatusBar,      ventana->Picture1};
    for (QLabel* l : ventana->findChildren<QLabel*>())
        if (l->isVisible())
            controles << l;
    for (QLineEdit* t : ventana->findChildren<QLineEdit*>())
        if (t != ventana->TxtEdit)
            controles << t;
    for (QWidget* c : controles) {
        EXPECT_TRUE(c->isVisible()) << c->metaObject()->className();
        EXPECT_TRUE(ventana->rect().contains(enVentana(c)))
            << c->metaObject()->className() << " " << c->property("text").toString().toStdString();
    }
    // The last button of the bar, "Cerrar", is inside the window.
    QRect cerrar;
    for (int i = 0; i < ventana->UtilVex1->Modelo().count(); ++i)
        if (ventana->UtilVex1->TextoCaption(i) == QLatin1String("Cerrar"))
            cerrar = ventana->UtilVex1->RectanguloCelda(i).translated(ventana->UtilVex1->pos());
    EXPECT_FALSE(cerrar.isEmpty());
    EXPECT_GE(cerrar.left(), 0);
    EXPECT_LE(cerrar.right(), ventana->rect().right());
    // The grid ends where the status bar starts and shows its titles and rows.
    EXPECT_EQ(enVentana(ventana->MSFlexGrid1).bottom() + 1, ventana->sbStatusBar->y());
    EXPECT_GE(vista().height(), 2 * ventana->MSFlexGrid1->verticalHeader()->defaultSectionSize());
    EXPECT_TRUE(ventana->sbStatusBar->geometry().bottom() <= ventana->rect().bottom());
    // Growing again, the grid follows the window.
    ventana->resize(1100, 600);
    EXPECT_EQ(ventana->MSFlexGrid1->height(),
              ventana->sbStatusBar->y() - ventana->MSFlexGrid1->y());
    EXPECT_GT(ventana->MSFlexGrid1->width(), 1000);
}

TEST_F(Tamano, LaReglaSoloBajoUnaFilaRealYDentroDeLaGrilla) {
    // An empty grid: no ruler even with the cursor on its empty row.
    ventana->IrACelda(1, Columnas::Cuenta);
    EXPECT_FALSE(ventana->PicRegla->isVisible());
    ventana->CmdEjecutar->click();
    ventana->IrACelda(3, Columnas::Cuenta);
    const auto bajoLaFila = [&] {
        const QModelIndex i = ventana->MSFlexGrid1->currentIndex();
        return ventana->MSFlexGrid1->visualRect(i).translated(vista().topLeft());
    };
    ASSERT_TRUE(ventana->PicRegla->isVisible());
    EXPECT_EQ(ventana->PicRegla->y(), bajoLaFila().bottom() + 1);
    EXPECT_TRUE(vista().contains(ventana->PicRegla->geometry()));
    EXPECT_EQ(ventana->PicRegla->geometry().right(), vista().right()); // not over the scroll bar
    // It follows the grid's width.
    ventana->resize(ventana->width() + 200, ventana->height());
    EXPECT_EQ(ventana->PicRegla->geometry().right(), vista().right());
    // On the last row in sight it stays off the horizontal scroll bar; out of sight, it hides.
    ventana->resize(ventana->minimumSize());
    QApplication::processEvents();
    const int enVista =
        vista().height() / ventana->MSFlexGrid1->verticalHeader()->defaultSectionSize();
    ventana->IrACelda(enVista, Columnas::Cuenta);
    ASSERT_TRUE(ventana->PicRegla->isVisible());
    EXPECT_TRUE(vista().contains(ventana->PicRegla->geometry()));
    const QRect barra = enVentana(ventana->MSFlexGrid1->horizontalScrollBar());
    EXPECT_FALSE(ventana->PicRegla->geometry().intersects(barra));
    ventana->MSFlexGrid1->verticalScrollBar()->setValue(
        ventana->MSFlexGrid1->verticalScrollBar()->maximum());
    ventana->IrACelda(1, Columnas::Linea);
    ventana->MSFlexGrid1->verticalScrollBar()->setValue(
        ventana->MSFlexGrid1->verticalScrollBar()->maximum());
    EXPECT_FALSE(ventana->PicRegla->isVisible());
    // Cancel empties the grid, and the ruler goes.
    ventana->UtilVex1_click(QStringLiteral("Cancelar"));
    EXPECT_FALSE(ventana->PicRegla->isVisible());
}

TEST_F(Tamano, LosTextosRecortadosSeVenEnterosEnSuAyuda) {
    // The captions: narrowed first, then ended in "…" with the whole text in the tooltip.
    for (auto* l : ventana->findChildren<EtiquetaRecortada*>()) {
        if (!l->Recortada())
            continue;
        EXPECT_TRUE(l->TextoVisible().endsWith(QChar(0x2026))) << l->text().toStdString();
        EXPECT_EQ(ayudaEn(l, l->rect().center()), l->text());
    }
    EtiquetaRecortada* contiene = nullptr;
    for (auto* l : ventana->findChildren<EtiquetaRecortada*>())
        if (l->text() == QLatin1String("Contiene Cuenta"))
            contiene = l;
    ASSERT_NE(contiene, nullptr);
    contiene->resize(20, contiene->height());
    EXPECT_TRUE(contiene->Recortada());
    EXPECT_EQ(ayudaEn(contiene, QPoint(5, 5)), QStringLiteral("Contiene Cuenta"));
    contiene->resize(300, contiene->height());
    EXPECT_EQ(contiene->TextoVisible(), QStringLiteral("Contiene Cuenta"));
    EXPECT_EQ(ayudaEn(contiene, QPoint(5, 5)), QString());
    // The grid's cells: a voucher header and a principal account, narrowed.
    ventana->ChkDatosCabecera->setChecked(true);
    ventana->TxtFields(QStringLiteral("TC"))->setText(QStringLiteral("FC"));
    ventana->CmdEjecutar->click();
    QTableView* grilla = ventana->MSFlexGrid1;
    for (const int columna : {Columnas::Descripcion, Columnas::CuentaPrincipal}) {
        grilla->setColumnWidth(columna, 40);
        const int fila = columna == Columnas::Descripcion ? 1 : 2;
        const QModelIndex i = grilla->model()->index(fila - 1, columna);
        grilla->scrollTo(i);
        const QString entero = ventana->Grilla().Texto(fila, columna);
        EXPECT_EQ(ayudaEn(grilla->viewport(), grilla->visualRect(i).center()), entero) << columna;
    }
    EXPECT_TRUE(
        ventana->Grilla().Texto(1, Columnas::Descripcion).contains(QStringLiteral("Uneg:")));
    // A cell whose text fits has no tooltip.
    const QModelIndex corta = grilla->model()->index(1, Columnas::Linea);
    EXPECT_EQ(ayudaEn(grilla->viewport(), grilla->visualRect(corta).center()), QString());
    // The status bar's server path, written again for a server in a deep folder.
    gDB().gServidor = QStringLiteral("/srv/datos/contabilidad/empresas/sucursal-central");
    QLabel* servidor = ventana->sbStatusBar->Panel(QStringLiteral("SERVER"));
    servidor->clear();
    ConfigurarBarraEstado(*ventana->sbStatusBar, QString());
    auto* recortado = qobject_cast<EtiquetaRecortada*>(servidor);
    ASSERT_NE(recortado, nullptr);
    EXPECT_TRUE(recortado->Recortada());
    EXPECT_TRUE(recortado->TextoVisible().startsWith(QStringLiteral("Srv: /srv")));
    EXPECT_EQ(ayudaEn(servidor, QPoint(5, 5)), servidor->text());
}

namespace {
// The delegate's own choice of letters for a cell of the view.
struct SondaCelda : DelegadoCeldaAngosta {
    using DelegadoCeldaAngosta::DelegadoCeldaAngosta;
    QFont letra(QTableView& vista, const QModelIndex& i) const {
        QStyleOptionViewItem opcion;
        opcion.initFrom(vista.viewport());
        opcion.widget = &vista;
        opcion.rect = vista.visualRect(i);
        initStyleOption(&opcion, i);
        return opcion.font;
    }
};
} // namespace

TEST_F(Tamano, ElNumeroDelComprobanteQueNoCabeSeVeEnteroEnLetraAngosta) {
    ventana->TxtFields(QStringLiteral("TC"))->setText(QStringLiteral("FC"));
    ventana->CmdEjecutar->click();
    QTableView* grilla = ventana->MSFlexGrid1;
    const QModelIndex cabecera = grilla->model()->index(0, Columnas::Cuenta);
    const QString numero = cabecera.data().toString();
    ASSERT_TRUE(numero.startsWith(QStringLiteral("FC ")));
    // Exactly as wide as the bold number: the cell's margins leave it short.
    const QFont negrita = cabecera.data(Qt::FontRole).value<QFont>();
    grilla->setColumnWidth(Columnas::Cuenta, QFontMetrics(negrita).horizontalAdvance(numero));
    ASSERT_NE(qobject_cast<DelegadoCeldaAngosta*>(grilla->itemDelegate()), nullptr);
    SondaCelda sonda;
    EXPECT_EQ(sonda.letra(*grilla, cabecera).stretch(), QFont::Condensed);
    // Whole in the narrow letters, so no tooltip is needed; a line's account
    // that fits keeps the grid's letters.
    EXPECT_EQ(ayudaEn(grilla->viewport(), grilla->visualRect(cabecera).center()), QString());
    const QModelIndex cuenta = grilla->model()->index(1, Columnas::Cuenta);
    EXPECT_NE(sonda.letra(*grilla, cuenta).stretch(), QFont::Condensed);
}

TEST_F(Tamano, LasColumnasSobrantesNoOcupanLugar) {
    QTableView* grilla = ventana->MSFlexGrid1;
    auto ocultas = [&] {
        QList<int> r;
        for (int c = 0; c < grilla->model()->columnCount(); ++c)
            if (grilla->isColumnHidden(c) || grilla->columnWidth(c) == 0)
                r << c;
        return r;
    };
    ventana->CmdEjecutar->click();
    EXPECT_EQ(grilla->model()->columnCount(), 14);
    EXPECT_EQ(ocultas(), QList<int>({Columnas::Clave, 12, 13}));
    ventana->ChkDatosCabecera->setChecked(true);
    ventana->CmdEjecutar->click();
    EXPECT_EQ(grilla->model()->columnCount(), 16);
    EXPECT_EQ(ocultas(), QList<int>({Columnas::Clave, 14, 15}));
    EXPECT_GT(grilla->columnWidth(Columnas::CuentaPrincipal), 0);
    EXPECT_GT(grilla->columnWidth(Columnas::Provincia), 0);
    ventana->ChkDatosCabecera->setChecked(false);
    ventana->UtilVex1_click(QStringLiteral("Cancelar"));
    EXPECT_EQ(ocultas(), QList<int>({Columnas::Clave, 12, 13}));
}
