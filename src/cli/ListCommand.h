#pragma once
// `list designs|profiles`: the names `export` accepts for --design (offline
// and AICC) and --profile (scenario), one a line; the same lists close the
// help of those exports.

#include <filesystem>
#include <string>

namespace vlm::cli {

class TCliSession;

// The export designs of the program folder, one a line ("  " in front when
// `indent`); empty when there are none.
std::string DesignList(const std::filesystem::path& programDir, bool indent);
// The report profiles by their names in the run's language.
std::string ProfileList(const std::filesystem::path& programDir, bool indent);

// The lists under a heading, as the help of the exports ends (UTF-8).
std::string DesignsFooter(const std::filesystem::path& programDir);
std::string ProfilesFooter(const std::filesystem::path& programDir);

// `what`: "designs" or "profiles".
int RunList(TCliSession& session, const std::string& what);

} // namespace vlm::cli
