#include "render/WebEngineSetup.h"

#include <QCoreApplication>
#include <QtGlobal>

#include <cstdlib>
#include <string>
#include <unistd.h>

namespace vlm {

TWebEngineSetup PrepareWebEngine() {
    TWebEngineSetup setup;
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    // The engine prints its whole configuration at every start otherwise.
    if (qEnvironmentVariableIsEmpty("QT_LOGGING_RULES"))
        qputenv("QT_LOGGING_RULES", "qt.webenginecontext.debug=false");
    if (::geteuid() == 0) {
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
        setup.sandboxOff = true;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        setup.offscreen = true;
    }
    return setup;
}

void WithoutEngineSanitizerReports(char** argv) {
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

} // namespace vlm
