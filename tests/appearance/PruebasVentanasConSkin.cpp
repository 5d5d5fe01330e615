// The program's windows under each shipped skin: what the main window paints
// for itself (the grey editable cells, the blue voucher headers, the red
// difference, the focus colours of the parameter fields) shows through every
// skin, and the access window and the progress sign stay readable.
#include "BaseEditor.h"
#include "CargaAsientos.h"
#include "ContrasteSkin.h"
#include "EntornoApariencia.h"
#include "FrmTarquel.h"
#include "Lbf_CtrlDisplay.h"
#include "ListaBases.h"
#include "ModUtilVexBar.h"
#include "Sesion.h"
#include "SkinFramework.h"
#include "Totales.h"
#include "UtilVex.h"
#include "frmAcceso.h"
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// Skin numbers of the five skins of the table.
constexpr const char* kSkins[] = {"1", "2", "3", "4", "0"};

QColor PixelDe(QWidget* ventana, QWidget* w, const QPoint& p) {
    return ventana->grab().toImage().pixelColor(w->mapTo(ventana, p));
}

// The contrast of a caption as the window draws it: its most common colour
// (the surface) against the colour farthest from it (the letters).
double ContrasteDibujado(QWidget* ventana, QWidget* w) {
    const QImage img =
        ventana->grab().toImage().copy(QRect(w->mapTo(ventana, QPoint(0, 0)), w->size()));
    QHash<QRgb, int> cuenta;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            ++cuenta[img.pixel(x, y)];
    QRgb fondo = 0;
    for (auto it = cuenta.cbegin(); it != cuenta.cend(); ++it)
        if (it.value() > cuenta.value(fondo))
            fondo = it.key();
    double mayor = 1;
    for (auto it = cuenta.cbegin(); it != cuenta.cend(); ++it)
        mayor = std::max(mayor, RazonContraste(QColor(it.key()), QColor(fondo)));
    return mayor;
}

// A cell with that background that is not the current one, and a point of it
// away from its text.
bool CeldaCon(FrmTarquel& f, const QColor& fondo, QPoint& punto) {
    QAbstractItemModel* m = f.MSFlexGrid1->model();
    for (int fila = 0; fila < m->rowCount(); ++fila) {
        for (int col = 1; col < m->columnCount(); ++col) {
            const QModelIndex i = m->index(fila, col);
            if (i == f.MSFlexGrid1->currentIndex() ||
                i.data(Qt::BackgroundRole).value<QBrush>().color() != fondo)
                continue;
            const QRect r = f.MSFlexGrid1->visualRect(i);
            if (r.isEmpty())
                continue;
            // Accounts are written from the left, amounts from the right.
            punto = QPoint(col == 1 ? r.right() - 3 : r.left() + 3, r.center().y());
            return true;
        }
    }
    return false;
}

class VentanasConSkin : public ::testing::Test {
protected:
    void SetUp() override {
        sesion().gCantidadDecimales = QStringLiteral("2");
        sesion().gCaja = QStringLiteral("1");
        // The focus colours of the parameter fields: light yellow on black.
        sesion().gColorFondo = 0x80FFFF;
        sesion().gColorLetra = 0;
        CargaAsientos::intervaloMs = 30;
    }
    BaseEditor base;
    EntornoApariencia entorno{QStringLiteral("CONTA")};
};

} // namespace

TEST_F(VentanasConSkin, LaVentanaPrincipalConservaSusColoresPropiosEnCadaSkin) {
    for (const char* numero : kSkins) {
        SCOPED_TRACE(numero);
        entorno.Ajustes(numero, "Verdana", "9");
        FrmTarquel f;
        f.show();
        QApplication::setActiveWindow(&f);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
        ASSERT_TRUE(f.findChild<SkinFramework*>()->SkinCargado());
        f.CmdEjecutar->click();
        // The progress sign of the load took the activation for a while.
        QApplication::setActiveWindow(&f);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&f));

        QPoint celda;
        ASSERT_TRUE(CeldaCon(f, QColor(224, 224, 224), celda));
        EXPECT_EQ(PixelDe(&f, f.MSFlexGrid1->viewport(), celda), QColor(224, 224, 224));
        ASSERT_TRUE(CeldaCon(f, QColor(0, 0, 255), celda));
        EXPECT_EQ(PixelDe(&f, f.MSFlexGrid1->viewport(), celda), QColor(0, 0, 255));

        // Balanced totals on the program's button colour, readable.
        EXPECT_EQ(PixelDe(&f, f.LblSuma, QPoint(f.LblSuma->width() - 3, 3)),
                  QApplication::palette().color(QPalette::Button));
        EXPECT_GE(ContrasteDibujado(&f, f.LblSuma), 4.5);
        TotalesDH diferencia;
        diferencia.texto = QStringLiteral("Debe : 10\r\nHaber : 5\r\nDif : 5.00");
        diferencia.hayDiferencia = true;
        f.MostrarTotales(diferencia);
        EXPECT_EQ(PixelDe(&f, f.LblSuma, QPoint(f.LblSuma->width() - 3, 3)), QColor(255, 0, 0));

        QLineEdit* campo = f.TxtFields(QStringLiteral("CuentaDesde"));
        campo->setFocus();
        QApplication::processEvents();
        ASSERT_TRUE(campo->hasFocus());
        EXPECT_EQ(PixelDe(&f, campo, QPoint(campo->width() - 4, campo->height() / 2)),
                  QColor(255, 255, 128));

        // The captions of the frames read on every skin.
        for (QLabel* l : f.Frame1->findChildren<QLabel*>())
            EXPECT_GE(ContrasteDibujado(&f, l), 4.5) << l->text().toStdString();
        // The configured font on the window's own labels, the flat fields.
        EXPECT_EQ(f.LblSuma->font().family(), QStringLiteral("Verdana"));
        EXPECT_EQ(campo->font().family(), QStringLiteral("Verdana"));
        EXPECT_EQ(campo->property("Appearance"), 0);
        EXPECT_EQ(f.UtilVex1->Estilo(), ModUtilVexBar::MapearEstilo(QByteArray(numero).toInt()));
        f.close();
        RestablecerSkinPrograma();
    }
}

TEST_F(VentanasConSkin, LaVentanaDeAccesoYElCartelDeProgresoSeLeenEnCadaSkin) {
    for (const char* numero : kSkins) {
        SCOPED_TRACE(numero);
        entorno.Ajustes(numero, "Verdana", "9");
        frmAcceso f;
        f.show();
        ASSERT_TRUE(f.findChild<SkinFramework*>()->SkinCargado());
        // The product title keeps its 16 points; the list of connections and
        // the buttons take the configured font and the flat face.
        EXPECT_EQ(f.Label7->font().family(), QStringLiteral("Tahoma"));
        EXPECT_EQ(f.Label7->font().pointSize(), 16);
        EXPECT_EQ(f.lstBases->font().family(), QStringLiteral("Verdana"));
        EXPECT_EQ(f.bcAceptar->property("Appearance"), 0);
        // The white title band and the prompt colour of the boxes.
        EXPECT_EQ(PixelDe(&f, f.Label1[2], QPoint(30, 3)), QColor(Qt::white));
        EXPECT_EQ(f.TxtUserId->palette().color(QPalette::Text), QColor(2, 0, 0));
        for (QLabel* l : {f.Label1[0], f.Label1[1], f.Label2, f.Label6, f.Label7})
            EXPECT_GE(ContrasteDibujado(&f, l), 4.5) << l->text().toStdString();

        // The progress sign keeps its white face: its captions must read on it.
        Lbf_CtrlDisplay cartel;
        cartel.LblCtrol[0]->setText(QStringLiteral("Cargando asientos"));
        cartel.show();
        EXPECT_GE(ContrasteDibujado(&cartel, cartel.LblCtrol[0]), 4.5);
        f.close();
        RestablecerSkinPrograma();
    }
}
