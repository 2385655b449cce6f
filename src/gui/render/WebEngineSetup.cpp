#include "render/WebEngineSetup.h"

#include <QCoreApplication>
#include <QtGlobal>

#include <unistd.h>

namespace vlm {

TWebEngineSetup PrepareWebEngine() {
    TWebEngineSetup setup;
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
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

} // namespace vlm
