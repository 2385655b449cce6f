#pragma once
// Language strings: one INI file holds every language; each value carries
// its variants separated by "#|#" in language-index order.

#include "common/IniFile.h"

#include <filesystem>
#include <optional>
#include <string>

namespace vlm {

// The loaded language file and the index that selects variants.
class TLanguage {
public:
    std::optional<TIniFile> file; // nothing when no language file is loaded
    int languageIndex = 0;

    // The message text of a key of section "Misc" for the current language,
    // with every "*|*" turned into CR LF; empty without a language file.
    std::string LangText(const std::string& key) const;
    // The selected variant of a raw value of any section (no "*|*" handling).
    std::string SectionText(const std::string& section, const std::string& key,
                            const std::string& def = {}) const;
};

std::optional<TIniFile> LoadLanguageFile(const std::filesystem::path& path);

// The variant for `languageIndex`; the last one serves when they run out; a
// variant of exactly one space is the empty text.
std::string SelectLanguageVariant(const std::string& value, int languageIndex);

// The process's language: set at start-up and by the language commands.
TLanguage& CurrentLanguage();
// LangText of CurrentLanguage(): every subsystem calls this.
std::string LangText(const std::string& key);
// The language of new content: LangText("LANG_CODE") as of the last ApplyLanguage.
std::string& ContentLanguage();

} // namespace vlm
