#pragma once
// The one writer of the manifests and metadata files: UTF-16 little-endian
// with a byte-order mark, whatever the XML declaration inside names.

#include "common/StringRoutines.h"

#include <filesystem>
#include <string>

namespace vlm {

// FF FE, then the cp1250 lines as UTF-16 LE code units, each line followed
// by CR LF, then one more CR LF (the file ends with an empty line).
std::string UnicodeTextBytes(const StringList& lines);

// Writes UnicodeTextBytes(lines); throws EFCreateError when the file cannot
// be written.
void WriteUnicodeText(const std::filesystem::path& file, const StringList& lines);

} // namespace vlm
