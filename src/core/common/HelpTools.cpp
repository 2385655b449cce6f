#include "common/HelpTools.h"

#include "common/Encoding.h"

#include <system_error>

namespace vlm {

std::filesystem::path HelpIndexFile(const std::filesystem::path& programDir,
                                    std::string_view languageCode) {
    return programDir / "help" / PathFromCp1250(languageCode) / "help" / "index.html";
}

bool OpenHelp(std::string_view /*topic*/, const std::filesystem::path& programDir,
              std::string_view languageCode, Shell& shell) {
    const auto index = HelpIndexFile(programDir, languageCode);
    std::error_code ec;
    if (!std::filesystem::is_regular_file(index, ec))
        return false;
    return shell.Open(index);
}

} // namespace vlm
