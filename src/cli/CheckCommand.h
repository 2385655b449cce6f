#pragma once
// `check`: what would go wrong when the course is designed or exported:
// missing page documents, elements of unknown classes, missing media,
// links and page jumps to pages the course does not have, empty pages, and
// what keeps elements from being used with a screen reader (as warnings).

#include <string>
#include <vector>

namespace vlm {
class TComponentsCollection;
class TProject;
class TjanXMLNode;
class Clock;
class GuidSource;
} // namespace vlm

namespace vlm::cli {

class TCliSession;

struct TFinding {
    std::string severity; // "error" or "warning"
    int item = 0;         // the item's position
    std::string code;
    std::string message; // cp1250
};

// What the check needs besides the course.
struct TCheckContext {
    const TComponentsCollection& library;
    const TjanXMLNode* definitions; // the merged definition tree; may be null
    GuidSource& guids;
    const Clock& clock;
};

std::vector<TFinding> CheckProject(const TProject& project, const TCheckContext& context);

std::string FindingsJson(const std::vector<TFinding>& findings);
std::string FindingsText(const std::vector<TFinding>& findings);

// Exit code 1 when any finding is an error.
int RunCheck(TCliSession& session, const std::string& file, bool json);

} // namespace vlm::cli
