#pragma once
// ASCII case folding and blank trimming on cp1250 text. Only A..Z and a..z
// change case: the bytes of the upper half are letters of several cases in
// cp1250 and are compared as they are.

#include <cstddef>
#include <string>
#include <string_view>

namespace vlm {

constexpr char AsciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

constexpr char AsciiUpper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

std::string LowerCaseAscii(std::string_view text);
std::string UpperCaseAscii(std::string_view text);

bool SameTextAscii(std::string_view a, std::string_view b);

// Position of pattern in text at or after from, ASCII case folded; npos for
// an empty pattern.
std::size_t FindTextAscii(std::string_view text, std::string_view pattern, std::size_t from = 0);

// The text without the control characters and spaces (bytes up to 32) at
// either end.
std::string TrimText(std::string_view text);

} // namespace vlm
