#pragma once
// `export <target>`: the course checked (its findings printed as warnings;
// with --strict they fail the export before anything is written), opened as
// the program opens it, then the target's command run with the options its
// wizard would hand over, its defaults taken from a wizard opened on
// settings that live only in memory.

#include <optional>
#include <string>

namespace vlm::cli {

class TCliSession;

struct TExportOptions {
    std::string file;   // the .vlmproject file
    std::string output; // -o: the folder or package file
    std::optional<std::string> design;
    std::string profile; // aicc: "default" or "leo"
    std::optional<bool> multiSCO;
    std::optional<std::string> url;
    std::optional<std::string> schemaLocation; // scorm
    std::optional<std::string> urlPath;        // scorm
    bool cmiAdapter = false;                   // scorm
    std::optional<std::string> reportProfile;  // scenario
    bool strict = false; // a finding of the course check fails the export
};

int RunExportOffline(TCliSession& session, const TExportOptions& options);
int RunExportAicc(TCliSession& session, const TExportOptions& options);
int RunExportScorm(TCliSession& session, const TExportOptions& options);
// The server package, or the exam package when `exam` is set.
int RunExportServer(TCliSession& session, const TExportOptions& options, bool exam);
// The scenario report, with the pages' screenshots when the renderer is built.
int RunExportScenario(TCliSession& session, const TExportOptions& options);
int RunExportMedia(TCliSession& session, const TExportOptions& options);

} // namespace vlm::cli
