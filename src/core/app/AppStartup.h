#pragma once
// The core's share of starting and ending the program: configuration,
// language, program paths and the run's working folder. The GUI and the
// command line call these in the order of their start-up.

#include "app/IniLang.h"
#include "app/Log.h"
#include "app/SettingsStore.h"
#include "app/UserPrompt.h"
#include "app/VLMVars.h"
#include "app/VLMXConfig.h"
#include "common/SystemPorts.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace vlm {

// Process start: the data folder is found, config.ini read into `config` and
// the language file loaded into `lang` when it exists (otherwise every
// language text is empty). Returns the data folder.
std::filesystem::path StartProgramCore(const std::filesystem::path& executable,
                                       const EnvLookup& env, TVLMXConfig& config, TLanguage& lang);

// Loads config.LanguageFile with its index into `lang`, or unloads it when
// the file does not exist.
void LoadStartupLanguage(const TVLMXConfig& config, TLanguage& lang);

// The run's working folder: a new folder "vlm" (plus random digits while the
// name is taken) in `systemTemp`. When it cannot be made, the user is told
// "MESSAGE_CANT_CREATE_TEMP_DIR" and nothing is returned: the program ends.
std::optional<std::filesystem::path> CreateRunTempDir(const std::filesystem::path& systemTemp,
                                                      Random& random, UserPrompt& prompt,
                                                      const TLanguage& lang);

// Main window creation: "Main form" at Begin in the log, the run's working
// folder, then the program paths. Nothing when the working folder cannot be
// made (the message was shown).
std::optional<TProgramPaths> InitMainWindowCore(const std::filesystem::path& programDir,
                                                const EnvLookup& env,
                                                const std::filesystem::path& systemTemp,
                                                Random& random, UserPrompt& prompt,
                                                const TLanguage& lang, TLog& log);

// Main window creation: the key "Software\Orvanta\Vellumar 4\4.0\Main" is
// created when missing.
void EnsureMainRegKey(SettingsStore& store);

// Main window close, after the course is closed: the value "Language" (the
// full language file path) under the main key.
void WriteLanguageValue(SettingsStore& store, const TVLMXConfig& config);

// Main window destruction: the run's working folder goes with its contents.
void RemoveRunTempDir(const TProgramPaths& paths);

// Process end: config.ini is written back.
bool FinishProgramCore(const TVLMXConfig& config, const std::filesystem::path& programDir);

} // namespace vlm
