#pragma once
// `new` and `open`: the course lifecycle driven without dialogs.

#include <optional>
#include <string>

namespace vlm {
class TCourseLifecycle;
}

namespace vlm::cli {

class TCliSession;

// What opening (and saving) the course had to change, told: the backup of
// a repaired project file, the resource files renamed because cp1250 cannot
// hold their names.
void ReportOpening(TCliSession& session, const TCourseLifecycle& course);

struct TNewOptions {
    std::string templateName; // folder name or caption of a course template (of the run's language)
    std::optional<std::string> title;
    std::string file;
};

int RunNew(TCliSession& session, const TNewOptions& options);
// Opens as the program does (register refreshed and written, tree built),
// renumbers the tree and saves the course.
int RunOpen(TCliSession& session, const std::string& file);

} // namespace vlm::cli
