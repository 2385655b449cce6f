#pragma once
// Text codecs and rescanning helpers on cp1250 text: the program's escape
// table, URL form encoding, spans, splitting and lexicon word links.

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace vlm {

struct TextEscapePair {
    std::string_view code;
    std::string_view character;
};

// The escape table, applied row by row in this order in both directions.
extern const std::array<TextEscapePair, 151> TextEscapeTable;

// Every character of the table replaced by its code, row by row; a code
// written by one row is not encoded again by a later one.
std::string EncodeText(std::string_view text);

// Drops "%0D%0A", turns "%26nbsp%3B" into a space (both ignoring case),
// replaces every code by its character row by row (a decoded character is
// final), then turns any "%22" and "%23" left into the quote and the hash.
// DecodeText(EncodeText(t)) == t for every text without "&nbsp;", "%22" or "%23".
std::string DecodeText(std::string_view text);

// An encoded element text as plain text: tags ("%3C" .. "%3E") removed, line
// breaks dropped, non-breaking spaces made spaces, "+" made a space, then
// codes decoded repeatedly (so twice-encoded text comes out plain too).
std::string HtmlTextToPlain(std::string_view text);

// Replaces the first occurrence while the text still contains the pattern
// (so an occurrence formed by a replacement is replaced too).
std::string ReplaceRepeated(std::string_view text, std::string_view pattern,
                            std::string_view replacement);

// Cuts from each first opening marker through the first closing marker after
// it; an opening marker without a closing one ends the cutting.
std::string RemoveSpans(std::string_view text, std::string_view open, std::string_view close);

// The pieces between separators; always at least one (possibly empty) piece.
std::vector<std::string> SplitByChar(char separator, std::string_view text);

// The prefix ending with the last letter or digit found scanning backwards
// from the second-to-last character; empty when there is none.
std::string TrimAfterLastAlnum(std::string_view text);

// False for ASCII letters and cp1250 letters of the upper half (and the micro sign).
bool IsWordBoundary(char ch);

// Wraps whole-word occurrences of word (ASCII case folded) in openTag ..
// "</a>", leaving occurrences inside existing links alone. Stops at the first
// occurrence that is not a whole word.
std::string InsertWordLinks(std::string_view text, std::string_view word, std::string_view openTag);

// HTML form encoding: letters, digits and *@._-$!'() stay, space becomes "+",
// any other byte "%XX" (upper-case hexadecimal).
// The value of a hexadecimal digit, or -1.
int HexValue(char c);

std::string UrlEncode(std::string_view text);

// "+" becomes a space, "%%" a "%", "%XX" the byte. Throws ConvertError with
// "Error decoding URL style (%XX) encoded string at position N" for a
// truncated code and "Invalid URL encoded character (%YZ) at position N" for
// non-hexadecimal digits (N: 0-based offset of the character after the "%").
std::string UrlDecode(std::string_view text);

} // namespace vlm
