// The sort by a column title against a plain stable sort of the cell texts.
#include "ModeloAsientos.h"
#include <QStringList>
#include <algorithm>
#include <gtest/gtest.h>
#include <numeric>

namespace {
// Vouchers and lines whose texts tie, differ only in letter case, hold
// numbers that sort as text (10 before 9), amounts as numbers and as text,
// an edited cell, and empty cells.
void grilla(ModeloAsientos& g) {
    g.Inicializar(true);
    const QString cuentas[] = {QStringLiteral("1.1.02"), QStringLiteral("a.1"),
                               QStringLiteral("A.1"), QStringLiteral("4.1.01"), QString()};
    const QVariant importes[] = {121.5, 9.0, 10.0, QStringLiteral("N/D"), 0.25, 121.5};
    int k = 0;
    for (int v = 0; v < 4; ++v) {
        g.AgregarCabecera({v % 2 ? QStringLiteral("RC") : QStringLiteral("FC"), "0001",
                           QStringLiteral("%1").arg(10 - v, 8, 10, QChar(u'0')), "A",
                           QStringLiteral("Detalle %1").arg(v % 3), " 1"});
        for (int n = 1; n <= 12 - 3 * v; ++n, ++k) {
            DatosLinea d;
            d.cuenta = cuentas[k % 5];
            d.descripcion = k % 4 ? QStringLiteral("Desc %1").arg(k % 7) : QString();
            d.debeHaber = k % 3 ? QStringLiteral("D") : QStringLiteral("H");
            d.importe = importes[k % 6];
            if (k % 4 == 1) {
                d.nombre = QStringLiteral("x");
                d.libro = k % 8 ? QStringLiteral("V") : QStringLiteral("v");
                d.total = QString::number(k);
            }
            const int fila = g.AgregarLinea(n, d);
            if (k % 5 == 2)
                g.FijarCuentaPrincipal(fila, QStringLiteral("P%1").arg(k % 3), QStringLiteral("B"));
        }
    }
    g.FijarTexto(5, Columnas::Debe, QStringLiteral("8"));
    g.FijarTexto(7, Columnas::Cuenta, QStringLiteral("A.1"));
}

QStringList filas(const ModeloAsientos& g) {
    QStringList r;
    for (int f = 1; f < g.FilasGrid(); ++f) {
        QStringList celdas;
        for (int c = 0; c < g.Columnas(); ++c)
            celdas << g.Texto(f, c);
        r << celdas.join(u'|');
    }
    return r;
}
} // namespace

TEST(OrdenGrilla, ElMismoOrdenQueUnOrdenEstableDeLosTextos) {
    for (int columna = 0; columna < 16; ++columna) {
        SCOPED_TRACE(columna);
        ModeloAsientos g;
        grilla(g);
        // Sorted by another column first, so that ties keep a mixed order.
        for (const int c : {(columna + 7) % 16, columna}) {
            const QStringList antes = filas(g);
            std::vector<int> orden(static_cast<std::size_t>(antes.size()));
            std::iota(orden.begin(), orden.end(), 0);
            std::stable_sort(orden.begin(), orden.end(), [&](int a, int b) {
                return QString::compare(g.Texto(a + 1, c), g.Texto(b + 1, c), Qt::CaseSensitive) <
                       0;
            });
            QStringList esperado;
            for (const int i : orden)
                esperado << antes[i];
            g.Ordenar(c);
            EXPECT_EQ(filas(g), esperado);
        }
    }
}
