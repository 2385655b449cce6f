// The desktop program.

#include "app/GuiSession.h"
#include "app/IniLang.h"
#include "app/QuitOnSignal.h"
#include "project/MainWindow.h"
#include "render/WebEngineSetup.h"

#include <QApplication>

#include <string>
#include <vector>

int main(int argc, char* argv[]) {
    vlm::WithoutEngineSanitizerReports(argv);
    const vlm::TWebEngineSetup engine = vlm::PrepareWebEngine();
    QApplication app(argc, argv);
    std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    vlm::TGuiStartOptions options = vlm::ParseGuiArguments(args);
    options.engine = engine;
    vlm::TGuiSession session(vlm::ExecutablePath(argc > 0 ? argv[0] : "vellumar"), options);
    if (!session.Start())
        return 1;
    vlm::TfrmMain window(session);
    session.Dialogs().SetParent(&window);
    vlm::QuitOnTerminationSignals(&window);
    window.show();
    return app.exec();
}
