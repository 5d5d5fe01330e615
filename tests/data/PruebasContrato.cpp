// The error contract as the data layer drives it: a recovery that sees each
// failure first, the treatment's answers, and a list of steps run in order.
#include "ContratoErrores.h"
#include <QStringList>
#include <gtest/gtest.h>

namespace {
using Decision = ContratoErrores::Decision;

// A step that fails the first veces times it runs, noting every run.
struct PasoQueFalla {
    QString nombre;
    int veces;
    QStringList* hechos;
    void operator()() {
        *hechos << nombre;
        if (veces-- > 0)
            throw ErrorVB(7, nombre);
    }
};
} // namespace

TEST(ContratoErrores, LaRecuperacionDecideAntesQueElTratamiento) {
    QStringList hechos;
    QList<Decision> decisiones{Decision::Repetir, Decision::Siguiente, Decision::Tratar};
    QList<int> respuestas{Respuestas::Ignorar};
    int tratados = 0;
    ContratoErrores c([&](const ErrorVB&) { return decisiones.takeFirst(); },
                      [&](const ErrorVB&) {
                          ++tratados;
                          return respuestas.takeFirst();
                      });
    // a fails twice: repeated, then passed over; b fails once and the
    // treatment ignores it; c runs.
    EXPECT_TRUE(c.pasos(PasoQueFalla{QStringLiteral("a"), 2, &hechos},
                        PasoQueFalla{QStringLiteral("b"), 1, &hechos},
                        PasoQueFalla{QStringLiteral("c"), 0, &hechos}));
    EXPECT_EQ(hechos, QStringList({"a", "a", "b", "c"}));
    EXPECT_EQ(tratados, 1);
    EXPECT_FALSE(c.salio());
    EXPECT_EQ(c.ultimoError().descripcion, QStringLiteral("b"));
}

TEST(ContratoErrores, SalirDetieneLaListaDePasos) {
    QStringList hechos;
    // Left by the recovery: the treatment is not asked, later steps never run.
    ContratoErrores porRecuperacion([](const ErrorVB&) { return Decision::Salir; },
                                    [](const ErrorVB&) -> int {
                                        ADD_FAILURE();
                                        return Respuestas::Reintentar;
                                    });
    EXPECT_FALSE(porRecuperacion.pasos(PasoQueFalla{QStringLiteral("a"), 1, &hechos},
                                       PasoQueFalla{QStringLiteral("b"), 0, &hechos}));
    EXPECT_TRUE(porRecuperacion.salio());
    EXPECT_FALSE(porRecuperacion.paso([&] { hechos << QStringLiteral("tarde"); }));
    // Left by a step that ends the routine without an error.
    ContratoErrores porPaso(ContratoErrores::Tratamiento{});
    EXPECT_FALSE(porPaso.pasos([&] { porPaso.salir(); }, [&] { hechos << QStringLiteral("c"); }));
    // Without a treatment a failure leaves.
    ContratoErrores sinTratamiento(ContratoErrores::Tratamiento{});
    EXPECT_FALSE(sinTratamiento.paso(PasoQueFalla{QStringLiteral("d"), 1, &hechos}));
    EXPECT_EQ(hechos, QStringList({"a", "d"}));
}
