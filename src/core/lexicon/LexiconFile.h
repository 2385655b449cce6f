#pragma once
// The course lexicon file "lexicon.ini": section "LEXICON", one line
// keyword=definition per keyword, definitions in numeric character entities.

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace vlm {

inline constexpr const char* kLexiconFileName = "lexicon.ini";
inline constexpr const char* kLexiconSection = "LEXICON";

// One keyword and its definition (decoded text).
struct TLexiconUnit {
    std::string keyword;
    std::string definition;
    bool operator==(const TLexiconUnit&) const = default;
};

using TLexiconEntries = std::vector<std::pair<std::string, std::string>>;

// The keys of "LEXICON" with their stored (encoded) values, in file order,
// duplicates included; empty when the file does not exist.
TLexiconEntries ReadLexiconEntries(const std::filesystem::path& file);
// The same with the definitions decoded.
std::vector<TLexiconUnit> ReadLexiconFile(const std::filesystem::path& file);

// The file's text: "[LEXICON]", one key=value line per unit in the given
// order, an empty line; the empty text for no units.
std::string LexiconFileText(const std::vector<TLexiconUnit>& units);
// Replaces the file with LexiconFileText. False when it cannot be written.
bool SaveLexiconFile(const std::filesystem::path& file, const std::vector<TLexiconUnit>& units);

} // namespace vlm
