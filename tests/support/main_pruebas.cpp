// Test entry point: a headless application object (widgets are real, no
// window reaches a screen) and the scripted dialog side, so that no test can
// block on a modal window.
#include "DialogosGuion.h"
#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    EstablecerDialogos(std::make_shared<DialogosGuion>());
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
