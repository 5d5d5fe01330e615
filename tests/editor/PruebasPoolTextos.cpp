// The pool of grid texts: every index gives back exactly its text across
// block boundaries and table growth, equal texts share one index, and a
// text longer than a block is kept whole.
#include "PoolTextos.h"
#include <gtest/gtest.h>

TEST(PoolTextos, CadaIndiceDevuelveSuTextoExacto) {
    PoolTextos pool;
    std::vector<QString> textos;
    // Enough texts to fill several blocks and grow the table many times.
    for (int i = 0; i < 60000; ++i)
        textos.push_back(QStringLiteral("%1-ñ").arg(i, 8, 10, QChar(u'0')));
    textos.push_back(QString());
    textos.push_back(QString(70000, u'x')); // longer than a block
    textos.push_back(QStringLiteral("Débito fiscal"));
    std::vector<std::int32_t> indices;
    for (const QString& t : textos)
        indices.push_back(pool.indice(t));
    for (std::size_t i = 0; i < textos.size(); ++i) {
        EXPECT_EQ(indices[i], static_cast<std::int32_t>(i));
        ASSERT_EQ(pool.texto(indices[i]), textos[i]) << i;
    }
    // Asked again, in another order, the same indices come back.
    for (std::size_t i = textos.size(); i-- > 0;)
        ASSERT_EQ(pool.indice(textos[i]), indices[i]) << i;
    EXPECT_EQ(pool.cantidad(), static_cast<int>(textos.size()));
    // Letter case makes another text.
    EXPECT_NE(pool.indice(QStringLiteral("débito fiscal")), indices.back());
    EXPECT_TRUE(pool.vista(-1).isEmpty());

    pool.limpiar();
    EXPECT_EQ(pool.cantidad(), 0);
    EXPECT_EQ(pool.indice(QStringLiteral("otra vez")), 0);
    EXPECT_EQ(pool.texto(0), QStringLiteral("otra vez"));
}

TEST(PoolTextos, ElUltimoTextoDeUnCampoEvitaLaBusqueda) {
    PoolTextos pool;
    PoolTextos::Ultimo ultimo;
    const std::int32_t a = pool.indice(QStringLiteral("1.1.01"), ultimo);
    EXPECT_EQ(pool.indice(QStringLiteral("1.1.01"), ultimo), a);
    const std::int32_t b = pool.indice(QStringLiteral("4.1.01"), ultimo);
    EXPECT_NE(a, b);
    EXPECT_EQ(pool.indice(QStringLiteral("1.1.01"), ultimo), a);
    // A cleared pool forgets its texts; a cleared memory starts again.
    pool.limpiar();
    ultimo = {};
    EXPECT_EQ(pool.indice(QStringLiteral("4.1.01"), ultimo), 0);
    EXPECT_EQ(pool.texto(0), QStringLiteral("4.1.01"));
}
