#include "resources/ResourcesNewName.h"

#include "resources/ResourceFolder.h"

#include <array>

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

} // namespace vlm
