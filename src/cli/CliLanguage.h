#pragma once
// The language the command line speaks: --lang, else the environment's
// language when the language file has it, else the configured one. The
// run's messages, its help and the content language of new courses and
// exports all follow it; config.ini is never changed.

#include "app/VLMVars.h"

#include <string>

namespace CLI {
class App;
}

namespace vlm::cli {

// "EN" for LC_ALL, LC_MESSAGES or LANG (the first set) such as "en_GB.UTF-8";
// empty for "C", "POSIX" or nothing.
std::string EnvironmentLanguage(const EnvLookup& env);

// The code of the run: `requested` when given; else the environment's when
// the loaded language file holds that language; else `configured`.
std::string RunLanguage(const std::string& requested, const EnvLookup& env,
                        const std::string& configured);

// Reads config.ini and the language file of the program folder (found as
// the program finds it, or `programDir`) and selects the run's language in
// AppConfig and CurrentLanguage(). Returns the program folder.
std::filesystem::path SelectRunLanguage(const std::string& programDir,
                                        const std::string& requested, const std::string& argv0,
                                        const EnvLookup& env);

// The values of --program-dir and --lang, read before the command line is
// parsed, so that its help is written in the run's language.
void ScanLanguageOptions(int argc, char** argv, std::string& programDir, std::string& language);

// The descriptions of the command line's commands and options, and the
// help's own labels, from section "vellumar-cli" of the language file
// (key: the command path, then the option's name: "export.scorm.--cmi-adapter");
// a key the file lacks keeps the English description.
void TranslateHelp(CLI::App& app);

} // namespace vlm::cli
