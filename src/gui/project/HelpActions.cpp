#include "project/HelpActions.h"

#include "app/GuiSession.h"
#include "app/IniLang.h"
#include "app/UserPrompt.h"
#include "app/VLMXConfig.h"
#include "common/Encoding.h"
#include "common/HelpTools.h"
#include "common/StringRoutines.h"
#include "project/MainWindow.h"

#include <filesystem>

namespace vlm {

namespace {

// A page the desktop refused is told, so the command does not fail unseen.
void Hand(TGuiSession& session, const std::filesystem::path& page) {
    if (!OpenHelpPage(page, session.Desktop()))
        session.Prompt().MessageDlg(
            ReplaceFirst(LangText("ERROR_FILE_NOT_FOUND"), "%s", PathToCp1250(page)),
            DialogType::Error, kButtonsOK);
}

} // namespace

void ConnectHelpActions(TfrmMain& window, TGuiSession& session) {
    window.On("actHelp", [&session] {
        Hand(session, HelpIndexFile(session.ProgramDir(), AppConfig.LanguageCode));
    });
    window.On("actFAQ", [&session] {
        Hand(session, FaqIndexFile(session.ProgramDir(), AppConfig.LanguageCode));
    });
    window.On("actHomePage", [&session] {
        const std::string address = LangText("AUTHOR_WWW_ADRESS");
        if (!address.empty())
            session.Desktop().Open(address);
    });
}

} // namespace vlm
