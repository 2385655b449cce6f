#pragma once
// The media export: the course's sound and video files copied into a folder
// of the user's choice, asking before files of the same name are replaced.

#include "export/ExportResult.h"

#include <filesystem>
#include <string>
#include <vector>

namespace vlm {

class TProject;
struct TCoursePaths;

class SettingsStore;
class UserPrompt;

struct TMediaExportOptions {
    std::string destination; // the folder (cp1250 path text)
};

// The wizard without its window: "Folders" and "FoldersIndex" of the key
// "resources", a history of 10 entries.
class TExportResourcesWizard {
public:
    std::vector<std::string> history;
    int index = -1;
    TMediaExportOptions options;

    static TExportResourcesWizard Open(const SettingsStore& store);
    // A folder chosen with the browse button enters the history and is selected.
    void Browse(const std::string& folder);
    // Closing with OK: the destination as typed enters the history; both
    // values are written.
    TMediaExportOptions Accept(SettingsStore& store);
};

// Sound (.mp3 .wav .wmv .wave) and video (.avi .mpg .mpge), any letter case.
bool IsMediaFile(const std::string& name);

struct TMediaExportReport {
    int copied = 0;
    int kept = 0;   // existing files left as they were
    int failed = 0; // files that could not be copied
};

class TExportResources {
public:
    TExportResources(const TProject& project, const TCoursePaths& course, UserPrompt& prompt);

    // Copies the media files into the destination, which is created with its
    // parents. Cancel on a question ends the copying (Cancelled, the files
    // copied so far stay). A file not written whole ends it as a failure.
    TExportResult Execute(const TMediaExportOptions& options);
    const TMediaExportReport& Report() const { return report_; }

private:
    const TProject& project_;
    const TCoursePaths& course_;
    UserPrompt& prompt_;
    TMediaExportReport report_;
};

} // namespace vlm
