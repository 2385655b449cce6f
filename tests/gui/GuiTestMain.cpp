// One application object for every GUI test, made as the program makes it.

#include "render/WebEngineSetup.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    vlm::WithoutEngineSanitizerReports(argv);
    ::testing::InitGoogleTest(&argc, argv);
    vlm::PrepareWebEngine();
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
