#include "resources/ResourcePreview.h"

#include "common/Encoding.h"
#include "common/FileWrite.h"
#include "resources/ResourceKinds.h"

#include <system_error>

namespace vlm {

std::optional<std::string> ResourcePreviewText(const std::filesystem::path& programDir, int mode,
                                               const std::filesystem::path& file) {
    const std::filesystem::path templateFile = PreviewTemplateFile(programDir, mode);
    std::error_code ec;
    if (templateFile.empty() || !std::filesystem::is_regular_file(file, ec))
        return std::nullopt;
    std::optional<std::string> text = ReadFileBytes(templateFile);
    if (!text)
        return std::nullopt;
    // One pass: a path that itself holds the marker is not replaced again.
    static const std::string kMarker = "*[src]*";
    const std::string src = PathToCp1250(std::filesystem::absolute(file, ec));
    std::string out;
    std::size_t from = 0;
    for (std::size_t at; (at = text->find(kMarker, from)) != std::string::npos;
         from = at + kMarker.size())
        out.append(*text, from, at - from).append(src);
    out.append(*text, from);
    return out;
}

} // namespace vlm
