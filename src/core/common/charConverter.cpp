#include "common/charConverter.h"

#include "common/ConvertError.h"

#include <string_view>

namespace vlm {

namespace {

// cp1250 Polish letters and their ASCII replacements, position by position.
constexpr std::string_view kPolish = "\x8C\x8F\x9C\x9F\xA3\xA5\xAF\xB3\xB9\xBF"
                                     "\xC6\xCA\xD1\xD3\xE6\xEA\xF1\xF3";
constexpr std::string_view kAscii = "SZszLAZlazCENOceno";

bool IsAsciiAlnum(unsigned char b) {
    return (b >= '0' && b <= '9') || (b >= 'a' && b <= 'z') || (b >= 'A' && b <= 'Z');
}

} // namespace

std::string CharToEntity(char ch) {
    const auto b = static_cast<unsigned char>(ch);
    if (b == ' ' || IsAsciiAlnum(b) || kPolish.find(ch) != std::string_view::npos)
        return std::string(1, ch);
    return "&#0" + std::to_string(b) + ";";
}

std::string TextToEntities(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text)
        out += CharToEntity(c);
    return out;
}

std::string EntitiesToText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    std::size_t pos = 0;
    while (true) {
        const std::size_t amp = text.find("&#", pos);
        if (amp == std::string_view::npos)
            break;
        out.append(text.substr(pos, amp - pos));
        const std::size_t semi = text.find(';', amp + 2);
        if (semi == std::string_view::npos) {
            pos = amp;
            break;
        }
        const std::string_view number = text.substr(amp + 2, semi - amp - 2);
        unsigned value = 0;
        bool valid = !number.empty();
        for (char c : number) {
            if (c < '0' || c > '9' || value > 255) {
                valid = false;
                break;
            }
            value = value * 10 + static_cast<unsigned>(c - '0');
        }
        if (!valid || value > 255)
            throw ConvertError("'" + std::string(number) +
                               "' is not a valid character code at position " +
                               std::to_string(amp + 1));
        out += static_cast<char>(value);
        pos = semi + 1;
    }
    out.append(text.substr(pos));
    return out;
}

std::string PolishToAscii(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        const std::size_t i = kPolish.find(c);
        if (i != std::string_view::npos)
            c = kAscii[i];
    }
    return out;
}

std::string StripPunctuation(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        const auto b = static_cast<unsigned char>(c);
        if (!((b >= 0x22 && b <= 0x2F) || (b >= 0x3A && b <= 0x40)))
            out += c;
    }
    return out;
}

} // namespace vlm
