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
    const std::string v = SectionText("Misc", key);
    static const std::string kBreak = "*|*";
    // Built by appending: replacing in place moves the rest of the text at
    // every marker, which grows with the square of a long value.
    std::string text;
    text.reserve(v.size());
    std::size_t from = 0;
    for (std::size_t p = v.find(kBreak); p != std::string::npos; p = v.find(kBreak, from)) {
        text.append(v, from, p - from);
        text += "\r\n";
        from = p + kBreak.size();
    }
    text.append(v, from);
    return text;
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
