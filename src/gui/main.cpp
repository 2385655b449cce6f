// The desktop program.

#include "render/WebEngineSetup.h"

#include <QApplication>
#include <QMainWindow>

int main(int argc, char* argv[]) {
    vlm::WithoutEngineSanitizerReports(argv);
    vlm::PrepareWebEngine();
    QApplication app(argc, argv);
    QMainWindow window;
    window.setObjectName("frmMain");
    window.setWindowTitle(QStringLiteral("Vellumar 4"));
    window.resize(1024, 700);
    window.show();
    return app.exec();
}
