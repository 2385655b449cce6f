#include "app/GuiSession.h"

#include "app/AppStartup.h"
#include "app/ApplyLanguage.h"
#include "app/IniLang.h"
#include "app/ProgramOptions.h"
#include "app/VLMXConfig.h"
#include "common/AsciiText.h"
#include "page/ClassDefinitions.h"

namespace vlm {

namespace fs = std::filesystem;

TGuiStartOptions ParseGuiArguments(const std::vector<std::string>& args) {
    TGuiStartOptions options;
    for (const std::string& arg : args) {
        if (SameTextAscii(arg, "DEBUG"))
            options.debug = true;
        else if (SameTextAscii(arg, "LOG"))
            options.log = true;
    }
    return options;
}

TGuiSession::TGuiSession(const fs::path& executable, const TGuiStartOptions& options,
                         std::unique_ptr<SettingsStore> settings, UserPrompt* prompt)
    : executable_(executable), options_(options), settings_(std::move(settings)),
      dialogs_(CurrentLanguage(), "Vellumar 4"), prompt_(prompt ? *prompt : dialogs_),
      library_(prompt_) {}

TGuiSession::~TGuiSession() {
    renderer_.reset();
    if (started_)
        RemoveRunTempDir(paths_);
    if (log_) {
        InstallProgramLog(nullptr);
        log_->Destroy(0);
    }
}

TLanguage& TGuiSession::Language() {
    return CurrentLanguage();
}

bool TGuiSession::Start() {
    const EnvLookup env = SystemEnvironment();
    TLanguage& lang = CurrentLanguage();
    programDir_ = StartProgramCore(executable_, env, AppConfig, lang);
    applied_ = ApplyLanguage(lang, AppConfig, programDir_).value_or(TAppliedLanguage{});
    if (!lang.LangText("PROGRAM_NAME").empty())
        dialogs_.SetAppTitle(lang.LangText("PROGRAM_NAME"));
    log_ = std::make_unique<TLog>(clock, SystemLogIdentity(executable_), executable_.parent_path(),
                                  !options_.log, false, false, "vellumar");
    InstallProgramLog(log_.get());
    std::error_code ec;
    const std::optional<TProgramPaths> made = InitMainWindowCore(
        programDir_, env, fs::temp_directory_path(ec), random, prompt_, lang, *log_);
    if (!made)
        return false;
    paths_ = *made;
    started_ = true;
    definitions_ = LoadComponentLibrary(library_, programDir_, prompt_, lang);
    if (!definitions_)
        return false;
    if (options_.engine.sandboxOff)
        log_->Write("Web engine: sandbox switched off, the program runs as root", LogLevel::System);
    // The stored options; a new cache size trims the cache to it at once.
    programOptions_ = std::make_unique<TOptions>(*settings_, ProgramOptionsKey());
    RegisterProgramOptions(*programOptions_, [this](const TOption& option) {
        if (option.Name == kOptCacheSize && renderer_) {
            const int megabytes = OptionInteger(option.Value, kDefaultCacheSize);
            renderer_->Cache().SetCacheSize(megabytes);
            renderer_->Cache().TrimCache(megabytes);
        }
    });
    renderer_ = std::make_unique<TVLMHTMLRender>(
        TRenderCache::FromOptions(paths_.UserDataDir, *programOptions_));
    return true;
}

bool TGuiSession::SwitchLanguage(const std::string& code) {
    TVLMXConfig config = AppConfig;
    SelectProgramLanguage(config, code);
    const std::optional<TAppliedLanguage> applied =
        ApplyLanguage(CurrentLanguage(), config, programDir_);
    if (!applied)
        return false;
    AppConfig = config;
    applied_ = *applied;
    return true;
}

} // namespace vlm
