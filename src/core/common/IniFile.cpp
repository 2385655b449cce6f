#include "common/IniFile.h"

#include "common/FileWrite.h"

#include <cstdlib>

namespace vlm {

namespace {
std::string TrimBlanks(const std::string& s) {
    std::size_t b = 0, e = s.size();
    while (b < e && (s[b] == ' ' || s[b] == '\t'))
        ++b;
    while (e > b && (s[e - 1] == ' ' || s[e - 1] == '\t'))
        --e;
    return s.substr(b, e - b);
}
} // namespace

TIniFile TIniFile::FromText(const std::string& text) {
    TIniFile ini;
    Section* current = nullptr;
    std::size_t pos = 0;
    while (pos <= text.size()) {
        std::size_t end = text.find_first_of("\r\n", pos);
        if (end == std::string::npos)
            end = text.size();
        std::string line = text.substr(pos, end - pos);
        if (end < text.size() && text[end] == '\r' && end + 1 < text.size() &&
            text[end + 1] == '\n')
            pos = end + 2;
        else
            pos = end + 1;
        const std::string t = TrimBlanks(line);
        if (t.empty()) {
            if (pos > text.size())
                break;
            continue;
        }
        if (t.front() == '[' && t.back() == ']') {
            ini.sections_.push_back({t.substr(1, t.size() - 2), {}});
            current = &ini.sections_.back();
            continue;
        }
        if (!current) {
            // Lines before the first section belong to no section; keep them
            // in an unnamed one so they survive a write-back.
            ini.sections_.push_back({std::string(), {}, false});
            current = &ini.sections_.back();
        }
        const std::size_t eq = t.find('=');
        if (t.front() == ';' || eq == std::string::npos) {
            current->entries.push_back({{}, t, false});
            continue;
        }
        current->entries.push_back(
            {TrimBlanks(t.substr(0, eq)), TrimBlanks(t.substr(eq + 1)), true});
    }
    return ini;
}

std::optional<TIniFile> TIniFile::Load(const std::filesystem::path& file) {
    const auto bytes = ReadFileBytes(file);
    if (!bytes)
        return std::nullopt;
    return FromText(*bytes);
}

const TIniFile::Section* TIniFile::FindSection(const std::string& name) const {
    for (const auto& s : sections_)
        if (s.header && SameTextAscii(s.name, name))
            return &s;
    return nullptr;
}

TIniFile::Section* TIniFile::FindSection(const std::string& name) {
    for (auto& s : sections_)
        if (s.header && SameTextAscii(s.name, name))
            return &s;
    return nullptr;
}

std::string TIniFile::ReadString(const std::string& section, const std::string& key,
                                 const std::string& def) const {
    if (const Section* s = FindSection(section))
        for (const auto& e : s->entries)
            if (e.isKey && SameTextAscii(e.key, key))
                return e.value;
    return def;
}

int TIniFile::ReadInteger(const std::string& section, const std::string& key, int def) const {
    const std::string v = ReadString(section, key);
    if (v.empty())
        return def;
    const char* begin = v.c_str();
    char* end = nullptr;
    int base = 10;
    std::string digits = v;
    bool neg = false;
    std::size_t i = 0;
    if (digits[i] == '-' || digits[i] == '+') {
        neg = digits[i] == '-';
        ++i;
    }
    if (digits.size() > i + 1 && digits[i] == '0' &&
        (digits[i + 1] == 'x' || digits[i + 1] == 'X')) {
        base = 16;
        i += 2;
    } else if (digits.size() > i && digits[i] == '$') {
        base = 16;
        i += 1;
    }
    begin = digits.c_str() + i;
    if (*begin == '\0')
        return def;
    const long long n = std::strtoll(begin, &end, base);
    if (end == begin || *end != '\0')
        return def;
    if (n > 0xFFFFFFFFll)
        return def;
    long long r = neg ? -n : n;
    return static_cast<int>(static_cast<std::int32_t>(static_cast<std::uint32_t>(r)));
}

bool TIniFile::ReadBool(const std::string& section, const std::string& key, bool def) const {
    constexpr int kMissing = 0x7FFFFFFF;
    const int n = ReadInteger(section, key, kMissing);
    if (n == kMissing && ReadString(section, key) != std::to_string(kMissing))
        return def;
    return n != 0;
}

void TIniFile::WriteString(const std::string& section, const std::string& key,
                           const std::string& value) {
    Section* s = FindSection(section);
    if (!s) {
        sections_.push_back({section, {}});
        s = &sections_.back();
    }
    for (auto& e : s->entries)
        if (e.isKey && SameTextAscii(e.key, key)) {
            e.value = value;
            return;
        }
    s->entries.push_back({key, value, true});
}

void TIniFile::WriteInteger(const std::string& section, const std::string& key, int value) {
    WriteString(section, key, std::to_string(value));
}

void TIniFile::WriteBool(const std::string& section, const std::string& key, bool value) {
    WriteString(section, key, value ? "1" : "0");
}

bool TIniFile::SectionExists(const std::string& section) const {
    return FindSection(section) != nullptr;
}

bool TIniFile::ValueExists(const std::string& section, const std::string& key) const {
    if (const Section* s = FindSection(section))
        for (const auto& e : s->entries)
            if (e.isKey && SameTextAscii(e.key, key))
                return true;
    return false;
}

std::vector<std::string> TIniFile::Sections() const {
    std::vector<std::string> out;
    for (const auto& s : sections_)
        if (s.header)
            out.push_back(s.name);
    return out;
}

std::vector<std::string> TIniFile::SectionKeys(const std::string& section) const {
    std::vector<std::string> out;
    if (const Section* s = FindSection(section))
        for (const auto& e : s->entries)
            if (e.isKey)
                out.push_back(e.key);
    return out;
}

std::vector<std::pair<std::string, std::string>>
TIniFile::SectionValues(const std::string& section) const {
    std::vector<std::pair<std::string, std::string>> out;
    if (const Section* s = FindSection(section))
        for (const auto& e : s->entries)
            if (e.isKey)
                out.emplace_back(e.key, e.value);
    return out;
}

void TIniFile::EraseSection(const std::string& section) {
    for (auto it = sections_.begin(); it != sections_.end(); ++it)
        if (it->header && SameTextAscii(it->name, section)) {
            sections_.erase(it);
            return;
        }
}

void TIniFile::DeleteKey(const std::string& section, const std::string& key) {
    if (Section* s = FindSection(section))
        for (auto it = s->entries.begin(); it != s->entries.end(); ++it)
            if (it->isKey && SameTextAscii(it->key, key)) {
                s->entries.erase(it);
                return;
            }
}

std::string TIniFile::ToText() const {
    std::string out;
    for (const auto& s : sections_) {
        if (s.header)
            out += "[" + s.name + "]\r\n";
        for (const auto& e : s.entries)
            out += (e.isKey ? e.key + "=" + e.value : e.value) + "\r\n";
        if (s.header)
            out += "\r\n";
    }
    return out;
}

bool TIniFile::Save(const std::filesystem::path& file) const {
    return WriteFileAtomic(file, ToText());
}

} // namespace vlm
