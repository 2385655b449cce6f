#include "common/StringTools.h"

#include "common/AsciiText.h"
#include "common/ConvertError.h"

#include <algorithm>

namespace vlm {

// clang-format off
const std::array<TextEscapePair, 151> TextEscapeTable = {{
    {"%21", "\x21"},
    {"%22", "\x22"},
    {"%23", "\x23"},
    {"%24", "\xA7"},
    {"%25", "\x25"},
    {"%26", "\x26"},
    {"%27", "\x27"},
    {"%28", "\x28"},
    {"%29", "\x29"},
    {"%40", "\x40"},
    {"%60", "\x60"},
    {"%80", "\x80"},
    {"%82", "\x82"},
    {"%84", "\x84"},
    {"%85", "\x85"},
    {"%86", "\x86"},
    {"%87", "\x87"},
    {"%89", "\x89"},
    {"%91", "\x91"},
    {"%92", "\x92"},
    {"%93", "\x93"},
    {"%94", "\x94"},
    {"%95", "\x95"},
    {"%96", "\x96"},
    {"%97", "\x97"},
    {"%99", "\x99"},
    {"%2A", "\x2A"},
    {"%2B", "\x2B"},
    {"%2C", "\x2C"},
    {"%2D", "\x2D"},
    {"%2E", "\x2E"},
    {"%2F", "\x2F"},
    {"%3A", "\x3A"},
    {"%3B", "\x3B"},
    {"%3C", "\x3C"},
    {"%3D", "\x3D"},
    {"%3E", "\x3E"},
    {"%3F", "\x3F"},
    {"%5B", "\x5B"},
    {"%5D", "\x5D"},
    {"%5E", "\x5E"},
    {"%5F", "\x5F"},
    {"%7B", "\x7B"},
    {"%7C", "\x7C"},
    {"%7D", "\x7D"},
    {"%7E", "\x7E"},
    {"%8A", "\x8A"},
    {"%8B", "\x8B"},
    {"%8C", "\x8C"},
    {"%8D", "\x8D"},
    {"%8E", "\x8E"},
    {"%8F", "\x8F"},
    {"%9A", "\x9A"},
    {"%9B", "\x9B"},
    {"%9C", "\x9C"},
    {"%9D", "\x9D"},
    {"%9E", "\x9E"},
    {"%9F", "\x9F"},
    {"%A1", "\xA1"},
    {"%A2", "\xA2"},
    {"%A2", "\xA2"},
    {"%A3", "\xA3"},
    {"%A4", "\xA4"},
    {"%A5", "\xA5"},
    {"%A6", "\xA6"},
    {"%A7", "\xA7"},
    {"%A8", "\xA8"},
    {"%A9", "\xA9"},
    {"%AA", "\xAA"},
    {"%AB", "\xAB"},
    {"%AC", "\xAC"},
    {"%AD", "\xAA"},
    {"%AE", "\xAE"},
    {"%AF", "\xAF"},
    {"%B1", "\xB1"},
    {"%B2", "\xB2"},
    {"%B3", "\xB3"},
    {"%B4", "\xB4"},
    {"%B5", "\xB5"},
    {"%B6", "\xB6"},
    {"%B7", "\xB7"},
    {"%B8", "\xB8"},
    {"%B9", "\xB9"},
    {"%BA", "\xBA"},
    {"%BB", "\xBB"},
    {"%BC", "\xBC"},
    {"%BD", "\xBD"},
    {"%BE", "\xBE"},
    {"%BF", "\xBF"},
    {"%C1", "\xC1"},
    {"%C2", "\xC2"},
    {"%C3", "\xC3"},
    {"%C4", "\xC4"},
    {"%C5", "\xC5"},
    {"%C6", "\xC6"},
    {"%C7", "\xC7"},
    {"%C8", "\xC8"},
    {"%C9", "\xC9"},
    {"%CA", "\xCA"},
    {"%CB", "\xCB"},
    {"%CC", "\xCC"},
    {"%CD", "\xCD"},
    {"%CE", "\xCE"},
    {"%CF", "\xCF"},
    {"%D1", "\xD1"},
    {"%D2", "\xD2"},
    {"%D3", "\xD3"},
    {"%D4", "\xD4"},
    {"%D5", "\xD5"},
    {"%D6", "\xD6"},
    {"%D7", "\xD7"},
    {"%D8", "\xD8"},
    {"%D9", "\xD9"},
    {"%DA", "\xDA"},
    {"%DB", "\xDB"},
    {"%DC", "\xDC"},
    {"%DD", "\xDD"},
    {"%DE", "\xDE"},
    {"%DF", "\xDF"},
    {"%E1", "\xE1"},
    {"%E2", "\xE2"},
    {"%E3", "\xE3"},
    {"%E4", "\xE4"},
    {"%E5", "\xE5"},
    {"%E6", "\xE6"},
    {"%E7", "\xE7"},
    {"%E8", "\xE8"},
    {"%E9", "\xE9"},
    {"%EA", "\xEA"},
    {"%EB", "\xEB"},
    {"%EC", "\xEC"},
    {"%ED", "\xED"},
    {"%EE", "\xEE"},
    {"%EF", "\xEF"},
    {"%F1", "\xF1"},
    {"%F2", "\xF2"},
    {"%F3", "\xF3"},
    {"%F4", "\xF4"},
    {"%F5", "\xF5"},
    {"%F6", "\xF6"},
    {"%F7", "\xF7"},
    {"%F8", "\xF8"},
    {"%F9", "\xF9"},
    {"%FA", "\xFA"},
    {"%FB", "\xFB"},
    {"%FC", "\xFC"},
    {"%FD", "\xFD"},
    {"%FE", "\xFE"},
    {"%FF", "\xFF"},
    {"+", "\x20"},
    {"", ""},
}};
// clang-format on

namespace {

// One left-to-right pass replacing every occurrence.
std::string ReplaceAll(std::string_view text, std::string_view pattern,
                       std::string_view replacement, bool ignoreCase) {
    if (pattern.empty())
        return std::string(text);
    std::string out;
    out.reserve(text.size());
    std::size_t pos = 0;
    while (true) {
        const std::size_t hit =
            ignoreCase ? FindTextAscii(text, pattern, pos) : text.find(pattern, pos);
        if (hit == std::string_view::npos)
            break;
        out.append(text.substr(pos, hit - pos));
        out.append(replacement);
        pos = hit + pattern.size();
    }
    out.append(text.substr(pos));
    return out;
}

bool IsAsciiLetter(unsigned char b) {
    return (b >= 'a' && b <= 'z') || (b >= 'A' && b <= 'Z');
}

} // namespace

std::string EncodeText(std::string_view text) {
    // Row by row without rescanning: each byte takes the code of the first
    // row that holds it, and codes written by one row are never touched by a
    // later one (so "%" in "%24" is not encoded again).
    static const std::array<std::string_view, 256> kCodes = [] {
        std::array<std::string_view, 256> codes{};
        for (const auto& [code, character] : TextEscapeTable) {
            if (character.size() != 1)
                continue;
            auto& slot = codes[static_cast<unsigned char>(character[0])];
            if (slot.empty())
                slot = code;
        }
        return codes;
    }();
    std::string out;
    out.reserve(text.size() + text.size() / 2);
    for (char c : text) {
        const std::string_view code = kCodes[static_cast<unsigned char>(c)];
        if (code.empty())
            out += c;
        else
            out.append(code);
    }
    return out;
}

std::string DecodeText(std::string_view text) {
    std::string out = ReplaceAll(text, "%0D%0A", "", true);
    out = ReplaceAll(out, "%26nbsp%3B", " ", true);
    // Row by row, but a character decoded by one row is final: the "+" of
    // "%2B" must not become a space at the "+" row, nor the "%" of "%25" start
    // a later code. So DecodeText(EncodeText(t)) gives t back.
    std::vector<bool> decoded(out.size(), false);
    for (const auto& [code, character] : TextEscapeTable) {
        if (code.empty() || out.find(code) == std::string::npos)
            continue;
        std::string next;
        std::vector<bool> nextDecoded;
        next.reserve(out.size());
        nextDecoded.reserve(out.size());
        for (std::size_t i = 0; i < out.size();) {
            bool hit = !decoded[i] && out.compare(i, code.size(), code) == 0;
            for (std::size_t k = 1; hit && k < code.size(); ++k)
                hit = !decoded[i + k];
            if (hit) {
                next.append(character);
                nextDecoded.insert(nextDecoded.end(), character.size(), true);
                i += code.size();
            } else {
                next += out[i];
                nextDecoded.push_back(decoded[i]);
                ++i;
            }
        }
        out.swap(next);
        decoded.swap(nextDecoded);
    }
    // Older texts hold the quote and the hash encoded twice ("%2522"): the
    // "%25" row leaves "%22" behind, which this last pass turns back.
    out = ReplaceAll(out, "%22", "\"", true);
    return ReplaceAll(out, "%23", "#", true);
}

std::string HtmlTextToPlain(std::string_view text) {
    std::string out = RemoveSpans(text, "%3C", "%3E");
    out = ReplaceAll(out, "%0D%0A", "", true);
    out = ReplaceAll(out, "&nbsp;", " ", true);
    out = ReplaceAll(out, "%26nbsp%3B", " ", true);
    // The "+" row goes first: after the codes are decoded a "+" is a real plus
    // sign (from "%2B"), not an encoded space.
    const TextEscapePair& plusRow = TextEscapeTable[149];
    out = ReplaceAll(out, plusRow.code, plusRow.character, false);
    for (const auto& [code, character] : TextEscapeTable)
        if (code != plusRow.code)
            out = ReplaceRepeated(out, code, character);
    return out;
}

std::string ReplaceRepeated(std::string_view text, std::string_view pattern,
                            std::string_view replacement) {
    std::string out(text);
    if (pattern.empty())
        return out;
    // A replacement holding the pattern would never end: replace once instead.
    if (replacement.find(pattern) != std::string_view::npos)
        return ReplaceAll(out, pattern, replacement, false);
    // The text before the first occurrence holds none, so a new occurrence can
    // only start at most pattern.size() - 1 characters before the replacement.
    std::size_t pos = out.find(pattern);
    while (pos != std::string::npos) {
        out.replace(pos, pattern.size(), replacement);
        pos = out.find(pattern, pos >= pattern.size() - 1 ? pos - (pattern.size() - 1) : 0);
    }
    return out;
}

std::string RemoveSpans(std::string_view text, std::string_view open, std::string_view close) {
    std::string out(text);
    if (open.empty())
        return out;
    std::size_t start;
    while ((start = out.find(open)) != std::string::npos) {
        const std::size_t end = out.find(close, start + open.size());
        if (end == std::string::npos)
            break;
        out.erase(start, end + close.size() - start);
    }
    return out;
}

std::vector<std::string> SplitByChar(char separator, std::string_view text) {
    std::vector<std::string> list;
    std::size_t pos = 0;
    for (std::size_t sep; (sep = text.find(separator, pos)) != std::string_view::npos;
         pos = sep + 1)
        list.emplace_back(text.substr(pos, sep - pos));
    list.emplace_back(text.substr(pos));
    return list;
}

std::string TrimAfterLastAlnum(std::string_view text) {
    for (std::size_t i = text.size(); i-- > 1;) {
        const char c = text[i - 1];
        if ((c >= '0' && c <= '9') || !IsWordBoundary(c))
            return std::string(text.substr(0, i));
    }
    return {};
}

bool IsWordBoundary(char ch) {
    // The cp1250 letters of 80..BF (and the micro sign); C1..FE are letters
    // but for D0, D7, E0, F0 and F7.
    static constexpr std::string_view kLetters80toBF =
        "\x8A\x8C\x8D\x8E\x8F\x9A\x9C\x9D\x9E\x9F\xA3\xA5\xAA\xAF\xB3\xB5\xB9\xBA\xBC\xBE\xBF";
    const auto b = static_cast<unsigned char>(ch);
    if (IsAsciiLetter(b) || kLetters80toBF.find(ch) != std::string_view::npos)
        return false;
    if (b >= 0xC1 && b <= 0xFE)
        return b == 0xD0 || b == 0xD7 || b == 0xE0 || b == 0xF0 || b == 0xF7;
    return true;
}

std::string InsertWordLinks(std::string_view text, std::string_view word,
                            std::string_view openTag) {
    if (word.empty())
        return std::string(text);
    // Split into segments around whole-word matches.
    std::vector<std::string_view> segments, matches;
    std::string_view rest = text;
    while (true) {
        const std::size_t hit = FindTextAscii(rest, word);
        if (hit == std::string_view::npos)
            break;
        const std::size_t after = hit + word.size();
        const bool startOk = hit == 0 || IsWordBoundary(rest[hit - 1]);
        const bool endOk = after == rest.size() || IsWordBoundary(rest[after]);
        if (!startOk || !endOk)
            break;
        segments.push_back(rest.substr(0, hit));
        matches.push_back(rest.substr(hit, word.size()));
        rest = rest.substr(after);
    }
    segments.push_back(rest);

    // Join, following whether each match stands inside an existing link: the
    // last "<a " or "</a>" seen so far decides.
    std::string out;
    bool insideLink = false;
    for (std::size_t i = 0; i < segments.size(); ++i) {
        const std::string_view segment = segments[i];
        for (std::size_t pos = 0;;) {
            const std::size_t open = FindTextAscii(segment, "<a ", pos);
            const std::size_t close = FindTextAscii(segment, "</a>", pos);
            if (open == std::string_view::npos && close == std::string_view::npos)
                break;
            insideLink = open < close;
            pos = std::min(open, close) + 1;
        }
        out.append(segment);
        if (i == matches.size())
            break;
        if (insideLink) {
            out.append(matches[i]);
        } else {
            out.append(openTag);
            out.append(matches[i]);
            out.append("</a>");
        }
    }
    return out;
}

std::string UrlEncode(std::string_view text) {
    static constexpr std::string_view kKept = "*@._-$!'()";
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        const auto b = static_cast<unsigned char>(c);
        if (IsAsciiLetter(b) || (b >= '0' && b <= '9') || kKept.find(c) != std::string_view::npos) {
            out += c;
        } else if (c == ' ') {
            out += '+';
        } else {
            out += '%';
            out += kDigits[b >> 4];
            out += kDigits[b & 0x0F];
        }
    }
    return out;
}

std::string UrlDecode(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '+') {
            out += ' ';
        } else if (c != '%') {
            out += c;
        } else if (i + 1 < text.size() && text[i + 1] == '%') {
            out += '%';
            ++i;
        } else {
            const std::size_t at = i + 1;
            if (at + 1 >= text.size())
                throw ConvertError("Error decoding URL style (%XX) encoded string at position " +
                                   std::to_string(at));
            const int hi = HexValue(text[at]), lo = HexValue(text[at + 1]);
            if (hi < 0 || lo < 0)
                throw ConvertError("Invalid URL encoded character (%" +
                                   std::string(text.substr(at, 2)) + ") at position " +
                                   std::to_string(at));
            out += static_cast<char>(hi * 16 + lo);
            i = at + 1;
        }
    }
    return out;
}

int HexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

} // namespace vlm
