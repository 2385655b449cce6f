#pragma once
// The writers of the manifests and metadata files: UTF-16 little-endian with
// a byte-order mark (server and exam packages), and UTF-8 without one (the
// SCORM package, which LMSs such as Moodle read only in UTF-8).

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

// The cp1250 lines as UTF-8, each followed by CR LF, then one more CR LF.
std::string Utf8TextBytes(const StringList& lines);

// Writes Utf8TextBytes(lines); throws EFCreateError when the file cannot be
// written.
void WriteUtf8Text(const std::filesystem::path& file, const StringList& lines);

} // namespace vlm
