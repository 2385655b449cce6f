#pragma once
// Small string, list and path-text routines used around the class
// definitions and the page documents. Positions are 1-based; path texts use
// backslashes as stored in the documents.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vlm {

using StringList = std::vector<std::string>;

// 1-based position of pattern at or after start; 0 when absent, when the
// pattern is empty or when start lies outside the text.
int FindFrom(std::string_view pattern, std::string_view text, int start);

// Appends ch unless the text is empty or already ends with it.
std::string AppendCharIfMissing(std::string_view text, char ch);

// The text before its last "." (wherever it stands); the whole text if none.
std::string RemoveExtension(std::string_view text);

// Slashes become backslashes; the part after the last backslash.
std::string ExtractNameAnySeparator(std::string_view path);

// The file name part after its first "." ("a.b.png" gives "b.png"); empty without a dot.
std::string ExtractDottedExtension(std::string_view path);

// Zeros in front of a text of up to four characters, up to five characters.
std::string PadIndex5(std::string_view text);

// Removes one leading backslash and then one leading slash.
std::string StripLeadingSlash(std::string_view path);

// Each item (as entities when encode is set) followed by the separator, without
// the last one. With encode the separator must not occur in entities ("&#;", digits).
std::string JoinStrings(const StringList& list, std::string_view separator, bool encode);

// Pieces between separators (decoded from entities when decode is set); a
// non-empty remainder after the last separator is added, an empty one is not.
StringList SplitText(std::string_view text, char separator, bool decode);

// Empty for an empty text or separator; a separator at the very start is
// skipped; then the pieces between separators and a non-empty remainder.
StringList SplitByString(std::string_view text, std::string_view separator);

// The text between the first and the second "_"; the whole text with fewer than two.
std::string MiddleSegment(std::string_view text);

// "Step" + the number padded to three digits (7 gives "Step007").
std::string StepName(int number);

// The stored colour 0x00BBGGRR as "#RRGGBB".
std::string ColorToHtml(unsigned colour);

// The characters between the first open marker and the first close marker after it.
std::string TextBetween(std::string_view text, std::string_view open, std::string_view close);

std::string ReplaceFirst(std::string_view text, std::string_view pattern,
                         std::string_view replacement);

// Every occurrence, in one pass from left to right (a replacement is not
// searched again); an empty pattern leaves the text as it is.
std::string ReplaceEvery(std::string_view text, std::string_view pattern,
                         std::string_view replacement);

// When the first open marker stands before the first close marker, the span
// from the open marker through the close marker and the one character after
// it is replaced.
std::string ReplaceSpan(std::string_view text, std::string_view open, std::string_view close,
                        std::string_view replacement);

// "&", "<", ">" and the double quote as entities; nothing else changes.
std::string HtmlEscape(std::string_view text);

// The inverse of HtmlEscape: those four entities back to their characters,
// in one pass; anything else stays as written.
std::string HtmlUnescape(std::string_view text);

// A text inside a double-quoted JavaScript string of an HTML script block:
// backslash and double quote get a backslash, line breaks become \r and \n,
// and "</" and "<!--" are broken up so they cannot end or hide the block.
std::string ScriptStringInHtml(std::string_view text);

bool ListContains(const StringList& list, std::string_view text);

// The lines of a text (CR LF, LF or CR breaks); a break at the very end adds no empty line.
StringList SplitLines(std::string_view text);

// The lines of a text file (as SplitLines); empty when it cannot be read.
StringList ReadLines(const std::filesystem::path& file);

// The lines strictly between the first line holding start and the first line
// at or after it holding end. An empty start means from the first line, an
// empty end up to the last line (those lines then included). Empty when a
// marker is missing or both stand on the same line; nullopt for an empty input.
std::optional<StringList> ExtractLinesBetween(const StringList& list, std::string_view start,
                                              std::string_view end);

// In each line holding the marker its first occurrence becomes all the lines run together.
void ReplaceMarkerWithLines(StringList& list, std::string_view marker, const StringList& lines);

// ReplaceFirst on every line holding the marker.
void ReplaceFirstInLines(StringList& list, std::string_view marker, std::string_view replacement);

} // namespace vlm
