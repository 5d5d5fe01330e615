// Test entry point: a headless application object (widgets are real, no
// window reaches a screen), and a fresh process before every case, with the
// scripted dialog side, so that no test can block on a modal window and no
// case sees what another one left behind.
#include "ReinicioPrueba.h"
#include <QApplication>
#include <gtest/gtest.h>

namespace {
class ProcesoNuevo : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo&) override { ReiniciarProceso(); }
    void OnTestEnd(const ::testing::TestInfo&) override { ReiniciarProceso(); }
};
} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::UnitTest::GetInstance()->listeners().Append(new ProcesoNuevo);
    ReiniciarProceso();
    return RUN_ALL_TESTS();
}
