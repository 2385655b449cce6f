#include "common/Encoding.h"

#include <array>
#include <cstdint>

namespace vlm {

namespace {

// Code points of the cp1250 bytes 80..FF.
constexpr std::array<std::uint16_t, 128> kHighHalf = {
    0x20AC, 0x0081, 0x201A, 0x0083, 0x201E, 0x2026, 0x2020, 0x2021, //
    0x0088, 0x2030, 0x0160, 0x2039, 0x015A, 0x0164, 0x017D, 0x0179, //
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, //
    0x0098, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A, //
    0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7, //
    0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B, //
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7, //
    0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C, //
    0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7, //
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E, //
    0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7, //
    0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF, //
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7, //
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F, //
    0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7, //
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9, //
};

void AppendUtf8(std::string& out, std::uint32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

char ToCp1250(std::uint32_t cp) {
    if (cp < 0x80)
        return static_cast<char>(cp);
    for (std::size_t i = 0; i < kHighHalf.size(); ++i)
        if (kHighHalf[i] == cp)
            return static_cast<char>(0x80 + i);
    return '?';
}

// Decodes one UTF-8 sequence at text[pos]; returns its length, 0 when malformed
// (overlong forms, surrogates and values above U+10FFFF count as malformed).
std::size_t DecodeUtf8(std::string_view text, std::size_t pos, std::uint32_t& cp) {
    const auto b0 = static_cast<unsigned char>(text[pos]);
    std::size_t len;
    std::uint32_t min;
    if (b0 < 0x80) {
        cp = b0;
        return 1;
    } else if ((b0 & 0xE0) == 0xC0) {
        len = 2, cp = b0 & 0x1F, min = 0x80;
    } else if ((b0 & 0xF0) == 0xE0) {
        len = 3, cp = b0 & 0x0F, min = 0x800;
    } else if ((b0 & 0xF8) == 0xF0) {
        len = 4, cp = b0 & 0x07, min = 0x10000;
    } else {
        return 0;
    }
    if (pos + len > text.size())
        return 0;
    for (std::size_t i = 1; i < len; ++i) {
        const auto b = static_cast<unsigned char>(text[pos + i]);
        if ((b & 0xC0) != 0x80)
            return 0;
        cp = (cp << 6) | (b & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return 0;
    return len;
}

} // namespace

std::string Cp1250ToUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size() + text.size() / 2);
    for (char c : text) {
        const auto b = static_cast<unsigned char>(c);
        AppendUtf8(out, b < 0x80 ? b : kHighHalf[b - 0x80]);
    }
    return out;
}

std::string Utf8ToCp1250(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::uint32_t cp = 0;
        const std::size_t len = DecodeUtf8(text, pos, cp);
        if (len == 0) {
            out += '?';
            ++pos;
        } else {
            out += ToCp1250(cp);
            pos += len;
        }
    }
    return out;
}

std::filesystem::path PathFromCp1250(std::string_view text) {
    return std::filesystem::path(Cp1250ToUtf8(text));
}

std::string PathToCp1250(const std::filesystem::path& path) {
    return Utf8ToCp1250(path.string());
}

std::filesystem::path PathFromStoredText(std::string_view text) {
    std::string generic(text);
    for (char& c : generic)
        if (c == '\\')
            c = '/';
    return PathFromCp1250(generic);
}

} // namespace vlm
