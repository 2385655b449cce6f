#pragma once
// The designer's clipboard record, format "VLMX4 Element": 8-bit text in
// comma-list notation ending with a zero byte, holding the resources folder
// of the course copied from and the element record as XML text.

#include <string>
#include <string_view>
#include <vector>

namespace vlm {

inline constexpr const char* kClipboardFormat = "VLMX4 Element";

// Fields joined by ","; a field holding a character 0..32, a double quote or
// a comma is quoted, its quotes doubled.
std::string CommaListText(const std::vector<std::string>& fields);
// The fields of a comma list: a comma or an unquoted character 1..32
// separates them; the text ends at the first zero byte or its end.
std::vector<std::string> ParseCommaList(std::string_view bytes);

// The record's bytes, the zero byte included.
std::string EncodeClipboardRecord(const std::string& resourcesDir, const std::string& elementXml);

} // namespace vlm
