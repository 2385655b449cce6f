#pragma once
// The process language for one test: a language file of the test's own
// text and a content language code, both restored afterwards.

#include "app/IniLang.h"
#include "common/IniFile.h"

#include <string>

namespace vlm::test {

class LanguageScope {
public:
    LanguageScope(const std::string& misc, const std::string& code)
        : savedLang_(CurrentLanguage()), savedCode_(ContentLanguage()) {
        CurrentLanguage().file = TIniFile::FromText("[Misc]\r\n" + misc);
        CurrentLanguage().languageIndex = 0;
        ContentLanguage() = code;
    }
    ~LanguageScope() {
        CurrentLanguage() = savedLang_;
        ContentLanguage() = savedCode_;
    }
    LanguageScope(const LanguageScope&) = delete;
    LanguageScope& operator=(const LanguageScope&) = delete;

private:
    TLanguage savedLang_;
    std::string savedCode_;
};

} // namespace vlm::test
