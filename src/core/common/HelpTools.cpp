#include "common/HelpTools.h"

#include "common/Encoding.h"

#include <system_error>

namespace vlm {

std::filesystem::path HelpIndexFile(const std::filesystem::path& programDir,
                                    std::string_view languageCode) {
    return programDir / "help" / PathFromCp1250(languageCode) / "help" / "index.html";
}

std::filesystem::path FaqIndexFile(const std::filesystem::path& programDir,
                                   std::string_view languageCode) {
    return programDir / "help" / PathFromCp1250(languageCode) / "faq" / "index.html";
}

bool OpenHelpPage(const std::filesystem::path& page, Shell& shell) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(page, ec))
        return false;
    return shell.Open(page);
}

bool OpenHelp(std::string_view /*topic*/, const std::filesystem::path& programDir,
              std::string_view languageCode, Shell& shell) {
    return OpenHelpPage(HelpIndexFile(programDir, languageCode), shell);
}

} // namespace vlm
