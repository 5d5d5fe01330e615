#pragma once
// One default-size demo database generated once for every test of a suite
// that only reads it.
#include "CarpetaTemporal.h"
#include "ConsultaSqlite.h"
#include "GeneradorDemo.h"
#include <gtest/gtest.h>
#include <memory>

class BaseDemoCompartida : public ::testing::Test {
protected:
    static constexpr int kLineas = 5000;

    static void SetUpTestSuite() {
        carpeta_ = std::make_unique<CarpetaTemporal>();
        QString error;
        ASSERT_TRUE(GenerarDemo(carpeta_->ruta(), QStringLiteral("DEMO"), kLineas, &error))
            << error.toStdString();
    }
    static void TearDownTestSuite() { carpeta_.reset(); }

    static QString archivo(const QString& nombre = QStringLiteral("DEMO.db")) {
        return carpeta_->ruta(nombre);
    }

    ConsultaSqlite db{archivo()};

private:
    static inline std::unique_ptr<CarpetaTemporal> carpeta_;
};
