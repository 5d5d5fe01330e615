// The calendar arithmetic and the typed-date mask of the lookup control.
#include "Almanaque.h"
#include "ImprimirQt.h"
#include "MascaraFecha.h"
#include <gtest/gtest.h>

using namespace Almanaque;

TEST(Almanaque, MarzoDe2024EmpiezaElViernes) {
    const auto celdas = ArmarAlmanaque(3, 2024);
    for (int i = 0; i < kCeldas; ++i) {
        const Celda& c = celdas[static_cast<std::size_t>(i)];
        if (i < 5 || i > 35) {
            EXPECT_EQ(c.caption, QStringLiteral(".")) << i;
            EXPECT_FALSE(c.habilitada) << i;
            EXPECT_EQ(c.color, QColor(0, 0, 0)) << i;
            continue;
        }
        EXPECT_EQ(c.caption, QString::number(i - 4)) << i;
        EXPECT_TRUE(c.habilitada) << i;
        const bool finDeSemana = i % 7 == 0 || i % 7 == 6;
        EXPECT_EQ(c.color, finDeSemana ? QColor(255, 0, 0) : QColor(0, 0, 255)) << i;
    }
    EXPECT_EQ(celdas[6].color, QColor(255, 0, 0));  // Saturday 2
    EXPECT_EQ(celdas[35].color, QColor(255, 0, 0)); // Sunday 31
    // A month that does not exist gives no days.
    for (const Celda& c : ArmarAlmanaque(0, 2024))
        EXPECT_FALSE(c.habilitada);
}

TEST(Almanaque, DiasNombresYTextoDelDia) {
    EXPECT_EQ(CantidadDeDiasDelmes(2, 2024), 29);
    EXPECT_EQ(CantidadDeDiasDelmes(2, 2023), 28);
    EXPECT_EQ(CantidadDeDiasDelmes(12, 2023), 31);
    EXPECT_EQ(CantidadDeDiasDelmes(4, 2024), 30);
    EXPECT_EQ(CantidadDeDiasDelmes(13, 2024), 0);
    EXPECT_EQ(NombreMes(9), QStringLiteral("Septiembre"));
    EXPECT_EQ(NombreMes(13), QString());
    EXPECT_EQ(Nromes(QStringLiteral("marzo")), 3);
    EXPECT_EQ(Nromes(QStringLiteral("March")), 0);
    EXPECT_EQ(TextoDia(QStringLiteral("5"), QStringLiteral("Marzo"), QStringLiteral(" 2024 ")),
              QStringLiteral("05/3/2024"));
    EXPECT_EQ(TextoDia(QStringLiteral("5"), QStringLiteral("Noviembre"), QStringLiteral("2024")),
              QStringLiteral("05/11/2024"));
}

namespace {
// A text box in memory; setting the text puts the caret at its end.
class CajaFalsa : public CajaTexto {
public:
    QString texto;
    int cursor = 0;
    int largo = 10;
    QString etiqueta = QStringLiteral("fecha");
    QString Texto() const override { return texto; }
    void FijarTexto(const QString& t) override {
        texto = t;
        cursor = static_cast<int>(t.size());
    }
    int Cursor() const override { return cursor; }
    void FijarCursor(int p) override { cursor = p; }
    int LargoMaximo() const override { return largo; }
    QString Etiqueta() const override { return etiqueta; }

    // Types a key; true when the mask discarded it.
    bool teclear(int tecla) {
        ClsDatosOk(*this, tecla);
        return tecla == 0;
    }
};
} // namespace

TEST(MascaraFecha, LosDigitosSaltanLasBarras) {
    CajaFalsa c;
    c.texto = QStringLiteral("  /  /    ");
    std::vector<int> cursores;
    for (const char d : std::string("12032024")) {
        EXPECT_TRUE(c.teclear(d));
        cursores.push_back(c.cursor);
    }
    EXPECT_EQ(c.texto, QStringLiteral("12/03/2024"));
    EXPECT_EQ(cursores, (std::vector<int>{2, 3, 5, 6, 8, 9, 10, 10}));
    // A letter is discarded and only turns other non-digits into blanks.
    c.texto = QStringLiteral("1x/03/20a4");
    c.cursor = 4;
    EXPECT_TRUE(c.teclear('z'));
    EXPECT_EQ(c.texto, QStringLiteral("1 /03/20 4"));
    EXPECT_EQ(c.cursor, 4);
    // Backspace blanks the character before the caret, stepping over a slash.
    c.texto = QStringLiteral("12/03/2024");
    c.cursor = 6;
    EXPECT_TRUE(c.teclear(8));
    EXPECT_EQ(c.texto, QStringLiteral("12/0 /2024"));
    EXPECT_EQ(c.cursor, 4);
    // A short text is padded so that the mask works from the first key.
    c.texto.clear();
    c.cursor = 0;
    EXPECT_TRUE(c.teclear('3'));
    EXPECT_EQ(c.texto, QStringLiteral("3 /  /    "));
}

TEST(MascaraFecha, SoloActuaEnCajasDeFecha) {
    CajaFalsa c;
    c.etiqueta = QStringLiteral("MA_CUENTAS");
    c.texto = QStringLiteral("caja");
    c.cursor = 4;
    EXPECT_FALSE(c.teclear('x'));
    EXPECT_EQ(c.texto, QStringLiteral("caja"));
    EXPECT_EQ(c.cursor, 4);
}
