#pragma once
// The configuration record read from configuration/config.ini at start and
// written back at exit, and the command-line switches.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace vlm {

struct TVLMXConfig {
    std::filesystem::path LanguageFile; // program folder / configuration / lang / file name
    std::string LanguageCode = "PL";    // used in folder names, matched exactly for the index
    int LanguageIndex = 0;              // selects the variant of each language text
    std::string DefaultTemplatesDesign = "Orvanta - standard";
    std::string CaptionFormat; // stored only, written back unchanged
    bool AutoSave = true;      // always on, whatever config.ini says
    bool AutoUpdate = false;
    bool PaintElements = true;
};

// The process's configuration: filled before any window exists.
extern TVLMXConfig AppConfig;

// configuration/config.ini under the program folder.
std::filesystem::path ConfigFilePath(const std::filesystem::path& programDir);
// The folder of the language files under the program folder.
std::filesystem::path LanguageFolder(const std::filesystem::path& programDir);

// The index of a language code ("PL" 0, "EN" 1, "DE" 2, "FR" 3, "CU" 4),
// compared with case; nothing for any other code.
std::optional<int> LanguageIndexOfCode(const std::string& code);

// Reads config.ini (defaults when it is missing or unreadable); AutoSave and
// PaintElements are set to true; LanguageIndex follows a known code and is
// left as it was otherwise.
void LoadConfiguration(TVLMXConfig& config, const std::filesystem::path& programDir);

// Makes an existing config.ini writable, then writes the eight keys (the
// language file always as "lang.lang"); other contents of the file stay.
// Returns false when the file cannot be written.
bool SaveConfiguration(const TVLMXConfig& config, const std::filesystem::path& programDir);

// The defaults of the options dialog's reset button; writes nothing.
void ResetConfiguration(TVLMXConfig& config, const std::filesystem::path& programDir);

// True when any argument (the program's own path included) is the bare word
// `name`, compared without case.
bool HasCommandLineSwitch(const std::vector<std::string>& args, const std::string& name);
// The arguments of main(), the program's own path first.
std::vector<std::string> CommandLineArgs(int argc, const char* const* argv);

} // namespace vlm
