#include "lexicon/LexiconFile.h"

#include "common/FileWrite.h"
#include "common/IniFile.h"
#include "common/charConverter.h"

#include <system_error>

namespace vlm {

TLexiconEntries ReadLexiconEntries(const std::filesystem::path& file) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(file, ec))
        return {};
    const auto ini = TIniFile::Load(file);
    if (!ini)
        return {};
    return ini->SectionValues(kLexiconSection);
}

std::vector<TLexiconUnit> ReadLexiconFile(const std::filesystem::path& file) {
    std::vector<TLexiconUnit> units;
    for (const auto& [key, value] : ReadLexiconEntries(file))
        units.push_back({key, EntitiesToText(value)});
    return units;
}

std::string LexiconFileText(const std::vector<TLexiconUnit>& units) {
    // Written line by line in the layout of the in-memory INI writer: its
    // case-insensitive keys would merge "Kot" and "kot", which the editor
    // allows as two keywords.
    if (units.empty())
        return {};
    std::string text = std::string("[") + kLexiconSection + "]\r\n";
    for (const auto& u : units)
        text += u.keyword + "=" + TextToEntities(u.definition) + "\r\n";
    text += "\r\n";
    return text;
}

bool SaveLexiconFile(const std::filesystem::path& file, const std::vector<TLexiconUnit>& units) {
    return WriteFileAtomic(file, LexiconFileText(units));
}

} // namespace vlm
