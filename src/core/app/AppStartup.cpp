#include "app/AppStartup.h"

#include "common/Encoding.h"
#include "common/FilesTools.h"
#include "common/RunFolderMark.h"

namespace vlm {

namespace fs = std::filesystem;

void LoadStartupLanguage(const TVLMXConfig& config, TLanguage& lang) {
    lang.file = LoadLanguageFile(config.LanguageFile);
    lang.languageIndex = config.LanguageIndex;
}

fs::path StartProgramCore(const fs::path& executable, const EnvLookup& env, TVLMXConfig& config,
                          TLanguage& lang) {
    const fs::path programDir = FindProgramDir(executable, env);
    LoadConfiguration(config, programDir);
    LoadStartupLanguage(config, lang);
    return programDir;
}

std::optional<fs::path> CreateRunTempDir(const fs::path& systemTemp, Random& random,
                                         UserPrompt& prompt, const TLanguage& lang) {
    fs::path base = systemTemp;
    if (!base.has_filename() && base.has_parent_path())
        base = base.parent_path(); // the trailing separator goes
    // Working folders of runs that were killed would stay for ever.
    RemoveDeadRunFolders(base);
    if (auto dir = CreateUniqueFolder(base, "vlm", random))
        return dir;
    prompt.MessageBox({}, lang.LangText("MESSAGE_CANT_CREATE_TEMP_DIR"), DialogType::Error,
                      kButtonsOK);
    return std::nullopt;
}

std::optional<TProgramPaths> InitMainWindowCore(const fs::path& programDir, const EnvLookup& env,
                                                const fs::path& systemTemp, Random& random,
                                                UserPrompt& prompt, const TLanguage& lang,
                                                TLog& log) {
    log.Write("Main form", LogLevel::Begin);
    const auto runTemp = CreateRunTempDir(systemTemp, random, prompt, lang);
    if (!runTemp)
        return std::nullopt;
    TProgramPaths paths = InitProgramPaths(programDir, env);
    paths.RunTempDir = *runTemp;
    paths.RunTempMark = std::make_shared<const TRunFolderMark>(*runTemp);
    return paths;
}

void EnsureMainRegKey(SettingsStore& store) {
    if (!store.KeyExists(kMainRegKey))
        store.CreateKey(kMainRegKey);
}

void WriteLanguageValue(SettingsStore& store, const TVLMXConfig& config) {
    store.Write(kMainRegKey, "Language", PathToCp1250(config.LanguageFile));
}

void RemoveRunTempDir(const TProgramPaths& paths) {
    std::error_code ec;
    if (!paths.RunTempDir.empty() && fs::is_directory(paths.RunTempDir, ec))
        DeleteFolderTree(paths.RunTempDir);
}

bool FinishProgramCore(const TVLMXConfig& config, const fs::path& programDir) {
    return SaveConfiguration(config, programDir);
}

} // namespace vlm
