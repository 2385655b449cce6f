#pragma once
// The boundary between the core's cp1250 text and UTF-8 (widgets, the web
// view, and file names on disk), and between stored path texts with
// backslashes and file-system paths.

#include <filesystem>
#include <string>
#include <string_view>

namespace vlm {

// Every cp1250 byte has a code point; the five bytes cp1250 leaves undefined
// map to the C1 controls of the same value, so the round trip is lossless.
std::string Cp1250ToUtf8(std::string_view text);

// Characters outside cp1250, and malformed UTF-8 bytes, become "?".
std::string Utf8ToCp1250(std::string_view text);

// A cp1250 file name or path text as a file-system path, and back.
std::filesystem::path PathFromCp1250(std::string_view text);
std::string PathToCp1250(const std::filesystem::path& path);

// A stored path value such as "..\resources\pic.png" as a file-system path
// ("../resources/pic.png"): both backslashes and slashes separate.
std::filesystem::path PathFromStoredText(std::string_view text);

} // namespace vlm
