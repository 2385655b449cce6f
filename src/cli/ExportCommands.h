#pragma once
// `export <target>`: the course opened as the program opens it, then the
// target's command run with the options its wizard would hand over, its
// defaults taken from a wizard opened on settings that live only in memory.

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
};

int RunExportOffline(TCliSession& session, const TExportOptions& options);
int RunExportAicc(TCliSession& session, const TExportOptions& options);
int RunExportMedia(TCliSession& session, const TExportOptions& options);

} // namespace vlm::cli
