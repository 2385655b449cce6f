#include "app/IniLang.h"

namespace vlm {

std::optional<TIniFile> LoadLanguageFile(const std::filesystem::path& path) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec))
        return std::nullopt;
    return TIniFile::Load(path);
}

std::string SelectLanguageVariant(const std::string& value, int languageIndex) {
    static const std::string kSep = "#|#";
    std::string v = value;
    if (v.find(kSep) != std::string::npos) {
        for (int i = 0; i < languageIndex; ++i) {
            const std::size_t p = v.find(kSep);
            if (p == std::string::npos)
                break;
            v.erase(0, p + kSep.size());
        }
    }
    const std::size_t p = v.find(kSep);
    if (p != std::string::npos)
        v.erase(p);
    if (v == " ")
        return {};
    return v;
}

std::string TLanguage::SectionText(const std::string& section, const std::string& key,
                                   const std::string& def) const {
    if (!file)
        return {};
    return SelectLanguageVariant(file->ReadString(section, key, def), languageIndex);
}

std::string TLanguage::LangText(const std::string& key) const {
    std::string v = SectionText("Misc", key);
    static const std::string kBreak = "*|*";
    std::size_t p = 0;
    while ((p = v.find(kBreak, p)) != std::string::npos) {
        v.replace(p, kBreak.size(), "\r\n");
        p += 2;
    }
    return v;
}

TLanguage& CurrentLanguage() {
    static TLanguage language;
    return language;
}

std::string LangText(const std::string& key) {
    return CurrentLanguage().LangText(key);
}

std::string& ContentLanguage() {
    static std::string code;
    return code;
}

} // namespace vlm
