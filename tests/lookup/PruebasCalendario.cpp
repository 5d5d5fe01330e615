// The lookup control as a date picker: typed dates, the month grid and the
// day buttons, in Spanish whatever the locale.
#include "BaseBusqueda.h"
#include "BusquedaCodigo.h"
#include "ImprimirQt.h"
#include "PartesBusqueda.h"
#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QListView>
#include <QLocale>
#include <QMouseEvent>
#include <gtest/gtest.h>

namespace {

class Calendario : public ::testing::Test {
protected:
    void SetUp() override {
        guion = ReiniciarProceso();
        // Another language on the system must not reach the calendar.
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        c = new BusquedaCodigo(&ventana);
        c->resize(400, 200);
        ventana.resize(500, 300);
        ventana.show();
        c->setConnString(base.cadena());
        QObject::connect(c, &BusquedaCodigo::CodigoObtenido, [this] { obtenidos << c->Codigo; });
        QString fecha = QStringLiteral("FECHA");
        ASSERT_TRUE(c->BusquedaDisponible(fecha));
    }
    void escribir(const QString& teclas) {
        for (const QChar t : teclas) {
            QKeyEvent e(QEvent::KeyPress, t.isDigit() ? Qt::Key_0 + t.digitValue() : Qt::Key_A,
                        Qt::NoModifier, QString(t));
            QApplication::sendEvent(c->TxtBusqueda, &e);
        }
    }
    void elegirMes(const QString& mes, const QString& anio) {
        c->CmbMes->setCurrentText(mes);
        c->CmbAño->setCurrentText(anio);
        emit c->CmbMes->activated(c->CmbMes->currentIndex());
    }
    QColor color(int dia) const {
        return c->OptDia[static_cast<std::size_t>(dia)]->palette().color(QPalette::ButtonText);
    }
    int elegido() const {
        for (std::size_t i = 0; i < c->OptDia.size(); ++i)
            if (c->OptDia[i]->isChecked())
                return static_cast<int>(i);
        return -1;
    }

    BaseBusqueda base;
    std::shared_ptr<DialogosGuion> guion;
    QWidget ventana;
    BusquedaCodigo* c = nullptr;
    QStringList obtenidos;
};

} // namespace

TEST_F(Calendario, FechaMuestraElAlmanaqueEnCastellano) {
    EXPECT_FALSE(c->Calendar->isHidden());
    EXPECT_TRUE(c->LstBusqueda->isHidden());
    EXPECT_EQ(c->size(),
              QSize(c->Calendar->width(), c->TxtBusqueda->height() + c->Calendar->height()));
    EXPECT_EQ(c->Calendar->size(), QSize(185, 217));
    ASSERT_EQ(c->CmbMes->count(), 12);
    EXPECT_EQ(c->CmbMes->itemText(0), QStringLiteral("Enero"));
    EXPECT_EQ(c->CmbMes->itemText(8), QStringLiteral("Septiembre"));
    ASSERT_EQ(c->CmbAño->count(), 120);
    EXPECT_EQ(c->CmbAño->itemText(0), QStringLiteral("1930"));
    EXPECT_EQ(c->CmbAño->itemText(119), QStringLiteral("2049"));
    EXPECT_EQ(c->LblDesc[6]->text(), QStringLiteral("D"));
    EXPECT_EQ(c->LblDesc[1]->text(), QStringLiteral("Ma"));
    EXPECT_LT(c->LblDesc[6]->x(), c->LblDesc[0]->x()) << "the week starts on Sunday";
    // Today is shown and chosen.
    const QDate hoy = QDate::currentDate();
    EXPECT_EQ(c->CmbMes->currentIndex(), hoy.month() - 1);
    EXPECT_EQ(c->OptDia[static_cast<std::size_t>(elegido())]->text(), QString::number(hoy.day()));
}

TEST_F(Calendario, LosDigitosEscritosArmanLaFechaYMuevenElAlmanaque) {
    c->TxtBusqueda->setText(QStringLiteral("  /  /    "));
    c->TxtBusqueda->setCursorPosition(0);
    escribir(QStringLiteral("12032024"));
    EXPECT_EQ(c->TxtBusqueda->text(), QStringLiteral("12/03/2024"));
    EXPECT_EQ(c->CmbMes->currentText(), QStringLiteral("Marzo"));
    EXPECT_EQ(c->CmbAño->currentText(), QStringLiteral("2024"));
    // March 2024: the 1st is a Friday.
    EXPECT_EQ(c->OptDia[4]->text(), QStringLiteral("."));
    EXPECT_FALSE(c->OptDia[4]->isEnabled());
    EXPECT_EQ(c->OptDia[5]->text(), QStringLiteral("1"));
    EXPECT_EQ(c->OptDia[35]->text(), QStringLiteral("31"));
    EXPECT_EQ(c->OptDia[36]->text(), QStringLiteral("."));
    EXPECT_EQ(color(6), QColor(255, 0, 0));
    EXPECT_EQ(color(7), QColor(255, 0, 0));
    EXPECT_EQ(color(8), QColor(0, 0, 255));
    EXPECT_EQ(color(0), QColor(0, 0, 0));
    EXPECT_EQ(elegido(), 16); // the 12th
    // A letter is discarded.
    escribir(QStringLiteral("x"));
    EXPECT_EQ(c->TxtBusqueda->text(), QStringLiteral("12/03/2024"));
    EXPECT_TRUE(obtenidos.isEmpty());
}

TEST_F(Calendario, ClicEscribeElDiaYDobleClicLoEntrega) {
    elegirMes(QStringLiteral("Marzo"), QStringLiteral("2024"));
    EXPECT_EQ(elegido(), -1) << "no day stays chosen after a month is chosen";
    c->OptDia[9]->click(); // the 5th
    EXPECT_EQ(c->TxtBusqueda->text(), QStringLiteral("05/3/2024"));
    EXPECT_EQ(elegido(), 9);
    // Ten characters move the grid to the typed date's month.
    elegirMes(QStringLiteral("Noviembre"), QStringLiteral("2024"));
    c->OptDia[9]->click();
    EXPECT_EQ(c->TxtBusqueda->text(), QStringLiteral("05/11/2024"));
    EXPECT_EQ(c->OptDia[5]->text(), QStringLiteral("1"));
    EXPECT_EQ(elegido(), 9);
    const QPoint centro = c->OptDia[12]->rect().center();
    QMouseEvent doble(QEvent::MouseButtonDblClick, QPointF(centro),
                      c->OptDia[12]->mapToGlobal(QPointF(centro)), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(c->OptDia[12], &doble);
    EXPECT_EQ(obtenidos, QStringList{QStringLiteral("08/11/2024")});
    EXPECT_TRUE(c->Calendar->isHidden());
}

TEST_F(Calendario, EnterEnUnDiaEntregaLaFechaEscrita) {
    c->TxtBusqueda->setText(QStringLiteral("29/02/2024"));
    EXPECT_EQ(c->OptDia[elegido()]->text(), QStringLiteral("29"));
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(c->OptDia[static_cast<std::size_t>(elegido())], &enter);
    EXPECT_EQ(obtenidos, QStringList{QStringLiteral("29/02/2024")});
    // Esc empties the date and hands over an empty code.
    QString fecha = QStringLiteral("FECHA");
    c->BusquedaDisponible(fecha);
    QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(c->OptDia[0], &esc);
    EXPECT_EQ(obtenidos.last(), QString());
}
