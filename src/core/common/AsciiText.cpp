#include "common/AsciiText.h"

#include <cstring>

namespace vlm {

std::string LowerCaseAscii(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        c = AsciiLower(c);
    return out;
}

std::string UpperCaseAscii(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        c = AsciiUpper(c);
    return out;
}

bool SameTextAscii(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (AsciiLower(a[i]) != AsciiLower(b[i]))
            return false;
    return true;
}

std::size_t FindTextAscii(std::string_view text, std::string_view pattern, std::size_t from) {
    if (pattern.empty() || pattern.size() > text.size() || from > text.size() - pattern.size())
        return std::string_view::npos;
    // Jump from one candidate first byte to the next (placeholders start with
    // "<", so pages are crossed at memchr's speed), then compare the rest.
    const char lower = AsciiLower(pattern[0]);
    const char upper = AsciiUpper(pattern[0]);
    const char* const begin = text.data();
    const std::size_t last = text.size() - pattern.size(); // last possible start
    const std::size_t npos = std::string_view::npos;
    // The next place of each case from i on; each is searched again only
    // once passed, so a letter of both cases costs two scans, not one per hit.
    auto next = [&](char c, std::size_t i) {
        const void* hit = std::memchr(begin + i, c, last - i + 1);
        return hit ? static_cast<std::size_t>(static_cast<const char*>(hit) - begin) : npos;
    };
    std::size_t nextLower = next(lower, from);
    std::size_t nextUpper = upper == lower ? npos : next(upper, from);
    while (nextLower != npos || nextUpper != npos) {
        const std::size_t i = nextLower < nextUpper ? nextLower : nextUpper;
        std::size_t k = 1;
        while (k < pattern.size() && AsciiLower(text[i + k]) == AsciiLower(pattern[k]))
            ++k;
        if (k == pattern.size())
            return i;
        if (i == last)
            return npos;
        if (nextLower == i)
            nextLower = next(lower, i + 1);
        if (nextUpper == i)
            nextUpper = next(upper, i + 1);
    }
    return npos;
}

std::string TrimText(std::string_view text) {
    const auto blank = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
    std::size_t b = 0, e = text.size();
    while (b < e && blank(text[b]))
        ++b;
    while (e > b && blank(text[e - 1]))
        --e;
    return std::string(text.substr(b, e - b));
}

} // namespace vlm
