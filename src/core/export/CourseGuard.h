#pragma once
// What every target checks before it reads the course or writes its output:
// it reads nothing through a link that leads out of the course folder, and
// it writes nothing over the project file or into the course folder.

#include "export/ExportResult.h"

#include <filesystem>
#include <optional>

namespace vlm {

class TProject;
class UserPrompt;
struct TCoursePaths;

// The first place an export reads that resolves to somewhere outside the
// course folder (the resources folder, a page folder or document, an
// external document, the lexicon); nothing when all stay inside.
std::optional<std::filesystem::path> FirstPathOutOfCourse(const TProject& project,
                                                          const TCoursePaths& course);

// True when the output would replace the project file or land in the course folder.
bool IsCourseDestination(const std::filesystem::path& destination,
                         const std::filesystem::path& projectFile,
                         const std::filesystem::path& courseDir);

// Both checks; a refusal is shown and makes the run fail.
TExportResult GuardExport(const TProject& project, const TCoursePaths& course,
                          const std::filesystem::path& destination, UserPrompt& prompt);

} // namespace vlm
