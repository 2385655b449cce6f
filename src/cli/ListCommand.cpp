#include "ListCommand.h"

#include "CliSession.h"

#include "app/VLMXConfig.h"
#include "export/ExportPipeline.h"
#include "export/ReportProfiles.h"

namespace vlm::cli {

namespace {

std::string Lines(const std::vector<std::string>& names, bool indent) {
    std::string out;
    for (const std::string& name : names)
        out += (indent ? "  " : "") + name + "\n";
    return out;
}

} // namespace

std::string DesignList(const std::filesystem::path& programDir, bool indent) {
    return Lines(DesignTemplateNames(programDir), indent);
}

std::string ProfileList(const std::filesystem::path& programDir, bool indent) {
    std::vector<std::string> names;
    for (const TReportObj& profile : ListReportProfiles(programDir, AppConfig.LanguageCode))
        names.push_back(profile.Name);
    return Lines(names, indent);
}

std::string DesignsFooter(const std::filesystem::path& programDir) {
    return TerminalText(CliText("CLI_LIST_DESIGNS", "Export designs (--design):") + "\n" +
                        DesignList(programDir, true));
}

std::string ProfilesFooter(const std::filesystem::path& programDir) {
    return TerminalText(CliText("CLI_LIST_PROFILES", "Report profiles (--profile):") + "\n" +
                        ProfileList(programDir, true));
}

int RunList(TCliSession& session, const std::string& what) {
    const std::string list = what == "designs" ? DesignList(session.programDir, false)
                                               : ProfileList(session.programDir, false);
    if (!list.empty())
        session.output.Result(list.substr(0, list.size() - 1));
    return kExitDone;
}

} // namespace vlm::cli
