#pragma once
// `info`: the course settings and the course tree of a project file, read
// without changing anything.

#include <string>

namespace vlm {
class TProject;
}

namespace vlm::cli {

class TCliSession;

// The object `info --json` prints.
std::string ProjectInfoJson(const TProject& project);
// The text `info` prints (cp1250).
std::string ProjectInfoText(const TProject& project);

int RunInfo(TCliSession& session, const std::string& file, bool json);

} // namespace vlm::cli
