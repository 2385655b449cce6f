#pragma once
// An INI file held in memory, with the semantics the program relies on:
// section and key names compared without case (ASCII only), the first match
// wins, values read whole (no length limit), trimmed of surrounding blanks,
// and everything written back in its original order. Bytes are kept as they
// are (cp1250 text).

#include "common/AsciiText.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace vlm {

class TIniFile {
public:
    TIniFile() = default;

    // Parses INI text (CR LF, LF or CR line ends). Never fails: lines that are
    // neither a section, a key nor a comment are kept and ignored.
    static TIniFile FromText(const std::string& text);
    // Nothing when the file cannot be read.
    static std::optional<TIniFile> Load(const std::filesystem::path& file);

    std::string ReadString(const std::string& section, const std::string& key,
                           const std::string& def = {}) const;
    // Decimal (or "0x" hexadecimal) integer; the default when missing or not a number.
    int ReadInteger(const std::string& section, const std::string& key, int def = 0) const;
    // An integer value: 0 is false, any other number true; the default otherwise.
    bool ReadBool(const std::string& section, const std::string& key, bool def = false) const;

    void WriteString(const std::string& section, const std::string& key, const std::string& value);
    void WriteInteger(const std::string& section, const std::string& key, int value);
    void WriteBool(const std::string& section, const std::string& key, bool value); // "1"/"0"

    bool SectionExists(const std::string& section) const;
    bool ValueExists(const std::string& section, const std::string& key) const;
    std::vector<std::string> Sections() const;
    // Key names of a section in file order (duplicates included).
    std::vector<std::string> SectionKeys(const std::string& section) const;
    // key/value pairs of a section in file order.
    std::vector<std::pair<std::string, std::string>>
    SectionValues(const std::string& section) const;
    void EraseSection(const std::string& section);
    void DeleteKey(const std::string& section, const std::string& key);

    // The text as the in-memory writer lays it out: every section as "[name]",
    // its "key=value" lines and one empty line; lines end with CR LF. An
    // empty file gives an empty text.
    std::string ToText() const;
    // Writes ToText() through a temporary file renamed over the target.
    bool Save(const std::filesystem::path& file) const;

private:
    struct Entry {
        std::string key;   // empty for a kept non-key line
        std::string value; // or the raw line
        bool isKey = true;
    };
    struct Section {
        std::string name;
        std::vector<Entry> entries;
        bool header = true; // false for the lines before the first section
    };
    const Section* FindSection(const std::string& name) const;
    Section* FindSection(const std::string& name);
    std::vector<Section> sections_;
};

} // namespace vlm
