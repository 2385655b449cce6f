#pragma once
// The navigation tree of the offline frame set: one addTreePage(...) call
// per course item, put into the target's ds_tree.html.

#include <filesystem>
#include <string>
#include <vector>

namespace vlm {

class TProject;

// The calls in tree order (without line ends).
std::vector<std::string> TreeScriptLines(const TProject& project);

// Replaces every "*[tree]*" of the file by the lines, each followed by CR LF.
// A missing file is left missing (true); false when the file exists but
// cannot be read or rewritten.
bool WriteTreeScriptFile(const std::filesystem::path& file, const std::vector<std::string>& lines);

} // namespace vlm
