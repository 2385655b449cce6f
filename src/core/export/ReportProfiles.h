#pragma once
// The scenario report's profiles: folders below "exports/Scenario/" and
// "user_defined/exports/Scenario/" holding "info.xml", "report.ini" and
// "report.rtf".

#include <filesystem>
#include <string>
#include <vector>

namespace vlm {

struct TReportObj {
    std::string Name; // display name in the configured language
    std::filesystem::path IniFile;
    std::filesystem::path RtfFile;
    bool Default = false;
    std::string Language; // the report's language: "language" of "info", upper-cased
};

// Every profile, the program's first, each folder's entries by name (hidden
// ones and links skipped). The name is the first "caption" of "info" whose
// "lang" equals the language code (upper-cased both); without one, the text
// of the last child of "info" when it has a "lang"; a profile with neither
// (or an unreadable info.xml) is left out.
std::vector<TReportObj> ListReportProfiles(const std::filesystem::path& programDir,
                                           const std::string& languageCode);

// The index of the profile named `lastName`; else the last default profile
// written in `languageCode` (the course's language); else the last default
// profile; else 0; -1 for an empty list.
int SelectReportProfile(const std::vector<TReportObj>& profiles, const std::string& lastName,
                        const std::string& languageCode = {});

} // namespace vlm
