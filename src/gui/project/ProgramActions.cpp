#include "project/ProgramActions.h"

#include "app/GuiSession.h"
#include "project/MainWindow.h"

namespace vlm {

void ConnectProgramActions(TfrmMain& window, TGuiSession& session) {
    window.On("actExit", [&window] { window.close(); });
    window.On("actViewProjectPanel",
              [&window] { window.ShowLeftPanel(window.LeftPanel().isHidden()); });
    // Submenu holders: their commands are the submenus' items.
    window.On("actExport", {});
    window.On("actChoiseLanguage", {});
    for (const auto& [name, code] : {std::pair{"actLoadLangPL", "PL"}, {"actLoadLangEN", "EN"}})
        window.On(name, [&window, &session, code] {
            if (session.SwitchLanguage(code))
                window.Retranslate();
        });
}

} // namespace vlm
