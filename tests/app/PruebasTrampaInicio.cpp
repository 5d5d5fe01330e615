#include "ContratoErrores.h"
#include "Inicio.h"
#include "Programa.h"
#include <QStringList>
#include <gtest/gtest.h>

TEST(TrampaInicio, ArgumentoInvalidoSigueYOtroErrorTerminaEnSilencio) {
    ContratoErrores trampa(TrampaInicio);
    QStringList hechos;
    trampa.paso(
        [&] { throw ErrorVB(CodigosError::ArgumentoInvalido, QStringLiteral("argumento")); });
    trampa.paso([&] { hechos << QStringLiteral("siguiente"); });
    EXPECT_EQ(hechos, QStringList{QStringLiteral("siguiente")});
    try {
        trampa.paso([&] { throw ErrorVB(91, QStringLiteral("objeto no establecido")); });
        FAIL() << "the process should have ended";
    } catch (const Programa::FinDelPrograma& fin) {
        EXPECT_EQ(fin.codigo, 0);
    }
}
