#pragma once
// Opening the program's help in the browser.

#include "common/Shell.h"

#include <filesystem>
#include <string_view>

namespace vlm {

// The help index of a language: programDir/help/<languageCode>/help/index.html.
std::filesystem::path HelpIndexFile(const std::filesystem::path& programDir,
                                    std::string_view languageCode);

// The questions-and-answers page: programDir/help/<languageCode>/faq/index.html.
std::filesystem::path FaqIndexFile(const std::filesystem::path& programDir,
                                   std::string_view languageCode);

// Opens the page through the shell when it is a file; true when handed over.
bool OpenHelpPage(const std::filesystem::path& page, Shell& shell);

// Opens the help index of the language through the shell when it exists
// (every topic opens the same index). True when it was handed to the shell.
bool OpenHelp(std::string_view topic, const std::filesystem::path& programDir,
              std::string_view languageCode, Shell& shell);

} // namespace vlm
