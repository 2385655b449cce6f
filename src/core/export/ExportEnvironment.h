#pragma once
// What a target's command is given: the open course, the program folders
// and configuration, the component library and the ports to the user.

#include "common/Progress.h"
#include "project/CoursePaths.h"

namespace vlm {

class TComponentsCollection;
class TProject;
class UserPrompt;
struct TProgramPaths;
struct TVLMXConfig;

struct TExportEnvironment {
    const TProject& project; // the items after the course tree was synced into it
    const TCoursePaths& course;
    const TProgramPaths& program;
    const TVLMXConfig& config;
    TComponentsCollection* components; // may be null
    UserPrompt& prompt;
    Progress& progress;
};

// Closes the progress when a run ends, however it ends.
class TProgressCloser {
public:
    explicit TProgressCloser(Progress& progress) : progress_(progress) {}
    ~TProgressCloser() { progress_.Close(); }
    TProgressCloser(const TProgressCloser&) = delete;
    TProgressCloser& operator=(const TProgressCloser&) = delete;

private:
    Progress& progress_;
};

} // namespace vlm
