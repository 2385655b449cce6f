#include "resources/ResourcesNewName.h"

#include "common/Encoding.h"
#include "resources/ResourceFolder.h"

#include <array>
#include <cstdint>
#include <system_error>

namespace vlm {

namespace {

// Plain letter of each cp1250 byte from 0x80 up; 0 where the byte becomes "_".
constexpr std::array<char, 128> MakeFolding() {
    std::array<char, 128> t{};
    auto set = [&t](int from, int to, char c) {
        for (int b = from; b <= to; ++b)
            t[b - 0x80] = c;
    };
    set(0x8F, 0x8F, 'Z');
    set(0x9F, 0x9F, 'z');
    set(0xA3, 0xA3, 'L');
    set(0xA5, 0xA5, 'A');
    set(0xAF, 0xAF, 'Z');
    set(0xB3, 0xB3, 'l');
    set(0xB9, 0xB9, 'a');
    set(0xBF, 0xBF, 'z');
    set(0xC0, 0xC5, 'A');
    set(0xC6, 0xC7, 'C');
    set(0xC8, 0xCB, 'E');
    set(0xCC, 0xCF, 'I');
    set(0xD1, 0xD1, 'N');
    set(0xD2, 0xD6, 'O');
    set(0xD8, 0xD8, 'O');
    set(0xD9, 0xDC, 'U');
    set(0xDD, 0xDD, 'Y');
    set(0xDF, 0xDF, 's');
    set(0xE0, 0xE5, 'a');
    set(0xE6, 0xE7, 'c');
    set(0xE8, 0xEB, 'e');
    set(0xEC, 0xEF, 'i');
    set(0xF1, 0xF1, 'n');
    set(0xF2, 0xF6, 'o');
    set(0xF8, 0xF8, 'o');
    set(0xF9, 0xFC, 'u');
    set(0xFD, 0xFD, 'y');
    set(0xFF, 0xFF, 'y');
    return t;
}
constexpr std::array<char, 128> kFolding = MakeFolding();

bool IsAsciiAlnum(unsigned char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

} // namespace

std::string ResourceFileName(const std::string& name) {
    std::string out;
    out.reserve(name.size());
    for (char ch : name) {
        auto c = static_cast<unsigned char>(ch);
        if (IsAsciiAlnum(c) || c == '+' || c == '-' || c == '.' || c == '_')
            out += ch;
        else if (c >= 0x80 && kFolding[c - 0x80] != 0)
            out += kFolding[c - 0x80];
        else
            out += '_';
    }
    return out;
}

std::string ProposeResourceNewName(const std::filesystem::path& folder, const std::string& name) {
    auto [base, extension] = SplitExtension(name);
    const std::string normBase = ResourceFileName(base);
    const std::string normExt = ResourceFileName(extension);
    std::string proposal = normBase + normExt;
    for (int n = 1; EntryExistsNoCase(folder, proposal); ++n)
        proposal = normBase + std::to_string(n) + normExt;
    for (char& ch : proposal) {
        auto c = static_cast<unsigned char>(ch);
        if (!IsAsciiAlnum(c) && c != ' ' && c != '.' && c != '_')
            ch = '_';
    }
    return proposal;
}

std::optional<std::filesystem::path> ResourceImportTarget(const std::filesystem::path& folder,
                                                          const std::string& name) {
    const std::string normalised = ResourceFileName(name);
    if (!IsPlainFileName(normalised))
        return std::nullopt;
    return folder / DiskName(normalised);
}

namespace {

// Latin letters cp1250 lacks, by code point, as plain letters.
const char* PlainLatin(std::uint32_t cp) {
    switch (cp) {
    case 0xC0: case 0xC3: case 0xC5: return "A";
    case 0xE0: case 0xE3: case 0xE5: return "a";
    case 0xC6: return "AE";
    case 0xE6: return "ae";
    case 0xC8: case 0xCA: return "E";
    case 0xE8: case 0xEA: return "e";
    case 0xCC: case 0xCF: return "I";
    case 0xEC: case 0xEF: return "i";
    case 0xD1: return "N";
    case 0xF1: return "n";
    case 0xD2: case 0xD5: case 0xD8: return "O";
    case 0xF2: case 0xF5: case 0xF8: return "o";
    case 0x152: return "OE";
    case 0x153: return "oe";
    case 0xD9: case 0xDB: return "U";
    case 0xF9: case 0xFB: return "u";
    case 0xFF: return "y";
    default: return nullptr;
    }
}

// The UTF-8 name as cp1250, letters cp1250 lacks made plain where they can be.
std::string Cp1250Spelling(const std::string& utf8) {
    std::string out;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto b = static_cast<unsigned char>(utf8[i]);
        const std::size_t length = b < 0x80 ? 1 : b < 0xE0 ? 2 : b < 0xF0 ? 3 : 4;
        const std::string character = utf8.substr(i, length);
        i += length;
        std::uint32_t cp = b;
        if (length > 1 && character.size() == length) {
            cp = b & (0x7F >> length);
            for (std::size_t k = 1; k < length; ++k)
                cp = (cp << 6) | (static_cast<unsigned char>(character[k]) & 0x3F);
        }
        const std::string kept = Utf8ToCp1250(character);
        if (kept != "?" || character == "?")
            out += kept;
        else if (const char* plain = PlainLatin(cp))
            out += plain;
        else
            out += '_';
    }
    return out;
}

} // namespace

std::vector<TRenamedResource> RenameFilesCp1250CannotName(const std::filesystem::path& folder) {
    namespace fs = std::filesystem;
    std::vector<TRenamedResource> renamed;
    std::error_code ec;
    std::vector<fs::path> broken;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const fs::path name = it->path().filename();
        if (it->is_regular_file(ec) && PathFromCp1250(PathToCp1250(name)) != name)
            broken.push_back(it->path());
    }
    for (const fs::path& file : broken) {
        const std::string name = ProposeResourceNewName(folder, Cp1250Spelling(file.filename().string()));
        std::error_code error;
        fs::rename(file, folder / PathFromCp1250(name), error);
        if (!error)
            renamed.push_back({file, name});
    }
    return renamed;
}

} // namespace vlm
