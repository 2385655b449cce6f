#pragma once
// The core half of applying the language to the main window: what the GUI
// needs after the language file is loaded again.

#include "app/IniLang.h"
#include "app/VLMXConfig.h"

#include <filesystem>
#include <optional>
#include <string>

namespace vlm {

struct TAppliedLanguage {
    std::string contentLanguage;   // LangText("LANG_CODE")
    bool helpVisible = false;      // help/<code>/help/index.html exists
    bool faqVisible = false;       // help/<code>/faq/index.html exists
    std::string projectFileFilter; // for the project open and save dialogs
};

// Nothing when config.LanguageFile does not exist (then nothing changes).
// Otherwise reloads the file into `lang` with the configuration's index, sets
// ContentLanguage() and returns what the window shows; the GUI translates
// the main window and the page designer with the reloaded language.
std::optional<TAppliedLanguage> ApplyLanguage(TLanguage& lang, const TVLMXConfig& config,
                                              const std::filesystem::path& programDir);

// LangText("SFileFiltersProject") + "|*.vlmproject;*.prj".
std::string ProjectFileFilter(const TLanguage& lang);
// LangText("TREE_TEXT_PROJECT") + ": " + the root item's name.
std::string RootNodeText(const TLanguage& lang, const std::string& rootItemName);
// The update check's address: endpoint + lower-cased "LANG_CODE" text + "/".
std::string UpdateCheckAddress(const std::string& endpoint, const TLanguage& lang);

// The language commands: the code and its index (a code outside the table
// keeps the index).
void SelectProgramLanguage(TVLMXConfig& config, const std::string& code);

} // namespace vlm
