#pragma once
// One run of the desktop program: the configuration and language read as
// the program reads them, the log, the run's working folder, the Qt ports
// the core is handed, the component library and the renderer. Windows take
// references to what they need from here; nothing is reached globally.

#include "app/ApplyLanguage.h"
#include "app/Log.h"
#include "app/Options.h"
#include "app/QtSettingsStore.h"
#include "app/QtUserPrompt.h"
#include "app/VLMVars.h"
#include "common/Shell.h"
#include "common/SystemPorts.h"
#include "page/ComponentsManager.h"
#include "page/janXMLTree.h"
#include "render/VLMHTMLRender.h"
#include "render/WebEngineSetup.h"

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace vlm {

class TLanguage;

struct TGuiStartOptions {
    bool debug = false;     // "DEBUG": the debug menu
    bool log = false;       // "LOG": the diagnostic log
    TWebEngineSetup engine; // what the web engine's set-up did, for the log
};

// The bare words of the command line, in any case.
TGuiStartOptions ParseGuiArguments(const std::vector<std::string>& args);

class TGuiSession {
public:
    // `prompt`, when given, answers the core's questions instead of the
    // dialogs (tests script it); it must outlive the session.
    TGuiSession(const std::filesystem::path& executable, const TGuiStartOptions& options,
                std::unique_ptr<SettingsStore> settings = std::make_unique<QtSettingsStore>(),
                UserPrompt* prompt = nullptr);
    ~TGuiSession();
    TGuiSession(const TGuiSession&) = delete;
    TGuiSession& operator=(const TGuiSession&) = delete;

    // Reads the configuration and language, opens the log, makes the run's
    // working folder and loads the component library; false when the run
    // cannot go on (the user has been told why).
    bool Start();

    TLanguage& Language();
    // What the language file last loaded asks of the windows.
    const TAppliedLanguage& AppliedLanguage() const { return applied_; }
    // The language commands: the language of this code loaded again; false
    // when its file is missing (nothing changed then).
    bool SwitchLanguage(const std::string& code);
    UserPrompt& Prompt() { return prompt_; }
    // The dialogs, to parent them to the main window.
    QtUserPrompt& Dialogs() { return dialogs_; }
    SettingsStore& Settings() { return *settings_; }
    // The stored options ("CacheSize", the grid, ...) once started.
    TOptions& ProgramOptions() { return *programOptions_; }
    TComponentsCollection& Library() { return library_; }
    TVLMHTMLRender& Renderer() { return *renderer_; }
    const TProgramPaths& Paths() const { return paths_; }
    const std::filesystem::path& ProgramDir() const { return programDir_; }
    const TGuiStartOptions& Options() const { return options_; }
    // Where documents and web pages are handed to the desktop; tests put a
    // recorder in its place.
    Shell& Desktop() { return *desktop_; }
    void SetDesktop(std::unique_ptr<Shell> desktop) { desktop_ = std::move(desktop); }

    SystemClock clock;
    SystemRandom random;
    SystemGuidSource guids;

private:
    std::filesystem::path executable_;
    TGuiStartOptions options_;
    std::unique_ptr<SettingsStore> settings_;
    std::unique_ptr<TOptions> programOptions_; // written back to settings_ when it goes
    QtUserPrompt dialogs_;
    UserPrompt& prompt_;
    std::filesystem::path programDir_;
    TProgramPaths paths_;
    std::unique_ptr<TLog> log_;
    std::unique_ptr<TjanXMLTree> definitions_; // outlives the library that points into it
    TComponentsCollection library_;
    std::unique_ptr<TVLMHTMLRender> renderer_;
    TAppliedLanguage applied_;
    std::unique_ptr<Shell> desktop_ = std::make_unique<SystemShell>();
    bool started_ = false;
};

} // namespace vlm
