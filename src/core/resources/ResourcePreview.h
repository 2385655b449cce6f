#pragma once
// The preview page of the selected resource.

#include <filesystem>
#include <optional>
#include <string>

namespace vlm {

// The mode's preview template (below the program folder) with every "*[src]*"
// replaced by the file's full path; none when the mode has no template, or
// the template or the file does not exist (the preview then stays as it is).
std::optional<std::string> ResourcePreviewText(const std::filesystem::path& programDir, int mode,
                                               const std::filesystem::path& file);

} // namespace vlm
