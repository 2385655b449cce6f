#pragma once
// Numeric character entities ("&#0" + decimal code + ";") and the folding of
// Polish letters, on cp1250 text.

#include <string>
#include <string_view>

namespace vlm {

// Space, digits, ASCII letters and the 18 Polish letters stay; any other byte
// becomes its entity (the full stop is "&#046;", the byte 200 "&#0200;").
std::string CharToEntity(char ch);
std::string TextToEntities(std::string_view text);

// Replaces every "&#<decimal>;" by the byte of that code; an "&#" without a
// ";" after it is kept. Throws ConvertError when the characters between "&#"
// and ";" are not a decimal number of a byte (0..255).
std::string EntitiesToText(std::string_view text);

// The 18 Polish letters with diacritics become their ASCII letters.
std::string PolishToAscii(std::string_view text);

// Drops the bytes 22..2F and 3A..40 (" # $ % & ' ( ) * + , - . / : ; < = > ? @).
std::string StripPunctuation(std::string_view text);

} // namespace vlm
