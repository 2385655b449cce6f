#pragma once
// The steps the targets share around the generated files: fixed program
// folders, the design template, the destination of folder targets and the
// working folder of packaged targets.

#include "export/ExportResult.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace vlm {

class Random;
class TVLMProject;
class UserPrompt;

// A file the run could not write whole: the run fails with this message
// (which file, and the system's reason).
class EExportWriteFailed : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Throws EExportWriteFailed for the copy's failure, if any.
void ThrowCopyFailure(const std::optional<struct TCopyFailure>& failure);

// Writes the file or throws EExportWriteFailed with the system's reason.
void WriteWholeOrThrow(const std::filesystem::path& file, const std::string& bytes);

// Runs a target's steps; a file that could not be written ends the run as a
// failure, shown once.
TExportResult RunWritingFiles(UserPrompt& prompt, const std::function<TExportResult()>& steps);

// CopyFolder: recursive (unless told otherwise), overwriting, archive
// attribute. A missing source copies nothing; the target is made anyway.
// A file not written whole throws EExportWriteFailed.
void CopyFixedFolder(const std::filesystem::path& source, const std::filesystem::path& target,
                     bool recursive = true);

// The names of the design templates: the folders of DesignTemplateFolder(1)
// and then those of DesignTemplateFolder(4).
std::vector<std::string> DesignTemplateList(const TVLMProject& project);
// The same for a program folder, without a course.
std::vector<std::string> DesignTemplateNames(const std::filesystem::path& programDir);

// The folder of a design: under DesignTemplateFolder(1) when it exists there,
// else under DesignTemplateFolder(4); nothing for a name that is not a plain
// folder name or exists in neither place.
std::optional<std::filesystem::path> DesignTemplatePath(const TVLMProject& project,
                                                        const std::string& name);

// Copies the selected design (an empty name selects none) into the output root.
void CopyDesignTemplate(const TVLMProject& project, const std::string& name,
                        const std::filesystem::path& outputRoot);

// The destination of a folder target: an existing folder is confirmed
// (Yes continues, No and Cancel end silently), a missing one is created.
// Cancelled, Failed (the folder cannot be made) or Done with `folder` set.
TExportResult CheckFolderDestination(const std::filesystem::path& destination, UserPrompt& prompt,
                                     std::filesystem::path& folder);

// True when `path` is `folder` or lies below it (both made absolute and
// normal, links of existing parts resolved).
bool IsInsideFolder(const std::filesystem::path& path, const std::filesystem::path& folder);

// A fresh working folder "vlm", "vlm3", "vlm35", ... below the system's
// temporary folder, the generator seeded from the clock; nothing when it
// cannot be made.
std::optional<std::filesystem::path> ExportWorkDir(Random& random);

// The language text of a key formatted with one argument ("%s") and every
// "|" made a line break.
std::string FormatExportMessage(const std::string& key, const std::string& argument = {});

// The message of a file the run could not write.
std::string WriteFailedMessage(const std::filesystem::path& file);

// The failure of a run whose pages could not be made at all (the page
// template is missing); Done otherwise.
TExportResult CheckPagesReport(const struct TExportPagesReport& report,
                               const std::filesystem::path& pageTemplate, UserPrompt& prompt);

// Shows a failure that ends a run and hands it back as the run's result.
TExportResult ReportFailure(UserPrompt& prompt, const std::string& message);

} // namespace vlm
