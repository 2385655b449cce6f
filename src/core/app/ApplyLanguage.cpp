#include "app/ApplyLanguage.h"

#include "common/AsciiText.h"
#include "common/Encoding.h"

namespace vlm {

namespace fs = std::filesystem;

std::optional<TAppliedLanguage> ApplyLanguage(TLanguage& lang, const TVLMXConfig& config,
                                              const fs::path& programDir) {
    std::error_code ec;
    if (!fs::is_regular_file(config.LanguageFile, ec))
        return std::nullopt;
    lang.file = LoadLanguageFile(config.LanguageFile);
    lang.languageIndex = config.LanguageIndex;
    TAppliedLanguage a;
    a.contentLanguage = lang.LangText("LANG_CODE");
    ContentLanguage() = a.contentLanguage;
    const fs::path help = programDir / "help" / PathFromCp1250(config.LanguageCode);
    a.helpVisible = fs::is_regular_file(help / "help" / "index.html", ec);
    a.faqVisible = fs::is_regular_file(help / "faq" / "index.html", ec);
    a.projectFileFilter = ProjectFileFilter(lang);
    return a;
}

std::string ProjectFileFilter(const TLanguage& lang) {
    return lang.LangText("SFileFiltersProject") + "|*.vlmproject;*.prj";
}

std::string RootNodeText(const TLanguage& lang, const std::string& rootItemName) {
    return lang.LangText("TREE_TEXT_PROJECT") + ": " + rootItemName;
}

std::string UpdateCheckAddress(const std::string& endpoint, const TLanguage& lang) {
    return endpoint + LowerCaseAscii(lang.LangText("LANG_CODE")) + "/";
}

void SelectProgramLanguage(TVLMXConfig& config, const std::string& code) {
    config.LanguageCode = code;
    if (const auto index = LanguageIndexOfCode(code))
        config.LanguageIndex = *index;
}

} // namespace vlm
