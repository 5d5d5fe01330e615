// The date picker of the lookup control: month and year lists, the day
// initials and 42 day buttons, in Spanish whatever the system's language.
#include "Almanaque.h"
#include "BusquedaCodigo.h"
#include "ContratoErrores.h"
#include "PartesBusqueda.h"
#include "UtilGeneral.h"
#include <QComboBox>
#include <QDate>
#include <QFrame>
#include <QLabel>
#include <QListView>

namespace {
int px(int twips) {
    return (twips + 7) / 15;
}

struct Inicial {
    int indice;
    const char* texto;
    int izquierda;
};
// Sunday first on screen; the indexes follow the suite's numbering.
constexpr Inicial kIniciales[] = {{6, "D", 240},  {0, "L", 600},  {1, "Ma", 960}, {2, "Mi", 1320},
                                  {3, "J", 1680}, {4, "V", 2040}, {5, "S", 2400}};

void pintar(BotonDia* b, const QColor& color) {
    QPalette p = b->palette();
    for (const auto grupo : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        p.setColor(grupo, QPalette::ButtonText, color);
    b->setPalette(p);
}
} // namespace

void BusquedaCodigo::crearCalendario() {
    Calendar = new QFrame(this);
    Calendar->setObjectName(QStringLiteral("Calendar"));
    Calendar->setGeometry(0, px(240), px(2775), px(3255));
    CmbMes = new QComboBox(Calendar);
    CmbMes->setObjectName(QStringLiteral("CmbMes"));
    CmbMes->setGeometry(px(120), px(240), px(1335), px(315));
    CmbAño = new QComboBox(Calendar);
    CmbAño->setObjectName(QStringLiteral("CmbAño"));
    CmbAño->setGeometry(px(1680), px(240), px(975), px(315));
    QFont chica(QStringLiteral("Arial"));
    chica.setPointSizeF(8.25);
    for (const Inicial& i : kIniciales) {
        auto* l = new QLabel(QString::fromLatin1(i.texto), Calendar);
        l->setFont(chica);
        l->setGeometry(px(i.izquierda), px(720), px(360), px(240));
        LblDesc[static_cast<std::size_t>(i.indice)] = l;
    }
    QFont negrita = chica;
    negrita.setBold(true);
    for (int i = 0; i < Almanaque::kCeldas; ++i) {
        auto* b = new BotonDia(Calendar);
        b->setObjectName(QStringLiteral("OptDia%1").arg(i));
        b->setCheckable(true);
        b->setFont(negrita);
        b->setGeometry(px(120 + 360 * (i % 7)), px(960 + 360 * (i / 7)), px(360), px(360));
        b->installEventFilter(this);
        connect(b, &QPushButton::clicked, this, [this, i] { DiaClic(i, false); });
        connect(b, &BotonDia::dobleClic, this, [this, i] { DiaClic(i, true); });
        OptDia[static_cast<std::size_t>(i)] = b;
    }
    connect(CmbMes, &QComboBox::activated, this, [this] { ListaMesAnio_Click(); });
    connect(CmbAño, &QComboBox::activated, this, [this] { ListaMesAnio_Click(); });
    Calendar->hide();
}

void BusquedaCodigo::CargarMesAño() {
    for (std::int16_t m = 1; m <= 12; ++m)
        CmbMes->addItem(Almanaque::NombreMes(m));
    for (int a = Almanaque::kPrimerAnio; a <= Almanaque::kUltimoAnio; ++a)
        CmbAño->addItem(QString::number(a));
    const QDate hoy = QDate::currentDate();
    CmbMes->setCurrentText(Almanaque::NombreMes(static_cast<std::int16_t>(hoy.month())));
    CmbAño->setCurrentText(QString::number(hoy.year()));
}

void BusquedaCodigo::ArmarAlmanaque(int Mes, int año) {
    const auto celdas = Almanaque::ArmarAlmanaque(Mes, año);
    CalendarioListo = false;
    for (std::size_t i = 0; i < celdas.size(); ++i) {
        BotonDia* b = OptDia[i];
        b->setText(celdas[i].caption);
        b->setEnabled(celdas[i].habilitada);
        pintar(b, celdas[i].color);
        b->setChecked(false);
    }
    CalendarioListo = true;
}

void BusquedaCodigo::Seleccionar(int indice) {
    for (BotonDia* b : OptDia)
        if (b->text() == QStringLiteral("."))
            pintar(b, Qt::black);
    CalendarioListo = false;
    for (std::size_t i = 0; i < OptDia.size(); ++i)
        OptDia[i]->setChecked(static_cast<int>(i) == indice);
    CalendarioListo = true;
}

std::int16_t BusquedaCodigo::IndCaption(const QString& caption) const {
    for (std::size_t i = 0; i < OptDia.size(); ++i)
        if (OptDia[i]->text() == caption)
            return static_cast<std::int16_t>(i);
    return 0;
}

void BusquedaCodigo::CargarCalendario() {
    IgnorandoErrores([&] {
        Calendar->show();
        LstBusqueda->hide();
        TxtBusqueda->setMaxLength(10);
        TxtBusqueda->setText(Buscar);
    });
    IgnorandoErrores([&] {
        const int largo = static_cast<int>(TxtBusqueda->text().size());
        TxtBusqueda->setCursorPosition(largo >= SelStartInicial ? SelStartInicial : largo);
    });
    IgnorandoErrores([&] {
        if (CmbMes->count() > 1)
            return;
        const QDate hoy = QDate::currentDate();
        CargarMesAño();
        ArmarAlmanaque(hoy.month(), hoy.year());
        Seleccionar(IndCaption(QString::number(hoy.day())));
        CmbMes->setCurrentText(Almanaque::NombreMes(static_cast<std::int16_t>(hoy.month())));
        CmbAño->setCurrentText(QString::number(hoy.year()));
    });
    IgnorandoErrores([&] {
        const QDate d = UtilGeneral::LeerFecha(Buscar.trimmed());
        if (!d.isValid() || Buscar.trimmed().size() != 10)
            return;
        ArmarAlmanaque(d.month(), d.year());
        TxtBusqueda->setText(d.toString(QStringLiteral("dd/MM/yyyy")));
        Seleccionar(IndCaption(QString::number(d.day())));
        CmbMes->setCurrentText(Almanaque::NombreMes(static_cast<std::int16_t>(d.month())));
        CmbAño->setCurrentText(QString::number(d.year()));
    });
    IgnorandoErrores([&] { TxtBusqueda->setFocus(); });
}

void BusquedaCodigo::DiaClic(int indice, bool doble) {
    if (!doble && !CalendarioListo)
        return;
    const QString caption = OptDia[static_cast<std::size_t>(indice)]->text();
    TxtBusqueda->setText(
        Almanaque::TextoDia(caption, CmbMes->currentText(), CmbAño->currentText()));
    if (doble)
        ObtieneCodigo(false);
    else
        Seleccionar(IndCaption(caption));
}

void BusquedaCodigo::ListaMesAnio_Click() {
    ArmarAlmanaque(Almanaque::Nromes(CmbMes->currentText().trimmed()),
                   CmbAño->currentText().trimmed().toInt());
}
