#include "common/AsciiText.h"

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
    if (pattern.empty() || pattern.size() > text.size())
        return std::string_view::npos;
    for (std::size_t i = from; i + pattern.size() <= text.size(); ++i) {
        std::size_t k = 0;
        while (k < pattern.size() && AsciiLower(text[i + k]) == AsciiLower(pattern[k]))
            ++k;
        if (k == pattern.size())
            return i;
    }
    return std::string_view::npos;
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
